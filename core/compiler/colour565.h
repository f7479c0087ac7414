#pragma once

#include <cstdint>

namespace brevix {

// A Windows colour (red in bits 0..7, green 8..15, blue 16..23) as the panel's 16-bit colour:
// the top 5, 6 and 5 bits, no rounding.
constexpr std::uint16_t windowsColorTo565(std::int32_t colour)
{
    const auto c = static_cast<std::uint32_t>(colour);
    const std::uint32_t r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
    return static_cast<std::uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

static_assert(windowsColorTo565(0x004080FF) == 0xFC08); // RGB(255, 128, 64)
static_assert(windowsColorTo565(0x00FFFFFF) == 0xFFFF);

} // namespace brevix
