#include "text/numbertext.h"

namespace brevix {

std::optional<long long> parseDecimal(const QByteArray &text)
{
    const QByteArray trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    const long long value = trimmed.toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

long long decimalOr(const QByteArray &text, long long fallback)
{
    return parseDecimal(text).value_or(fallback);
}

} // namespace brevix
