#pragma once

#include <QByteArray>
#include <QImage>
#include <cstdint>

namespace brevix {

// The panel's pixel: the top 5, 6 and 5 bits of red, green and blue; no rounding, no dithering.
// RGB(255, 128, 64) gives 0xFC08.
constexpr std::uint16_t rgb565(int red, int green, int blue)
{
    return static_cast<std::uint16_t>((((red & 0xFF) * 32) >> 8) << 11 |
                                      (((green & 0xFF) * 64) >> 8) << 5 |
                                      (((blue & 0xFF) * 32) >> 8));
}
// A Windows colour value 0x00BBGGRR (red in the low byte) as RGB565.
constexpr std::uint16_t rgb565FromColorRef(std::uint32_t color)
{
    return rgb565(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

// Size of a picture record: 4 + 2 x width x height.
constexpr qint64 pictureRecordSize(int width, int height)
{
    return 4 + 2 * qint64(width) * qint64(height);
}
// Appends a picture record: uint16 width, uint16 height (little-endian), then every pixel as
// little-endian RGB565, rows from the top, left to right, no padding. Alpha is ignored.
void appendPictureRecord(QByteArray &out, const QImage &image);

} // namespace brevix
