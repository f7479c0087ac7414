#include "pictures/pictureconversion.h"

#include "pictures/rgb565.h"

#include <optional>

namespace brevix {

namespace {

constexpr int kMaxDimension = 0xFFFF;     // width and height are written as 16-bit numbers
constexpr int kMaxDownloadPictures = 255; // the count byte

QString skippedLine(const PictureRow &row)
{
    return QString::number(row.ID) + row.Ext;
}

Message undecodableMessage(const PictureRow &row)
{
    const QString name = skippedLine(row);
    return {QStringLiteral("图片 %1 无法解码，已跳过 ！").arg(name),
            QStringLiteral("Picture %1 cannot be decoded; it was skipped!").arg(name)};
}

Message tooManyMessage(const PictureRow &row)
{
    const QString name = skippedLine(row);
    return {QStringLiteral("图片 %1 超出 255 张图片的上限，已跳过 ！").arg(name),
            QStringLiteral("Picture %1 is beyond the limit of 255 pictures; it was skipped!")
                .arg(name)};
}

// The decoded picture, or nothing (listed as skipped) when it cannot be used.
std::optional<QImage> usableImage(const PictureRow &row, PictureConversion &result)
{
    const QImage image = decodePicture(row.Pic, row.Ext);
    if (image.isNull()) {
        result.undecodable.push_back({row.ID, row.Ext, undecodableMessage(row)});
        return std::nullopt;
    }
    return image;
}

void downloadPass(const PictureRows &rows, PictureConversion &result)
{
    result.bytes = QByteArray(1, '\0');
    int count = 0;
    for (const PictureRow &row : rows) {
        if (row.ID >= kFirstSpiPictureId) {
            result.skippedList.append(skippedLine(row));
            continue;
        }
        const auto image = usableImage(row, result);
        if (!image)
            continue;
        if (count == kMaxDownloadPictures) {
            result.undecodable.push_back({row.ID, row.Ext, tooManyMessage(row)});
            continue;
        }
        ++count;
        appendPictureRecord(result.bytes, *image);
    }
    result.bytes[0] = char(count);
}

void putOffset(QByteArray &bytes, int n, qint64 offset)
{
    const int entry = 4 * (n - kFirstSpiPictureId);
    bytes[entry] = char(n);
    bytes[entry + 1] = char(offset & 0xFF);
    bytes[entry + 2] = char((offset >> 8) & 0xFF);
    bytes[entry + 3] = char((offset >> 16) & 0xFF);
}

void spiPass(const PictureRows &rows, PictureConversion &result)
{
    QByteArray &bytes = result.bytes;
    bytes = QByteArray(kSpiRecordsStart, '\0');
    bytes[0] = 0x19;
    bytes[1] = 0x1A;
    bytes[2] = 0x1B;
    bytes[3] = 0x1C;
    for (const PictureRow &row : rows) {
        if (row.ID < kFirstSpiPictureId) {
            result.skippedList.append(skippedLine(row));
            continue;
        }
        if (row.ID == kFirstSpiPictureId || row.ID > kLastSpiPictureId)
            continue; // in neither image, and not worth a line
        const auto image = usableImage(row, result);
        if (!image)
            continue;
        const qint64 position = bytes.size();
        const qint64 pixelBytes = pictureRecordSize(image->width(), image->height()) - 4;
        if (position + 4 + pixelBytes > kSpiImageLimit) {
            result.spiLimitExceeded = true;
            bytes.clear();
            return;
        }
        putOffset(bytes, row.ID, position);
        appendPictureRecord(bytes, *image);
    }
}

} // namespace

QImage decodePicture(const QByteArray &data, const QString &ext)
{
    const QString kind = ext.toLower();
    QImage image;
    if (kind == QLatin1String(".bmp")) {
        // Some writers leave two stray bytes at the end that the reader chokes on.
        if (!image.loadFromData(data, "BMP") && data.size() > 2)
            image.loadFromData(data.left(data.size() - 2), "BMP");
    } else if (kind == QLatin1String(".jpg")) {
        image.loadFromData(data, "JPEG");
    }
    // A picture record holds its size in 16 bits; anything larger cannot reach the panel.
    if (image.width() > kMaxDimension || image.height() > kMaxDimension)
        return QImage();
    return image;
}

PictureConversion BmpToArray(const PictureRows &rows, PicturePass pass)
{
    PictureConversion result;
    if (pass == PicturePass::Download)
        downloadPass(rows, result);
    else
        spiPass(rows, result);
    return result;
}

Message spiLimitMessage()
{
    return {QStringLiteral("扩展 SPI 图库超过 8.0 MB ！\r已放弃生成扩展图库文件 ！"),
            QStringLiteral("The extended SPI picture library exceeds 8.0 MB!\rThe extended picture "
                           "file was not generated!")};
}

} // namespace brevix
