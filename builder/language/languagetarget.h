#pragma once

#include <QString>

class QObject;

namespace brevix {

// What a language path leads to: an object, optionally an item of one of its collections or
// one of its string lists.
struct LanguageTarget
{
    QObject *object = nullptr;
    QString collection; // "Items", "Columns", "Pages", "Lines"; empty for the object itself
    int index = -1;     // item of the collection; -1 = the collection as a string list
};

// Sets property (Caption, Text, Hint, or a string property of the object) of the target to
// value; false when the target has no such text.
bool setLanguageText(const LanguageTarget &target, const QString &property, const QString &value);

} // namespace brevix
