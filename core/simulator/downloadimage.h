#pragma once

#include "text/message.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace brevix::sim {

// The largest image the simulator takes (the buffer the panel firmware reserves).
constexpr qsizetype kMaxImageSize = 1048580;

// The whole KX.bin held in memory, read once at start and never changed.
class DownloadImage
{
public:
    DownloadImage() = default;
    // Refuses images above kMaxImageSize; an unreadable file gives a message too.
    static Result load(const QString &path, DownloadImage &image);
    static Result fromBytes(const QByteArray &bytes, DownloadImage &image);

    const QByteArray &bytes() const { return m_bytes; }
    qsizetype size() const { return m_bytes.size(); }
    bool isEmpty() const { return m_bytes.isEmpty(); }

    // A header byte; 0 for offsets past the end of a short image.
    std::uint8_t byteAt(qsizetype offset) const;

    int panelModel() const { return byteAt(4) & 0x3F; }
    int startLanguage() const { return byteAt(6); }
    int startPage() const { return byteAt(22); }
    // The controller may command page changes: switched on by byte 32, register at 42..43.
    bool pageSwitchByRegister() const { return byteAt(32) != 0; }
    int pageSwitchRegister() const { return byteAt(42) + 256 * byteAt(43); }
    // Selector of the recomputed bit-index rule per link (bytes 12 and 59).
    int bitIndexSelector(int link) const { return byteAt(link == 0 ? 12 : 59); }

    // Offset just past the marker and page byte of the first block of page, or -1.
    qsizetype findPageBlock(int page) const;

private:
    QByteArray m_bytes;
};

} // namespace brevix::sim
