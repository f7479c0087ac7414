#include "elements/styleword.h"

#include <algorithm>
#include <array>

namespace brevix {

StyleWord unpackStyleWord(std::uint16_t word)
{
    return {(word >> 12) & 0xF, (word >> 8) & 0xF, (word >> 4) & 0xF, word & 0xF};
}

std::uint16_t packStyleWord(const StyleWord &style)
{
    const auto part = [](int v) { return static_cast<unsigned>(std::clamp(v, 0, 15)); };
    return static_cast<std::uint16_t>(part(style.border) << 12 | part(style.font) << 8 |
                                      part(style.alignment) << 4 | part(style.level));
}

std::uint16_t packFontAndAlignment(int font, int alignment)
{
    return packStyleWord({0, font, alignment, 0});
}

QSize fontCellSize(int font)
{
    static constexpr std::array<int, kFontCount> widths{8, 12, 17, 24, 32, 40, 48, 56};
    static constexpr std::array<int, kFontCount> heights{16, 24, 32, 48, 64, 80, 96, 112};
    const auto n = static_cast<size_t>(std::clamp(font, 0, kFontCount - 1));
    return {widths[n], heights[n]};
}

int comboIndexFor(int value, int count)
{
    return (value >= 0 && value < count) ? value : -1;
}

} // namespace brevix
