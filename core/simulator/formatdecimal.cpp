#include "simulator/formatdecimal.h"

namespace brevix::sim {

namespace {
bool allDigits(QStringView text)
{
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}
} // namespace

QString FormatDecimal(const QString &text, int d)
{
    bool ok = false;
    const long long v = text.toLongLong(&ok);
    if (!ok)
        return text;
    if (d == 0)
        return QString::number(v);
    if (d < 1 || d > 9)
        return text;
    long long scale = 1;
    for (int i = 0; i < d; ++i)
        scale *= 10;
    const long long fraction = v % scale;
    QString result =
        QString::number(v / scale) + QLatin1Char('.') +
        QString::number(fraction < 0 ? -fraction : fraction).rightJustified(d, QLatin1Char('0'));
    // -5 / 10 is 0: the sign would be lost without this.
    if (v < 0 && !result.startsWith(QLatin1Char('-')))
        result.prepend(QLatin1Char('-'));
    return result;
}

std::optional<long long> parseKeypadDecimal(const QString &text, int d)
{
    if (d < 0 || d > 9)
        return std::nullopt;
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    QString whole = dot < 0 ? text : text.left(dot);
    QString fraction = dot < 0 ? QString() : text.mid(dot + 1);
    if ((whole.isEmpty() && fraction.isEmpty() && dot < 0) || !allDigits(whole) ||
        !allDigits(fraction))
        return std::nullopt;
    fraction = fraction.left(d).leftJustified(d, QLatin1Char('0'));
    const QString digits = whole + fraction;
    if (digits.isEmpty())
        return 0;
    bool ok = false;
    const long long value = digits.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace brevix::sim
