#pragma once

#include <QByteArray>
#include <cstdint>

namespace brevix {

// Little-endian writer for the download images. It stores bytes only up to its capacity and
// goes on counting beyond it, so a build can report how large an oversized image would be
// without ever holding (or overrunning) more than the limit.
class ImageWriter
{
public:
    explicit ImageWriter(qsizetype capacity);

    qsizetype size() const { return m_size; }
    qsizetype capacity() const { return m_capacity; }
    bool overflowed() const { return m_size > m_capacity; }

    void u8(unsigned value);
    void u16(unsigned value);
    void u32(std::uint32_t value);
    // A page coordinate: low byte v mod 256, high byte v div 256 with truncating division, as
    // the panel has always read them (plain little-endian for v >= 0).
    void coordinate(int value);
    // Length byte and the bytes as held.
    void text(const QByteArray &bytes);
    void zeros(qsizetype count);
    // Counts bytes without storing them (pixels of a picture that cannot fit anyway).
    void skip(qsizetype count);

    void setU8(qsizetype position, unsigned value);
    void setU16(qsizetype position, unsigned value);
    void setU32(qsizetype position, std::uint32_t value);
    void setBytes(qsizetype position, const QByteArray &bytes);
    unsigned at(qsizetype position) const;

    // The stored bytes: the whole image when it did not overflow.
    const QByteArray &bytes() const { return m_bytes; }

private:
    qsizetype m_capacity;
    qsizetype m_size = 0;
    QByteArray m_bytes;
};

} // namespace brevix
