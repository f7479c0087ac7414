#include "compiler/imagewriter.h"

#include <algorithm>

namespace brevix {

ImageWriter::ImageWriter(qsizetype capacity) : m_capacity(capacity)
{
    m_bytes.reserve(std::min<qsizetype>(capacity, 1 << 20));
}

void ImageWriter::u8(unsigned value)
{
    if (m_size < m_capacity)
        m_bytes.append(char(value & 0xFF));
    ++m_size;
}

void ImageWriter::u16(unsigned value)
{
    u8(value);
    u8(value >> 8);
}

void ImageWriter::u32(std::uint32_t value)
{
    u16(value & 0xFFFF);
    u16(value >> 16);
}

void ImageWriter::coordinate(int value)
{
    // C++ and the panel's original tool both truncate toward zero here.
    u8(unsigned(value % 256) & 0xFF);
    u8(unsigned(value / 256) & 0xFF);
}

void ImageWriter::text(const QByteArray &bytes)
{
    const qsizetype n = std::min<qsizetype>(bytes.size(), 255);
    u8(unsigned(n));
    for (qsizetype i = 0; i < n; ++i)
        u8(static_cast<unsigned char>(bytes[i]));
}

void ImageWriter::zeros(qsizetype count)
{
    skip(count);
}

void ImageWriter::skip(qsizetype count)
{
    if (count <= 0)
        return;
    const qsizetype storable = std::max<qsizetype>(0, std::min(count, m_capacity - m_size));
    if (storable > 0)
        m_bytes.append(QByteArray(storable, '\0'));
    m_size += count;
}

void ImageWriter::setU8(qsizetype position, unsigned value)
{
    if (position >= 0 && position < m_bytes.size())
        m_bytes[position] = char(value & 0xFF);
}

void ImageWriter::setU16(qsizetype position, unsigned value)
{
    setU8(position, value);
    setU8(position + 1, value >> 8);
}

void ImageWriter::setU32(qsizetype position, std::uint32_t value)
{
    setU16(position, value & 0xFFFF);
    setU16(position + 2, value >> 16);
}

void ImageWriter::setBytes(qsizetype position, const QByteArray &bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i)
        setU8(position + i, static_cast<unsigned char>(bytes[i]));
}

unsigned ImageWriter::at(qsizetype position) const
{
    if (position < 0 || position >= m_bytes.size())
        return 0;
    return static_cast<unsigned char>(m_bytes[position]);
}

} // namespace brevix
