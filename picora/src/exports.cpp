// The C entry points. Each one checks the bitmap it is given, works on private copies, and turns
// every failure (including an exception from the standard library) into a status code, because
// nothing may unwind into a C caller.
#include "picora.h"

#include "callerbitmap.h"
#include "geometry.h"
#include "gradient.h"

#include <algorithm>
#include <new>
#include <vector>

using namespace brevix::picora;

namespace {

thread_local int lastStatus = PICORA_OK;

template <typename Work> int guarded(Work work)
{
    int status = PICORA_ERROR_INTERNAL;
    try {
        status = work();
    } catch (const std::bad_alloc &) {
        status = PICORA_ERROR_NO_MEMORY;
    } catch (...) {
        status = PICORA_ERROR_INTERNAL;
    }
    lastStatus = status;
    return status;
}

bool canCopy(const PicoraBitmap *bitmap)
{
    return bitmap != nullptr && bitmap->saveBmp != nullptr && bitmap->loadBmp != nullptr;
}

// The frame shared by the pixel transforms: copy in, transform, copy back.
template <typename Transform> int transformCopy(const PicoraBitmap *bitmap, Transform transform)
{
    return guarded([&] {
        if (!canCopy(bitmap))
            return PICORA_ERROR_NULL_BITMAP;
        Image24 image;
        if (const int status = copyFromCaller(*bitmap, image); status != PICORA_OK)
            return status;
        transform(image);
        return copyToCaller(*bitmap, image);
    });
}

int rotateClockwise(const PicoraBitmap *bitmap)
{
    if (bitmap == nullptr || bitmap->width == nullptr || bitmap->height == nullptr ||
        bitmap->setSize == nullptr || bitmap->scanLine == nullptr || bitmap->readRow32 == nullptr)
        return PICORA_ERROR_NULL_BITMAP;
    void *context = bitmap->context;
    const std::int32_t width = bitmap->width(context);
    const std::int32_t height = bitmap->height(context);
    if (width <= 0 || height <= 0)
        return PICORA_ERROR_BAD_ARGUMENT;
    if (!sizeAllowed(width, height))
        return PICORA_ERROR_TOO_LARGE;

    // All pixels are fetched before the bitmap is resized, so a failed fetch changes nothing.
    const std::size_t rowBytes = std::size_t(width) * 4;
    std::vector<std::uint8_t> bits(rowBytes * std::size_t(height));
    for (std::int32_t y = 0; y < height; ++y)
        if (bitmap->readRow32(context, y, bits.data() + std::size_t(y) * rowBytes, width) == 0)
            return PICORA_ERROR_ROW_ACCESS;

    if (bitmap->setSize(context, height, width) == 0)
        return PICORA_ERROR_ROW_ACCESS;
    // Old pixel (x, y) becomes new pixel (height - 1 - y, x): new row x is old column x.
    for (std::int32_t x = 0; x < width; ++x) {
        std::uint8_t *row = bitmap->scanLine(context, x);
        if (row == nullptr)
            return PICORA_ERROR_ROW_ACCESS;
        for (std::int32_t y = 0; y < height; ++y) {
            const std::uint8_t *from = bits.data() + std::size_t(y) * rowBytes + std::size_t(x) * 4;
            std::uint8_t *to = row + std::size_t(height - 1 - y) * 3;
            to[0] = from[0];
            to[1] = from[1];
            to[2] = from[2];
        }
    }
    return PICORA_OK;
}

int gradientFill(const PicoraBitmap *target, std::int32_t style, std::uint32_t colorA,
                 std::uint32_t colorB, std::int64_t x1, std::int64_t y1, std::int64_t x2,
                 std::int64_t y2)
{
    if (!canCopy(target))
        return PICORA_ERROR_NULL_BITMAP;
    const std::int64_t width = x2 - x1;
    const std::int64_t height = y2 - y1;
    if (style < kFirstGradientStyle || style > kLastGradientStyle || width <= 0 || height <= 0)
        return PICORA_ERROR_BAD_ARGUMENT;
    if (!sizeAllowed(width, height))
        return PICORA_ERROR_TOO_LARGE;

    Image24 canvas;
    if (const int status = copyFromCaller(*target, canvas); status != PICORA_OK)
        return status;
    Image24 gradient;
    gradient.reset(std::int32_t(width), std::int32_t(height));
    paintGradient(gradient, style, colorA, colorB);

    // A plain copy of the whole gradient at (x1, y1), clipped to the target.
    for (std::int64_t y = std::max<std::int64_t>(0, y1);
         y < std::min<std::int64_t>(canvas.height, y2); ++y) {
        const std::int64_t left = std::max<std::int64_t>(0, x1);
        const std::int64_t right = std::min<std::int64_t>(canvas.width, x2);
        if (left >= right)
            break;
        const std::uint8_t *from = gradient.pixel(std::int32_t(left - x1), std::int32_t(y - y1));
        std::copy(from, from + (right - left) * 3,
                  canvas.pixel(std::int32_t(left), std::int32_t(y)));
    }
    return copyToCaller(*target, canvas);
}

} // namespace

extern "C" {

int picoraLastError(void)
{
    return lastStatus;
}

int picoraHorizontalExchange(const PicoraBitmap *bitmap)
{
    return transformCopy(bitmap, [](Image24 &image) { image = mirroredLeftRight(image); });
}

int picoraVerticalExchange(const PicoraBitmap *bitmap)
{
    return transformCopy(bitmap, [](Image24 &image) { image = mirroredTopBottom(image); });
}

int picoraCircumgyrate90(const PicoraBitmap *bitmap)
{
    return guarded([&] { return rotateClockwise(bitmap); });
}

int picoraReverseColor(const PicoraBitmap *bitmap)
{
    return transformCopy(bitmap, [](Image24 &image) { invertColors(image); });
}

int picoraThinColor(const PicoraBitmap *bitmap, int32_t foreColor, int32_t backColor)
{
    return transformCopy(bitmap, [&](Image24 &image) {
        thinColors(image, std::uint32_t(foreColor), std::uint32_t(backColor));
    });
}

int picoraGradientFill(const PicoraBitmap *target, int32_t style, int32_t colorA, int32_t colorB,
                       int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    return guarded([&] {
        return gradientFill(target, style, std::uint32_t(colorA), std::uint32_t(colorB), x1, y1, x2,
                            y2);
    });
}

void pHorizontalExchange(const PicoraBitmap *bitmap)
{
    picoraHorizontalExchange(bitmap);
}

void pVerticalExchange(const PicoraBitmap *bitmap)
{
    picoraVerticalExchange(bitmap);
}

void pCircumgyrate90(const PicoraBitmap *bitmap)
{
    picoraCircumgyrate90(bitmap);
}

void pReverseColor(const PicoraBitmap *bitmap)
{
    picoraReverseColor(bitmap);
}

void pThinColor(const PicoraBitmap *bitmap, int32_t foreColor, int32_t backColor)
{
    picoraThinColor(bitmap, foreColor, backColor);
}

void pGradientFill(const PicoraBitmap *target, int32_t style, int32_t colorA, int32_t colorB,
                   int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    picoraGradientFill(target, style, colorA, colorB, x1, y1, x2, y2);
}

} // extern "C"
