#include "geometry.h"

#include <algorithm>

namespace brevix::picora {

Image24 mirroredLeftRight(const Image24 &source)
{
    Image24 result;
    result.reset(source.width, source.height);
    for (std::int32_t y = 0; y < source.height; ++y)
        for (std::int32_t x = 0; x < source.width; ++x) {
            const std::uint8_t *from = source.pixel(source.width - 1 - x, y);
            std::copy(from, from + 3, result.pixel(x, y));
        }
    return result;
}

Image24 mirroredTopBottom(const Image24 &source)
{
    Image24 result;
    result.reset(source.width, source.height);
    const std::size_t rowBytes = std::size_t(source.width) * 3;
    for (std::int32_t y = 0; y < source.height; ++y) {
        const std::uint8_t *from = source.pixel(0, source.height - 1 - y);
        std::copy(from, from + rowBytes, result.pixel(0, y));
    }
    return result;
}

void invertColors(Image24 &image)
{
    for (std::uint8_t &byte : image.pixels)
        byte = std::uint8_t(255 - byte);
}

void thinColors(Image24 &image, std::uint32_t foreColor, std::uint32_t backColor)
{
    // Pixels hold blue, green, red; Windows colours keep red in the low byte.
    const std::uint8_t fore[3] = {std::uint8_t(foreColor >> 16), std::uint8_t(foreColor >> 8),
                                  std::uint8_t(foreColor)};
    const std::uint8_t back[3] = {std::uint8_t(backColor >> 16), std::uint8_t(backColor >> 8),
                                  std::uint8_t(backColor)};
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const std::size_t channel = i % 3;
        if (image.pixels[i] != back[channel])
            image.pixels[i] = fore[channel];
    }
}

} // namespace brevix::picora
