#include "elements/registerentry.h"

#include "text/numbertext.h"

#include <algorithm>

namespace brevix {

int deviceNumber(const QString &text)
{
    const auto value = parseDecimal(text.toLatin1());
    if (!value || *value < -1 || *value > 0x7FFFFFFF)
        return 0;
    return static_cast<int>(*value);
}

int deviceNumberAt(const QStringList &list, int index)
{
    return (index >= 0 && index < list.size()) ? deviceNumber(list.at(index)) : 0;
}

RegisterRadix radixForBitLimit(int bitLimit)
{
    return bitLimit == kHexadecimalDeviceBit ? RegisterRadix::Hexadecimal : RegisterRadix::Decimal;
}

bool acceptsRegisterKey(QChar key, RegisterRadix radix)
{
    const char16_t c = key.unicode();
    if (c >= u'0' && c <= u'9')
        return true;
    if (radix == RegisterRadix::Hexadecimal)
        return (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
    return false;
}

int registerFromText(const QString &text, RegisterRadix radix, int limit, int previous)
{
    const QString t = text.trimmed();
    int value = 0;
    if (!t.isEmpty()) {
        bool ok = false;
        const qlonglong parsed = t.toLongLong(&ok, radix == RegisterRadix::Hexadecimal ? 16 : 10);
        if (!ok || parsed < 0)
            value = previous;
        else
            value = static_cast<int>(std::min<qlonglong>(parsed, 0x7FFFFFFF));
    }
    return clampRegister(value, limit);
}

QString registerText(int value, RegisterRadix radix)
{
    if (radix == RegisterRadix::Hexadecimal)
        return QStringLiteral("%1").arg(value, 3, 16, QLatin1Char('0')).toUpper();
    return QString::number(value);
}

QString registerHint(int limit, RegisterRadix radix)
{
    return QStringLiteral("0 ~ ") + registerText(limit, radix);
}

int stepRegister(int value, bool up, int limit)
{
    if (up)
        return value < limit ? value + 1 : value;
    return value > 0 ? value - 1 : value;
}

int clampRegister(int value, int limit)
{
    return std::clamp(value, 0, std::max(limit, 0));
}

bool bitEditVisible(int bitLimit)
{
    return bitLimit > 0;
}

QString bitHint(int bitLimit)
{
    return QStringLiteral("0 ~ ") + QString::number(bitLimit);
}

int deviceIndexAfterRefill(int remembered, int count)
{
    if (count <= 0)
        return -1;
    if (remembered < 0 || remembered >= count)
        return count - 1;
    return remembered;
}

} // namespace brevix
