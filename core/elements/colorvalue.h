#pragma once

#include <QColor>
#include <cstdint>

namespace brevix {

// Colours are kept as Windows colour values 0x00BBGGRR (red in the low byte).
QColor colorFromValue(std::int32_t value);
std::int32_t valueFromColor(const QColor &color);

} // namespace brevix
