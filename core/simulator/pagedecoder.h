#pragma once

#include "simulator/downloadimage.h"
#include "simulator/pagetables.h"

#include <cstdint>

namespace brevix::sim {

// Little-endian reads that never pass the end of the image; a read that would sets failed().
class ImageReader
{
public:
    ImageReader(const QByteArray &bytes, qsizetype position) : m_bytes(bytes), m_position(position)
    {
    }
    // The next n bytes (1, 2 or 4), first byte lowest; 0 once the end is passed.
    std::uint32_t ReadLE(int n);
    // A length byte and that many bytes, cut to width bytes.
    QByteArray readCountedText(int width);
    void skip(int n) { ReadLE(n); }
    bool failed() const { return m_failed; }
    qsizetype position() const { return m_position; }

private:
    const QByteArray &m_bytes;
    qsizetype m_position;
    bool m_failed = false;
};

// RGB565 back to a Windows colour; the low bits of each channel stay zero.
std::uint32_t Rgb565ToColor(std::uint16_t value);

// Unpacks the first block of page into page. False when the image holds no block for it
// (page is untouched then). A block that is cut short, holds an unknown type code, a state
// count above its slot's list stride, or more records than slots stops cleanly: what was
// decoded stays and stopReason says why.
bool DecodePage(const DownloadImage &image, int pageNumber, DecodedPage &page);

} // namespace brevix::sim
