#pragma once

#include <QString>
#include <optional>

namespace brevix::sim {

// The number rule of register texts and the keypad: v with d decimal places. -5 with d = 1 is
// "-0.5". A text that is not an integer, or d outside 0..9, comes back unchanged.
QString FormatDecimal(const QString &text, int d);

// A typed unsigned decimal text ("12.3", "12", ".5") as an integer with d decimal places:
// fractional digits beyond d are dropped, missing ones count as zeros. Nothing for a text that
// is not a number.
std::optional<long long> parseKeypadDecimal(const QString &text, int d);

} // namespace brevix::sim
