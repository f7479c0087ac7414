#include "elements/colorvalue.h"

namespace brevix {

QColor colorFromValue(std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF));
}

std::int32_t valueFromColor(const QColor &color)
{
    const QColor c = color.toRgb();
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(c.red()) |
                                     static_cast<std::uint32_t>(c.green()) << 8 |
                                     static_cast<std::uint32_t>(c.blue()) << 16);
}

} // namespace brevix
