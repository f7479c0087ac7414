#pragma once

#include <QByteArray>
#include <optional>

namespace brevix {

// Decimal number kept as text in a record (no sign or padding is written, but surrounding
// blanks and a sign are accepted as the original reader did). Empty or not a number gives nothing.
std::optional<long long> parseDecimal(const QByteArray &text);

// parseDecimal with the fallback that each page-header entry states.
long long decimalOr(const QByteArray &text, long long fallback);

} // namespace brevix
