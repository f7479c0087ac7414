#include "simulator/elementvalues.h"

#include "simulator/formatdecimal.h"
#include "text/gbk.h"

#include <algorithm>
#include <cmath>

namespace brevix::sim {

std::int64_t wordValue(const RegisterMemory &memory, int area, long long address, bool is32)
{
    if (is32)
        return static_cast<std::int32_t>(memory.word32(area, address));
    return memory.word(area, address);
}

RegisterShow registerShowState(const SlotTables &t, int slot, const RegisterMemory &memory)
{
    const int area = t.ByteA[slot] >> 4;
    const int condition = t.ByteE[slot] >> 4;
    const std::uint16_t word = memory.word(area, t.WordE[slot]);
    const bool holds = (condition == 1 && word == 0) || (condition == 2 && word != 0);
    if (!holds)
        return RegisterShow::Normal;
    switch (t.ByteE[slot] & 0x0F) {
    case 0:
        return RegisterShow::Masked;
    case 1:
        return RegisterShow::Hidden;
    default:
        return RegisterShow::Frozen;
    }
}

std::int64_t registerValue(const SlotTables &t, int slot, const RegisterMemory &memory)
{
    return wordValue(memory, t.ByteA[slot] >> 4, t.WordA[slot], (t.ByteA[slot] & 0x0F) == 1);
}

QString registerText(const SlotTables &t, int slot, std::int64_t shownValue, bool enabled)
{
    QString text;
    bool negative = false;
    const bool is32 = (t.ByteA[slot] & 0x0F) == 1;
    if (!enabled) {
        text = QStringLiteral("*********");
    } else if (!is32 && t.ByteC[slot]) {
        const auto s = static_cast<std::int16_t>(static_cast<std::uint16_t>(shownValue));
        negative = s < 0;
        text = QString::number(negative ? -static_cast<int>(s) : static_cast<int>(s));
    } else {
        text = QString::number(shownValue);
    }
    const int digits = t.WordB[slot] >> 8;
    const int decimals = t.WordB[slot] & 0xFF;
    if (digits <= 8 && text.size() > digits)
        text = text.right(digits);
    if (enabled)
        text = FormatDecimal(text, decimals);
    if (t.WordD[slot] == 1) {
        if (text.startsWith(QLatin1Char('-')))
            text.remove(0, 1);
        text = text.rightJustified(digits, QLatin1Char('0'));
    }
    if (negative)
        text.prepend(QLatin1Char('-'));
    return text;
}

bool slotBitValue(const SlotTables &t, int slot, const RegisterMemory &memory)
{
    return readBit(memory, locateBit(t.ByteA[slot], t.WordA[slot]));
}

bool lampIsOn(const SlotTables &t, int slot, std::int64_t shownValue)
{
    return (shownValue != 0) != (t.ByteC[slot] != 0);
}

BarLimits barLimits(const SlotTables &t, int slot, const RegisterMemory &memory)
{
    const bool is32 = (t.ByteA[slot] & 1) != 0;
    BarLimits limits;
    limits.low = t.ByteD[slot] ? wordValue(memory, 0, t.WordD[slot], is32) : t.LongB[slot];
    limits.high = t.ByteB[slot] ? wordValue(memory, 0, t.WordB[slot], is32) : t.LongA[slot];
    if (limits.low >= limits.high)
        limits.high = limits.low + 1;
    return limits;
}

std::int64_t barValue(const SlotTables &t, int slot, const RegisterMemory &memory)
{
    return wordValue(memory, 0, t.WordA[slot], (t.ByteA[slot] & 1) != 0);
}

int barLength(const SlotTables &t, int slot, std::int64_t value, const BarLimits &limits)
{
    const int direction = t.WordC[slot] >> 8;
    if (direction > 3)
        return 0;
    const int extent = direction <= 1 ? t.Height[slot] : t.Width[slot];
    const std::int64_t n = value < limits.low ? 0 : value - limits.low;
    // Ties to even, as the panel rounds.
    const double scaled = std::nearbyint(double(n) * extent / double(limits.high - limits.low));
    return static_cast<int>(std::min<double>(extent, scaled));
}

int dynamicTextArea(const SlotTables &t, int slot)
{
    return t.WordD[slot] >> 2;
}

std::int64_t dynamicTextValue(const SlotTables &t, int slot, const RegisterMemory &memory)
{
    // The state count sits where other elements keep their size bit: always one word.
    return memory.word(dynamicTextArea(t, slot), t.WordA[slot]);
}

int dynamicTextState(const SlotTables &t, int slot, std::int64_t value)
{
    if (t.ByteA[slot] == 0)
        return -1;
    return static_cast<int>(value % t.ByteA[slot]);
}

QByteArray dynamicTextStateText(const DecodedPage &page, int slot, int state, int languageSelect)
{
    const int entry = listEntryIndex(slot, state + 1, languageSelect == 1);
    return entry > 0 ? page.ListStrings[entry] : QByteArray();
}

ShapePlacement shapePlacement(const SlotTables &t, int slot, const RegisterMemory &memory)
{
    ShapePlacement placement;
    if (t.ByteB[slot])
        placement.dx = memory.word(0, t.LongA[slot]);
    if (t.ByteC[slot])
        placement.dy = memory.word(0, t.LongB[slot]);
    if (t.ByteD[slot])
        placement.visible = memory.word(0, t.WordA[slot]) != 0;
    return placement;
}

std::int64_t shapeKey(const SlotTables &t, int slot, const RegisterMemory &memory)
{
    const std::int64_t x = t.ByteB[slot] ? memory.word(0, t.LongA[slot]) : 0;
    const std::int64_t y = t.ByteC[slot] ? memory.word(0, t.LongB[slot]) : 0;
    const std::int64_t v = t.ByteD[slot] ? memory.word(0, t.WordA[slot]) : 0;
    return (x << 32) | (y << 16) | v;
}

std::int64_t shapeSum(const SlotTables &t, int slot, const RegisterMemory &memory)
{
    const std::int64_t key = shapeKey(t, slot, memory);
    return (key >> 32) + ((key >> 16) & 0xFFFF) + (key & 0xFFFF);
}

const QByteArray &slotText(const SlotTables &t, int slot, int languageSelect)
{
    return languageSelect == 1 ? t.TextB[slot] : t.TextA[slot];
}

QString registerRangeTip(const SlotTables &t, int slot, const RegisterMemory &memory,
                         int languageSelect)
{
    const int decimals = t.WordB[slot] & 0xFF;
    const int area = t.ByteA[slot] >> 4;
    const std::int64_t high = t.ByteD[slot] ? memory.word(area, t.LongA[slot]) : t.LongA[slot];
    return (languageSelect == 1 ? QStringLiteral("Set Range: ") : QStringLiteral("设定范围: ")) +
           FormatDecimal(QString::number(t.LongB[slot]), decimals) + QLatin1Char('~') +
           FormatDecimal(QString::number(high), decimals);
}

QString dynamicTextTip(const DecodedPage &page, int slot, int languageSelect)
{
    QString tip;
    for (int state = 0; state < page.tables.ByteA[slot]; ++state) {
        tip += QLatin1Char(' ') + QString::number(state) + QLatin1Char('.') +
               fromGbk(dynamicTextStateText(page, slot, state, languageSelect)) + QLatin1Char('\r');
    }
    return tip;
}

} // namespace brevix::sim
