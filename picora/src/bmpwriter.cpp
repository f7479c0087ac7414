#include "bmpcodec.h"

#include <algorithm>

namespace brevix::picora {
namespace {

void putU16(std::uint8_t *p, std::uint32_t value)
{
    p[0] = std::uint8_t(value);
    p[1] = std::uint8_t(value >> 8);
}

void putU32(std::uint8_t *p, std::uint32_t value)
{
    putU16(p, value);
    putU16(p + 2, value >> 16);
}

} // namespace

std::vector<std::uint8_t> encodeBmp24(const Image24 &image)
{
    constexpr std::uint32_t headersSize = 14 + 40;
    constexpr std::uint32_t pixelsPerMetre = 3780; // 96 dpi, what the desktop assumes
    const std::size_t rowBytes = std::size_t(image.width) * 3;
    const std::size_t stride = (rowBytes + 3) & ~std::size_t(3);
    const std::size_t pixelBytes = stride * std::size_t(image.height);
    std::vector<std::uint8_t> bmp(headersSize + pixelBytes, 0);
    std::uint8_t *p = bmp.data();
    p[0] = 'B';
    p[1] = 'M';
    putU32(p + 2, std::uint32_t(bmp.size()));
    putU32(p + 10, headersSize);
    putU32(p + 14, 40);
    putU32(p + 18, std::uint32_t(image.width));
    putU32(p + 22, std::uint32_t(image.height));
    putU16(p + 26, 1);
    putU16(p + 28, 24);
    putU32(p + 34, std::uint32_t(pixelBytes));
    putU32(p + 38, pixelsPerMetre);
    putU32(p + 42, pixelsPerMetre);
    for (std::int32_t y = 0; y < image.height; ++y) {
        const std::uint8_t *source = image.pixel(0, y);
        std::uint8_t *target = p + headersSize + std::size_t(image.height - 1 - y) * stride;
        std::copy(source, source + rowBytes, target);
    }
    return bmp;
}

} // namespace brevix::picora
