#include "imaging/qimagebitmap.h"

#include <QBuffer>
#include <cstring>

namespace brevix {

QImageBitmap::QImageBitmap(const QImage &image)
    : m_image(image), m_bitmap{this,    &saveBmp, &loadBmp,  &width,
                               &height, &setSize, &scanLine, &readRow32}
{
}

QImage QImageBitmap::image() const
{
    return m_image.convertToFormat(QImage::Format_RGB888);
}

// These are called from C code: they report failure by return value and never throw.
int QImageBitmap::saveBmp(void *context, const PicoraByteSink *sink)
{
    auto *self = static_cast<QImageBitmap *>(context);
    if (sink == nullptr || sink->write == nullptr || self->m_image.isNull())
        return 0;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!self->m_image.save(&buffer, "BMP"))
        return 0;
    return sink->write(sink->opaque, bytes.constData(), size_t(bytes.size()));
}

int QImageBitmap::loadBmp(void *context, const uint8_t *data, size_t size)
{
    auto *self = static_cast<QImageBitmap *>(context);
    QImage loaded;
    if (data == nullptr ||
        !loaded.loadFromData(reinterpret_cast<const uchar *>(data), qsizetype(size), "BMP"))
        return 0;
    self->m_image = loaded;
    self->m_rows32 = QImage();
    return 1;
}

int32_t QImageBitmap::width(void *context)
{
    return static_cast<QImageBitmap *>(context)->m_image.width();
}

int32_t QImageBitmap::height(void *context)
{
    return static_cast<QImageBitmap *>(context)->m_image.height();
}

int QImageBitmap::setSize(void *context, int32_t width, int32_t height)
{
    auto *self = static_cast<QImageBitmap *>(context);
    // Format_BGR888 keeps blue, green, red in memory order, as the row access promises.
    QImage sized(width, height, QImage::Format_BGR888);
    if (sized.isNull())
        return 0;
    self->m_image = sized;
    self->m_rows32 = QImage();
    return 1;
}

uint8_t *QImageBitmap::scanLine(void *context, int32_t y)
{
    auto *self = static_cast<QImageBitmap *>(context);
    if (self->m_image.format() != QImage::Format_BGR888 || y < 0 || y >= self->m_image.height())
        return nullptr;
    return self->m_image.scanLine(y);
}

int QImageBitmap::readRow32(void *context, int32_t y, uint8_t *dest, int32_t count)
{
    auto *self = static_cast<QImageBitmap *>(context);
    if (dest == nullptr || y < 0 || y >= self->m_image.height() || count != self->m_image.width())
        return 0;
    // Format_RGB32 on a little-endian host lies in memory as blue, green, red, unused.
    if (self->m_rows32.isNull())
        self->m_rows32 = self->m_image.convertToFormat(QImage::Format_RGB32);
    if (self->m_rows32.isNull())
        return 0;
    std::memcpy(dest, self->m_rows32.constScanLine(y), size_t(count) * 4);
    return 1;
}

} // namespace brevix
