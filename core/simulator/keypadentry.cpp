#include "simulator/keypadentry.h"

#include "simulator/formatdecimal.h"
#include "simulator/pagetables.h"

namespace brevix::sim {

KeypadTarget keypadTargetOf(const SlotTables &t, int slot, const RegisterMemory &memory)
{
    KeypadTarget target;
    target.area = t.ByteA[slot] >> 4;
    target.is32 = (t.ByteA[slot] & 0x0F) == 1;
    target.address = t.WordA[slot];
    target.decimals = t.WordB[slot] & 0xFF;
    target.isSigned = t.ByteC[slot] != 0;
    target.signed16 = target.isSigned && t.ByteA[slot] == 0;
    target.low = t.LongB[slot];
    target.high = t.ByteD[slot] ? memory.word(target.area, t.LongA[slot]) : t.LongA[slot];
    return target;
}

void KeypadEntry::show(const KeypadTarget &target, const RegisterMemory &memory)
{
    m_target = target;
    m_fresh = true;
    long long value = 0;
    if (target.is32)
        value = static_cast<std::int32_t>(memory.word32(target.area, target.address));
    else if (target.signed16)
        value = static_cast<std::int16_t>(memory.word(target.area, target.address));
    else
        value = memory.word(target.area, target.address);
    m_display = FormatDecimal(QString::number(value), target.decimals);
}

QString KeypadEntry::rangeText() const
{
    return FormatDecimal(QString::number(m_target.low), m_target.decimals) + QLatin1Char('~') +
           FormatDecimal(QString::number(m_target.high), m_target.decimals);
}

void KeypadEntry::takeFresh()
{
    if (m_fresh)
        m_display.clear();
    m_fresh = false;
}

void KeypadEntry::pressDigit(int digit)
{
    takeFresh();
    if (m_display.size() < kKeypadDigitLimit)
        m_display += QChar(u'0' + digit);
}

void KeypadEntry::pressDot()
{
    if (!dotEnabled())
        return;
    takeFresh();
    if (m_display.contains(QLatin1Char('.')) || m_display.size() >= 10)
        return;
    m_display = m_display.isEmpty() ? QStringLiteral("0.") : m_display + QLatin1Char('.');
}

void KeypadEntry::pressMinus()
{
    if (!minusEnabled())
        return;
    takeFresh();
    if (m_display.isEmpty())
        m_display = QStringLiteral("-");
}

void KeypadEntry::pressDelete()
{
    m_fresh = false;
    m_display.chop(1);
}

void KeypadEntry::pressClear()
{
    m_fresh = false;
    m_display.clear();
}

KeypadEntry::Outcome KeypadEntry::accept(RegisterMemory &memory)
{
    QString text = m_display;
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative)
        text.remove(0, 1);
    const std::optional<long long> parsed =
        parseKeypadDecimal(text, dotEnabled() ? m_target.decimals : 0);
    if (!parsed) {
        m_display.clear();
        return Outcome::NotANumber;
    }
    const long long value = negative ? -*parsed : *parsed;
    if (value > m_target.high || value < m_target.low) {
        m_display.clear();
        return Outcome::OutOfRange;
    }
    const auto bitsOf = static_cast<std::uint32_t>(value);
    memory.setWord(m_target.area, m_target.address, static_cast<std::uint16_t>(bitsOf & 0xFFFF));
    if (m_target.is32)
        memory.setWord(m_target.area, m_target.address + 1LL,
                       static_cast<std::uint16_t>(bitsOf >> 16));
    return Outcome::Written;
}

Message KeypadEntry::outcomeMessage(Outcome outcome)
{
    switch (outcome) {
    case Outcome::OutOfRange:
        return {QStringLiteral("输入不在范围内 ！"), QStringLiteral("The value is out of range!")};
    case Outcome::NotANumber:
        return {QStringLiteral("设定值超限 ！"), QStringLiteral("The value cannot be set!")};
    case Outcome::Written:
        break;
    }
    return {};
}

} // namespace brevix::sim
