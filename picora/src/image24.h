#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace brevix::picora {

// The library's private working picture: 24 bits per pixel, blue, green, red, top row first,
// rows packed without padding.
struct Image24
{
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint8_t> pixels;

    // Resizes to width x height (both checked by the caller) filled with black.
    void reset(std::int32_t newWidth, std::int32_t newHeight)
    {
        width = newWidth;
        height = newHeight;
        pixels.assign(std::size_t(newWidth) * std::size_t(newHeight) * 3, 0);
    }
    std::uint8_t *pixel(std::int32_t x, std::int32_t y)
    {
        return pixels.data() + (std::size_t(y) * std::size_t(width) + std::size_t(x)) * 3;
    }
    const std::uint8_t *pixel(std::int32_t x, std::int32_t y) const
    {
        return pixels.data() + (std::size_t(y) * std::size_t(width) + std::size_t(x)) * 3;
    }
};

// Whether a picture of this size is within the library's limits.
bool sizeAllowed(std::int64_t width, std::int64_t height);

} // namespace brevix::picora
