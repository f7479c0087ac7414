#include "imaging/picoratransforms.h"

#include "imaging/qimagebitmap.h"

#include <picora.h>

namespace brevix {
namespace {

// Runs one library call on a copy of image and takes the result only when it succeeded.
template <typename Call> bool applyToImage(QImage &image, Call call)
{
    if (image.isNull())
        return false;
    QImageBitmap adapter(image);
    if (call(adapter.bitmap()) != PICORA_OK)
        return false;
    image = adapter.image();
    return true;
}

} // namespace

bool horizontalExchange(QImage &image)
{
    return applyToImage(image, picoraHorizontalExchange);
}

bool verticalExchange(QImage &image)
{
    return applyToImage(image, picoraVerticalExchange);
}

bool circumgyrate90(QImage &image)
{
    return applyToImage(image, picoraCircumgyrate90);
}

bool reverseColor(QImage &image)
{
    return applyToImage(image, picoraReverseColor);
}

bool thinColor(QImage &image, int foreColor, int backColor)
{
    return applyToImage(image, [&](const PicoraBitmap *bitmap) {
        return picoraThinColor(bitmap, foreColor, backColor);
    });
}

bool gradientFill(QImage &target, int style, int colorA, int colorB, int x1, int y1, int x2, int y2)
{
    return applyToImage(target, [&](const PicoraBitmap *bitmap) {
        return picoraGradientFill(bitmap, style, colorA, colorB, x1, y1, x2, y2);
    });
}

Message picoraStatusMessage(int status)
{
    switch (status) {
    case PICORA_OK:
        return {QStringLiteral("完成"), QStringLiteral("Done")};
    case PICORA_ERROR_NULL_BITMAP:
        return {QStringLiteral("没有可处理的图片"),
                QStringLiteral("There is no picture to process")};
    case PICORA_ERROR_SAVE_FAILED:
        return {QStringLiteral("图片无法复制"), QStringLiteral("The picture could not be copied")};
    case PICORA_ERROR_BAD_BMP:
        return {QStringLiteral("图片数据已损坏或格式不受支持"),
                QStringLiteral("The picture data is damaged or in an unsupported format")};
    case PICORA_ERROR_LOAD_FAILED:
        return {QStringLiteral("处理结果无法写回图片"),
                QStringLiteral("The result could not be written back to the picture")};
    case PICORA_ERROR_TOO_LARGE:
        return {QStringLiteral("图片太大"), QStringLiteral("The picture is too large")};
    case PICORA_ERROR_NO_MEMORY:
        return {QStringLiteral("内存不足"), QStringLiteral("Not enough memory")};
    case PICORA_ERROR_BAD_ARGUMENT:
        return {QStringLiteral("渐变样式或区域无效"),
                QStringLiteral("The gradient style or area is not valid")};
    case PICORA_ERROR_ROW_ACCESS:
        return {QStringLiteral("无法访问图片像素"),
                QStringLiteral("The picture's pixels could not be accessed")};
    default:
        return {QStringLiteral("图片处理出现内部错误"),
                QStringLiteral("An internal error occurred while processing the picture")};
    }
}

} // namespace brevix
