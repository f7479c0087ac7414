#pragma once

#include <picora.h>

#include <cstdint>
#include <vector>

// A caller's bitmap held in memory, the way a program without Qt would hand one to libpicora.
// It saves itself as BMP at a chosen depth (8-bit with a palette, 24 or 32 bits) and accepts
// only 24-bit BMPs back, recording the depth it was given.
class MemoryBitmap
{
public:
    MemoryBitmap(std::int32_t width, std::int32_t height, std::uint32_t fill = 0);
    // Builds a bitmap from rows of 0x00RRGGBB values, top row first.
    static MemoryBitmap fromRows(const std::vector<std::vector<std::uint32_t>> &rows);

    std::int32_t width() const { return m_width; }
    std::int32_t height() const { return m_height; }
    std::uint32_t at(std::int32_t x, std::int32_t y) const;
    void set(std::int32_t x, std::int32_t y, std::uint32_t rgb);
    std::vector<std::vector<std::uint32_t>> rows() const;

    int saveBitsPerPixel = 24;  // 8, 24 or 32
    int loadedBitsPerPixel = 0; // depth of the last BMP the library handed back
    int loadCount = 0;
    bool failSave = false;
    bool failLoad = false;

    // The callback table; a test may null single operations in its copy.
    PicoraBitmap bitmap();

private:
    std::vector<std::uint8_t> saveAsBmp() const;
    bool loadFromBmp(const std::uint8_t *data, std::size_t size);

    std::int32_t m_width;
    std::int32_t m_height;
    std::vector<std::uint8_t> m_bgr; // blue, green, red, top row first, packed
};
