#include "bmpbuilder.h"

#include <cstdlib>

std::vector<std::uint8_t> buildBmp(const BmpLayout &layout)
{
    const bool core = layout.infoSize == 12;
    const std::size_t entrySize = core ? 3 : 4;
    const bool masksAfterInfo = layout.infoSize == 40 && !layout.masks.empty();
    const std::size_t pixelOffset = 14 + layout.infoSize +
                                    (masksAfterInfo ? layout.masks.size() * 4 : 0) +
                                    layout.palette.size() * entrySize;
    const std::uint32_t width = std::uint32_t(std::abs(layout.width));
    const std::uint32_t rows = std::uint32_t(std::abs(layout.height));
    const std::size_t stride = ((std::size_t(width) * layout.bitsPerPixel + 31) / 32) * 4;
    std::vector<std::uint8_t> bytes(pixelOffset + stride * rows, 0);

    bytes[0] = 'B';
    bytes[1] = 'M';
    putLe(bytes, 2, std::uint32_t(bytes.size()), 4);
    putLe(bytes, 10, std::uint32_t(pixelOffset), 4);
    putLe(bytes, 14, layout.infoSize, 4);
    if (core) {
        putLe(bytes, 18, std::uint32_t(layout.width), 2);
        putLe(bytes, 20, std::uint32_t(layout.height), 2);
        putLe(bytes, 22, layout.planes, 2);
        putLe(bytes, 24, layout.bitsPerPixel, 2);
    } else {
        putLe(bytes, 18, std::uint32_t(layout.width), 4);
        putLe(bytes, 22, std::uint32_t(layout.height), 4);
        putLe(bytes, 26, layout.planes, 2);
        putLe(bytes, 28, layout.bitsPerPixel, 2);
        putLe(bytes, 30, layout.compression, 4);
        putLe(bytes, 46, layout.colorsUsed, 4);
        for (std::size_t i = 0; i < layout.masks.size(); ++i)
            putLe(bytes, 54 + i * 4, layout.masks[i], 4);
    }
    std::size_t at = 14 + layout.infoSize + (masksAfterInfo ? layout.masks.size() * 4 : 0);
    for (const std::uint32_t color : layout.palette) {
        putLe(bytes, at, color, 3); // blue, green, red
        at += entrySize;
    }
    for (std::uint32_t y = 0; y < rows && !layout.values.empty(); ++y) {
        const std::uint32_t fileRow = layout.height < 0 ? y : rows - 1 - y;
        const std::size_t rowStart = pixelOffset + fileRow * stride;
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::uint32_t value = layout.values[std::size_t(y) * width + x];
            const std::size_t bit = std::size_t(x) * layout.bitsPerPixel;
            if (layout.bitsPerPixel < 8)
                bytes[rowStart + bit / 8] |=
                    std::uint8_t(value << (8 - layout.bitsPerPixel - bit % 8));
            else
                putLe(bytes, rowStart + bit / 8, value, layout.bitsPerPixel / 8);
        }
    }
    return bytes;
}
