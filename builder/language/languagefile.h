#pragma once

#include "text/message.h"

#include <QList>
#include <QStringList>
#include <optional>

class QObject;
class QWidget;

namespace brevix {

// Language files are lines "Form.Component.….Property=value". The path names a window by its
// objectName, then components by objectName or "Class(n)" (the n-th owned child), then
// optional object or collection properties ("Columns[1]", "Items"), and last the text property
// ("Caption", "Text", "Hint"). A string list ("Items", "Lines" with "Text") takes the value
// split at the two characters "\n"; the part after the last "\n" is not used.
struct LanguageApplyCount
{
    int applied = 0;
    int skipped = 0; // lines whose path or property does not exist
};

// Applies the lines to the given windows. Lines with an empty or blank value are ignored; a
// line that names nothing settable is counted as skipped and the rest still apply.
LanguageApplyCount applyLanguageLines(const QStringList &lines, const QList<QWidget *> &forms);

// Reads the file (UTF-8, or GBK when it is not valid UTF-8) and applies it to every window of
// the application. A missing or unreadable file is an error; nothing is changed then.
Result ApplyLanguageFile(const QString &path, LanguageApplyCount *count = nullptr);
Result ApplyLanguageFile(const QString &path, const QList<QWidget *> &forms,
                         LanguageApplyCount *count = nullptr);

// The components a path can step into by index: the widgets and actions among the children.
QList<QObject *> ownedComponents(QObject *object);

// The file's lines, decoded.
std::optional<QStringList> readLanguageLines(const QString &path);

} // namespace brevix
