#include "elements/statelist.h"

#include "model/project.h"
#include "text/gbk.h"

#include <algorithm>

namespace brevix {

StateCell decodeStateEntry(const QString &entry, int row)
{
    // The last four characters (all of a shorter entry, so an empty one reads as 0) must be
    // hexadecimal digits and nothing else.
    const QString tail = entry.right(4);
    bool hex = true;
    for (const QChar c : tail)
        hex = hex && (c.isDigit() || (c.toUpper() >= u'A' && c.toUpper() <= u'F'));
    if (hex) {
        const uint value = tail.isEmpty() ? 0 : tail.toUInt(nullptr, 16);
        return {QString::number(value), entry.left(std::max<qsizetype>(entry.size() - 4, 0))};
    }
    return {QString::number(row - 1), entry};
}

QByteArray encodeStateEntry(const StateCell &cell)
{
    bool ok = false;
    const int value = cell.value.trimmed().toInt(&ok, 10);
    const int stored = ok ? value : 0;
    // Four digits hold 0..FFFF; the low 16 bits keep the value the panel reads (its low byte).
    const QString digits =
        QStringLiteral("%1").arg(static_cast<unsigned>(stored) & 0xFFFFu, 4, 16, QLatin1Char('0'));
    // The content gives way so the four digits always fit.
    const QByteArray content = toGbk(cell.content);
    return content.left(gbkCutLength(content.constData(), content.size(), kStateContentMax)) +
           digits.toUpper().toLatin1();
}

int findDuplicateValues(const QStringList &values)
{
    for (int i = 0; i < values.size(); ++i) {
        for (int j = i + 1; j < values.size(); ++j) {
            if (values.at(i) == values.at(j))
                return (i + 1) * 256 + (j + 1);
        }
    }
    return 0;
}

Message duplicateValueMessage(int list, int found)
{
    const int i = found / 256;
    const int j = found % 256;
    const QString ids = QString::number(i - 1) + QStringLiteral("  ID:") + QString::number(j - 1);
    if (list == 1)
        return {
            QStringLiteral("语言一数值栏，有2个数值重复 ！\r看看ID:") + ids,
            QStringLiteral("Language 1 numeric Bar, there are 2 numerical repetition!\rLook ID:") +
                ids};
    return {QStringLiteral("语言二数值栏，有2个数值重复 ！\r看看ID:") + ids,
            QStringLiteral("Language 2 numeric Bar, there are 2 numerical repetition!\rLook ID:") +
                ids};
}

int stateCapacity(int slot)
{
    return Project::listCapacity(slot);
}

QStringList renumberZeroValues(const QStringList &values)
{
    QStringList out = values;
    for (int k = 0; k < out.size(); ++k) {
        if (out.at(k) == QStringLiteral("0"))
            out[k] = QString::number(k);
    }
    return out;
}

QString cutStateCell(const QString &text, bool valueColumn)
{
    if (valueColumn)
        return text.left(kStateValueMax);
    // The limit counts stored bytes: a Chinese character takes two of the 26.
    const QByteArray bytes = toGbk(text);
    return fromGbk(bytes.left(gbkCutLength(bytes.constData(), bytes.size(), kStateContentMax)));
}

} // namespace brevix
