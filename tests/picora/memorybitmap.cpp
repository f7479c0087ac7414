#include "memorybitmap.h"

#include "bmpbuilder.h"

#include <algorithm>
#include <cstring>

MemoryBitmap::MemoryBitmap(std::int32_t width, std::int32_t height, std::uint32_t fill)
    : m_width(width), m_height(height), m_bgr(std::size_t(width) * std::size_t(height) * 3)
{
    for (std::int32_t y = 0; y < height; ++y)
        for (std::int32_t x = 0; x < width; ++x)
            set(x, y, fill);
}

MemoryBitmap MemoryBitmap::fromRows(const std::vector<std::vector<std::uint32_t>> &rows)
{
    MemoryBitmap bitmap(std::int32_t(rows.front().size()), std::int32_t(rows.size()));
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x)
            bitmap.set(std::int32_t(x), std::int32_t(y), rows[y][x]);
    return bitmap;
}

std::uint32_t MemoryBitmap::at(std::int32_t x, std::int32_t y) const
{
    const std::uint8_t *p = m_bgr.data() + (std::size_t(y) * m_width + x) * 3;
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16);
}

void MemoryBitmap::set(std::int32_t x, std::int32_t y, std::uint32_t rgb)
{
    std::uint8_t *p = m_bgr.data() + (std::size_t(y) * m_width + x) * 3;
    p[0] = std::uint8_t(rgb);
    p[1] = std::uint8_t(rgb >> 8);
    p[2] = std::uint8_t(rgb >> 16);
}

std::vector<std::vector<std::uint32_t>> MemoryBitmap::rows() const
{
    std::vector<std::vector<std::uint32_t>> result(static_cast<std::size_t>(m_height));
    for (std::int32_t y = 0; y < m_height; ++y)
        for (std::int32_t x = 0; x < m_width; ++x)
            result[std::size_t(y)].push_back(at(x, y));
    return result;
}

std::vector<std::uint8_t> MemoryBitmap::saveAsBmp() const
{
    BmpLayout layout;
    layout.width = m_width;
    layout.height = m_height;
    layout.bitsPerPixel = std::uint16_t(saveBitsPerPixel);
    for (std::int32_t y = 0; y < m_height; ++y)
        for (std::int32_t x = 0; x < m_width; ++x) {
            const std::uint32_t rgb = at(x, y);
            if (saveBitsPerPixel != 8) {
                layout.values.push_back(rgb);
                continue;
            }
            auto found = std::find(layout.palette.begin(), layout.palette.end(), rgb);
            if (found == layout.palette.end())
                found = layout.palette.insert(layout.palette.end(), rgb);
            layout.values.push_back(std::uint32_t(found - layout.palette.begin()));
        }
    return buildBmp(layout);
}

bool MemoryBitmap::loadFromBmp(const std::uint8_t *data, std::size_t size)
{
    auto u32 = [&](std::size_t at) {
        return std::uint32_t(data[at]) | (std::uint32_t(data[at + 1]) << 8) |
               (std::uint32_t(data[at + 2]) << 16) | (std::uint32_t(data[at + 3]) << 24);
    };
    if (size < 54 || data[0] != 'B' || data[1] != 'M' || u32(14) != 40)
        return false;
    loadedBitsPerPixel = data[28] | (data[29] << 8);
    const auto width = std::int32_t(u32(18));
    const auto height = std::int32_t(u32(22));
    const std::size_t stride = (std::size_t(width) * 3 + 3) & ~std::size_t(3);
    if (loadedBitsPerPixel != 24 || width <= 0 || height <= 0 ||
        size < u32(10) + stride * std::size_t(height))
        return false;
    m_width = width;
    m_height = height;
    m_bgr.resize(std::size_t(width) * height * 3);
    for (std::int32_t y = 0; y < height; ++y)
        std::memcpy(m_bgr.data() + std::size_t(y) * width * 3,
                    data + u32(10) + std::size_t(height - 1 - y) * stride, std::size_t(width) * 3);
    return true;
}

PicoraBitmap MemoryBitmap::bitmap()
{
    PicoraBitmap table{};
    table.context = this;
    table.saveBmp = [](void *context, const PicoraByteSink *sink) {
        auto *self = static_cast<MemoryBitmap *>(context);
        if (self->failSave)
            return 0;
        const std::vector<std::uint8_t> bmp = self->saveAsBmp();
        // Two writes, as a stream-based writer would make them.
        const std::size_t half = bmp.size() / 2;
        return sink->write(sink->opaque, bmp.data(), half) &&
                       sink->write(sink->opaque, bmp.data() + half, bmp.size() - half)
                   ? 1
                   : 0;
    };
    table.loadBmp = [](void *context, const std::uint8_t *data, std::size_t size) {
        auto *self = static_cast<MemoryBitmap *>(context);
        ++self->loadCount;
        return !self->failLoad && self->loadFromBmp(data, size) ? 1 : 0;
    };
    table.width = [](void *context) { return static_cast<MemoryBitmap *>(context)->m_width; };
    table.height = [](void *context) { return static_cast<MemoryBitmap *>(context)->m_height; };
    table.setSize = [](void *context, std::int32_t width, std::int32_t height) {
        auto *self = static_cast<MemoryBitmap *>(context);
        self->m_width = width;
        self->m_height = height;
        self->m_bgr.assign(std::size_t(width) * height * 3, 0xEE);
        return 1;
    };
    table.scanLine = [](void *context, std::int32_t y) -> std::uint8_t * {
        auto *self = static_cast<MemoryBitmap *>(context);
        if (y < 0 || y >= self->m_height)
            return nullptr;
        return self->m_bgr.data() + std::size_t(y) * self->m_width * 3;
    };
    table.readRow32 = [](void *context, std::int32_t y, std::uint8_t *dest, std::int32_t count) {
        auto *self = static_cast<MemoryBitmap *>(context);
        if (y < 0 || y >= self->m_height || count != self->m_width)
            return 0;
        for (std::int32_t x = 0; x < count; ++x) {
            const std::uint32_t rgb = self->at(x, y);
            dest[x * 4] = std::uint8_t(rgb);
            dest[x * 4 + 1] = std::uint8_t(rgb >> 8);
            dest[x * 4 + 2] = std::uint8_t(rgb >> 16);
            dest[x * 4 + 3] = 0xAA;
        }
        return 1;
    };
    return table;
}
