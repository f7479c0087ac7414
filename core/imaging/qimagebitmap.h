#pragma once

#include <picora.h>

#include <QImage>

namespace brevix {

// Presents a QImage to libpicora as a PicoraBitmap. The adapter works on its own copy of the
// image (implicitly shared, so taking it is cheap); the caller takes image() back only when the
// library reports success, so a refused transform leaves the caller's picture untouched.
class QImageBitmap
{
public:
    explicit QImageBitmap(const QImage &image);
    Q_DISABLE_COPY_MOVE(QImageBitmap)

    const PicoraBitmap *bitmap() const { return &m_bitmap; }
    // The picture after the library's work, as Format_RGB888.
    QImage image() const;

private:
    static int saveBmp(void *context, const PicoraByteSink *sink);
    static int loadBmp(void *context, const uint8_t *data, size_t size);
    static int32_t width(void *context);
    static int32_t height(void *context);
    static int setSize(void *context, int32_t width, int32_t height);
    static uint8_t *scanLine(void *context, int32_t y);
    static int readRow32(void *context, int32_t y, uint8_t *dest, int32_t count);

    QImage m_image;
    QImage m_rows32; // m_image as Format_RGB32, made on the first 32-bit row read
    PicoraBitmap m_bitmap;
};

} // namespace brevix
