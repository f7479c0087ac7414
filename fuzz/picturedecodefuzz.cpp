// Feeds arbitrary bytes, as a library row's Pic, through decoding and both conversion passes.
#include "pictures/pictureconversion.h"

#include <QImageReader>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const bool limited = [] {
        QImageReader::setAllocationLimit(64); // megabytes: keeps each run small
        return true;
    }();
    (void)limited;
    if (size == 0)
        return 0;
    // The first byte picks the extension and the picture number.
    const std::uint8_t pick = data[0];
    brevix::PictureRow row;
    row.ID = pick & 0x80 ? 51 + (pick & 0x1F) : pick & 0x3F;
    row.Ext = pick & 0x40 ? QStringLiteral(".jpg") : QStringLiteral(".bmp");
    row.Pic = QByteArray(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const brevix::PictureRows rows{row};
    const auto download = brevix::BmpToArray(rows, brevix::PicturePass::Download);
    const auto spi = brevix::BmpToArray(rows, brevix::PicturePass::Spi);
    if (download.bytes.isEmpty() ||
        (!spi.spiLimitExceeded && spi.bytes.size() < brevix::kSpiRecordsStart))
        __builtin_trap();
    return 0;
}
