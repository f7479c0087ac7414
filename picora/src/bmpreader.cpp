// Bounded BMP reader: every offset and size is checked against the buffer before it is used,
// and the pixel array must be complete before anything is allocated for it.
#include "bmpcodec.h"
#include "picora.h"

#include <algorithm>
#include <array>
#include <bit>

namespace brevix::picora {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kCompressionRgb = 0;
constexpr std::uint32_t kCompressionBitFields = 3;
constexpr std::uint32_t kCompressionAlphaBitFields = 6;

std::uint16_t readU16(const std::uint8_t *p)
{
    return std::uint16_t(p[0] | (p[1] << 8));
}

std::uint32_t readU32(const std::uint8_t *p)
{
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}

// One colour channel held in a bit-field mask of a 16- or 32-bit pixel.
struct Channel
{
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    std::uint8_t extract(std::uint32_t value) const
    {
        if (bits == 0)
            return 0;
        const std::uint32_t raw = (value & mask) >> shift;
        if (bits >= 8)
            return std::uint8_t(raw >> (bits - 8));
        const std::uint32_t top = (1u << bits) - 1;
        return std::uint8_t((raw * 255 + top / 2) / top);
    }
};

// Masks must be one run of set bits inside the pixel; anything else is a broken file.
bool makeChannel(std::uint32_t mask, int bitsPerPixel, Channel &channel)
{
    channel = {};
    if (mask == 0)
        return true;
    if (bitsPerPixel < 32 && (mask >> bitsPerPixel) != 0)
        return false;
    const int shift = std::countr_zero(mask);
    const std::uint32_t run = mask >> shift;
    if ((run & (run + 1)) != 0)
        return false;
    channel = {mask, shift, std::popcount(run)};
    return true;
}

struct Header
{
    std::int64_t width = 0;
    std::int64_t height = 0;
    bool topDown = false;
    int bitsPerPixel = 0;
    std::uint32_t compression = kCompressionRgb;
    std::uint32_t paletteCount = 0;
    int paletteEntrySize = 4;
    std::size_t paletteOffset = 0;
    std::array<std::uint32_t, 3> masks{}; // red, green, blue
    bool hasMasks = false;
};

int readHeader(const std::uint8_t *data, std::size_t size, Header &header)
{
    if (size < kFileHeaderSize + 12 || data[0] != 'B' || data[1] != 'M')
        return PICORA_ERROR_BAD_BMP;
    const std::uint32_t infoSize = readU32(data + kFileHeaderSize);
    const std::uint8_t *info = data + kFileHeaderSize;
    if (infoSize == 12) {
        header.width = readU16(info + 4);
        header.height = readU16(info + 6);
        if (readU16(info + 8) != 1)
            return PICORA_ERROR_BAD_BMP;
        header.bitsPerPixel = readU16(info + 10);
        header.paletteEntrySize = 3;
    } else if (infoSize == 40 || infoSize == 52 || infoSize == 56 || infoSize == 108 ||
               infoSize == 124) {
        if (size < kFileHeaderSize + infoSize)
            return PICORA_ERROR_BAD_BMP;
        header.width = std::int32_t(readU32(info + 4));
        header.height = std::int32_t(readU32(info + 8));
        if (readU16(info + 12) != 1)
            return PICORA_ERROR_BAD_BMP;
        header.bitsPerPixel = readU16(info + 14);
        header.compression = readU32(info + 16);
        header.paletteCount = readU32(info + 32);
    } else {
        return PICORA_ERROR_BAD_BMP;
    }
    if (header.height < 0) {
        header.topDown = true;
        header.height = -header.height;
    }
    if (header.width <= 0 || header.height <= 0)
        return PICORA_ERROR_BAD_BMP;

    std::size_t afterInfo = kFileHeaderSize + infoSize;
    const bool bitFields = header.compression == kCompressionBitFields ||
                           header.compression == kCompressionAlphaBitFields;
    if (header.compression != kCompressionRgb && !bitFields)
        return PICORA_ERROR_BAD_BMP; // RLE, JPEG and PNG payloads are not accepted
    if (bitFields) {
        if (header.bitsPerPixel != 16 && header.bitsPerPixel != 32)
            return PICORA_ERROR_BAD_BMP;
        const std::uint8_t *maskAt = info + 40;
        if (infoSize == 40) {
            // The masks follow the short header; the alpha variant adds a fourth.
            const std::size_t maskBytes =
                header.compression == kCompressionAlphaBitFields ? 16 : 12;
            if (size < afterInfo + maskBytes)
                return PICORA_ERROR_BAD_BMP;
            afterInfo += maskBytes;
        }
        header.masks = {readU32(maskAt), readU32(maskAt + 4), readU32(maskAt + 8)};
        header.hasMasks = true;
    }

    switch (header.bitsPerPixel) {
    case 1:
    case 4:
    case 8: {
        const std::uint32_t full = 1u << header.bitsPerPixel;
        // Writers that claim more colours than the depth can index still only use the first ones.
        if (header.paletteCount == 0 || header.paletteCount > full)
            header.paletteCount = full;
        break;
    }
    case 16:
    case 24:
    case 32:
        header.paletteCount = 0;
        break;
    default:
        return PICORA_ERROR_BAD_BMP;
    }
    header.paletteOffset = afterInfo;
    // Many writers store fewer entries than the depth allows without saying so in the header;
    // the pixel array's offset then tells where the palette really ends.
    const std::uint32_t pixelOffset = readU32(data + 10);
    if (pixelOffset >= afterInfo)
        header.paletteCount = std::min<std::uint32_t>(
            header.paletteCount, (pixelOffset - afterInfo) / header.paletteEntrySize);
    const std::size_t paletteBytes = std::size_t(header.paletteCount) * header.paletteEntrySize;
    if (size < afterInfo + paletteBytes)
        return PICORA_ERROR_BAD_BMP;
    return PICORA_OK;
}

} // namespace

bool sizeAllowed(std::int64_t width, std::int64_t height)
{
    return width > 0 && height > 0 && width <= PICORA_MAX_SIDE && height <= PICORA_MAX_SIDE &&
           width * height <= PICORA_MAX_PIXELS;
}

int decodeBmp(const std::uint8_t *data, std::size_t size, Image24 &image)
{
    if (data == nullptr)
        return PICORA_ERROR_BAD_BMP;
    Header header;
    if (const int status = readHeader(data, size, header); status != PICORA_OK)
        return status;
    if (!sizeAllowed(header.width, header.height))
        return PICORA_ERROR_TOO_LARGE;

    const std::uint32_t pixelOffset = readU32(data + 10);
    const std::uint64_t stride =
        ((std::uint64_t(header.width) * header.bitsPerPixel + 31) / 32) * 4;
    const std::uint64_t pixelBytes = stride * std::uint64_t(header.height);
    if (pixelOffset < kFileHeaderSize || pixelOffset > size || size - pixelOffset < pixelBytes)
        return PICORA_ERROR_BAD_BMP;

    std::array<std::uint8_t, 256 * 3> palette{}; // blue, green, red; unused entries are black
    for (std::uint32_t i = 0; i < header.paletteCount; ++i) {
        const std::uint8_t *entry = data + header.paletteOffset + i * header.paletteEntrySize;
        palette[i * 3] = entry[0];
        palette[i * 3 + 1] = entry[1];
        palette[i * 3 + 2] = entry[2];
    }
    std::array<Channel, 3> channels{}; // red, green, blue
    if (header.bitsPerPixel == 16 || header.bitsPerPixel == 32) {
        std::array<std::uint32_t, 3> masks = header.masks;
        if (!header.hasMasks)
            masks = header.bitsPerPixel == 16
                        ? std::array<std::uint32_t, 3>{0x7C00, 0x03E0, 0x001F}
                        : std::array<std::uint32_t, 3>{0xFF0000, 0x00FF00, 0x0000FF};
        for (int c = 0; c < 3; ++c)
            if (!makeChannel(masks[c], header.bitsPerPixel, channels[c]))
                return PICORA_ERROR_BAD_BMP;
    }

    const auto width = std::int32_t(header.width);
    const auto height = std::int32_t(header.height);
    image.reset(width, height);
    for (std::int32_t y = 0; y < height; ++y) {
        const std::int32_t fileRow = header.topDown ? y : height - 1 - y;
        const std::uint8_t *row = data + pixelOffset + std::uint64_t(fileRow) * stride;
        std::uint8_t *out = image.pixel(0, y);
        for (std::int32_t x = 0; x < width; ++x, out += 3) {
            switch (header.bitsPerPixel) {
            case 1:
            case 4:
            case 8: {
                const int bits = header.bitsPerPixel;
                const std::uint64_t bitPos = std::uint64_t(x) * bits;
                const int shift = 8 - bits - int(bitPos % 8);
                const unsigned index = (row[bitPos / 8] >> shift) & ((1u << bits) - 1);
                out[0] = palette[index * 3];
                out[1] = palette[index * 3 + 1];
                out[2] = palette[index * 3 + 2];
                break;
            }
            case 24:
                out[0] = row[x * 3];
                out[1] = row[x * 3 + 1];
                out[2] = row[x * 3 + 2];
                break;
            default: {
                const std::uint32_t value = header.bitsPerPixel == 16
                                                ? readU16(row + std::size_t(x) * 2)
                                                : readU32(row + std::size_t(x) * 4);
                out[0] = channels[2].extract(value);
                out[1] = channels[1].extract(value);
                out[2] = channels[0].extract(value);
                break;
            }
            }
        }
    }
    return PICORA_OK;
}

} // namespace brevix::picora
