#pragma once

#include <cstdint>
#include <vector>

// Writes BMP file images field by field, independently of the library, so the reader is tested
// against files whose every byte the test chose.
struct BmpLayout
{
    std::uint32_t infoSize = 40; // 12, 40, 52, 56, 108 or 124
    std::uint16_t bitsPerPixel = 24;
    std::uint16_t planes = 1;
    std::int32_t width = 1;
    std::int32_t height = 1; // stored as given; negative means top-down rows
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
    std::vector<std::uint32_t> palette; // 0x00RRGGBB per entry
    std::vector<std::uint32_t> masks;   // red, green, blue (and alpha), written where they belong
    // One raw value per pixel, top row first: palette index, 16/32-bit word, or 0x00RRGGBB.
    std::vector<std::uint32_t> values;
};

std::vector<std::uint8_t> buildBmp(const BmpLayout &layout);

inline void putLe(std::vector<std::uint8_t> &bytes, std::size_t at, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[at + i] = std::uint8_t(value >> (8 * i));
}
