#include "pictures/rgb565.h"

namespace brevix {

void appendPictureRecord(QByteArray &out, const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    const qsizetype start = out.size();
    out.resize(start + qsizetype(pictureRecordSize(width, height)));
    auto *at = reinterpret_cast<unsigned char *>(out.data() + start);
    *at++ = static_cast<unsigned char>(width & 0xFF);
    *at++ = static_cast<unsigned char>((width >> 8) & 0xFF);
    *at++ = static_cast<unsigned char>(height & 0xFF);
    *at++ = static_cast<unsigned char>((height >> 8) & 0xFF);
    for (int y = 0; y < height; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const std::uint16_t pixel = rgb565(qRed(line[x]), qGreen(line[x]), qBlue(line[x]));
            *at++ = static_cast<unsigned char>(pixel & 0xFF);
            *at++ = static_cast<unsigned char>(pixel >> 8);
        }
    }
}

} // namespace brevix
