#pragma once

#include <QList>
#include <QMap>
#include <QStringList>

class QWidget;

namespace brevix {

// Writes the language lines of windows as they stand: every non-empty caption, text, hint and
// list of every component, with the paths the language file reader follows.
QStringList dumpLanguageLines(const QList<QWidget *> &forms);

// Translates the values of Chinese lines with a dictionary (Chinese text → English text, list
// values part by part). Texts without a translation are reported in missing and left out.
QStringList translateLanguageLines(const QStringList &lines,
                                   const QMap<QString, QString> &dictionary, QStringList *missing);

// Reads "Chinese<TAB>English" lines; blank lines and lines starting with "#" are ignored.
QMap<QString, QString> readDictionary(const QString &path);

} // namespace brevix
