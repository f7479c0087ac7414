#pragma once

#include "text/message.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace brevix {

// State texts of a dynamic text: each entry of ListStrings is the content followed by exactly
// four upper-case hexadecimal digits of the state's value ("Run000A" is Run with value 10).
constexpr int kStateContentMax = 26;
constexpr int kStateValueMax = 5;
constexpr int kStateEntryMax = 30;

struct StateCell
{
    QString value; // decimal text as shown in the grid
    QString content;
};

// The entry of grid row j (1-based): a trailing hexadecimal number gives value and content;
// otherwise the value is j - 1 and the content the whole entry.
StateCell decodeStateEntry(const QString &entry, int row);
// Content + four hexadecimal digits of the decimal value text (0 when not a number), as GBK
// bytes cut to 30 without splitting a character.
QByteArray encodeStateEntry(const StateCell &cell);

// The first pair of rows (1-based, i < j) whose value texts are equal, compared as text
// ("07" and "7" differ), packed as i * 256 + j; 0 when all differ.
int findDuplicateValues(const QStringList &values);

// The message of a duplicate found in language list 1 or 2, naming the rows minus one.
Message duplicateValueMessage(int list, int found);

// Highest state count of a dynamic text in slot: 100 in slots 135..149, 20 in 150..199, 0 in a
// slot that owns no list.
int stateCapacity(int slot);

// A raised state count numbers the rows whose value is "0" by their index (row - 1).
QStringList renumberZeroValues(const QStringList &values);

// A cell being edited is cut to its limit (value 5 characters, content 26 GBK bytes).
QString cutStateCell(const QString &text, bool valueColumn);

} // namespace brevix
