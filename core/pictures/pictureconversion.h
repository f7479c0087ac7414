#pragma once

#include "pictures/picturerow.h"
#include "text/message.h"

#include <QByteArray>
#include <QImage>
#include <QStringList>
#include <vector>

namespace brevix {

// Decodes a stored picture by its Ext (".bmp" through Qt's BMP reader, retried without the last
// two bytes; ".jpg" as JPEG; case-insensitive). Anything else, data that does not decode, or a
// picture wider or higher than 65535 (its record cannot hold the size) gives a null image.
QImage decodePicture(const QByteArray &data, const QString &ext);

enum class PicturePass {
    Download = 0, // pictures below 50 into KX.bin
    Spi = 50,     // pictures 51..100 into SPI.bin
};

// A picture of this pass that could not be decoded: skipped, never converted from stale data.
struct UndecodablePicture
{
    int id = 0;
    QString ext;
    // "图片 3.bmp 无法解码，已跳过 ！" / "Picture 3.bmp cannot be decoded; it was skipped!";
    // also given for a picture beyond the 255th of KX.bin.
    Message message;
};

struct PictureConversion
{
    // Download pass: the picture area of KX.bin (count byte, then the records of the converted
    // pictures below 50 in row order), appended by the compiler at its write position.
    // SPI pass: the whole SPI.bin content: 19 1A 1B 1C, the directory of 51..100 at
    // 4 x (n - 50) (n, 24-bit record offset), zeros up to 210, the records from 210.
    QByteArray bytes;
    // Lines "55.bmp" for pictures this pass leaves to the other image (number + Ext). After the
    // download pass a non-empty list is what the SPI question shows.
    QStringList skippedList;
    std::vector<UndecodablePicture> undecodable;
    // SPI pass only: the 8,390,022-byte limit was passed; no SPI.bin is to be written.
    bool spiLimitExceeded = false;
};

inline constexpr qint64 kSpiImageLimit = 8390022;
inline constexpr int kSpiRecordsStart = 210;

// Converts the rows (in the order given: the library's ascending ID) for one pass.
PictureConversion BmpToArray(const PictureRows &rows, PicturePass pass);

// "扩展 SPI 图库超过 8.0 MB ！\r已放弃生成扩展图库文件 ！" in both languages.
Message spiLimitMessage();

} // namespace brevix
