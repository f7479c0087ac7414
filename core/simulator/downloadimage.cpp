#include "simulator/downloadimage.h"

#include <QFile>
#include <QFileInfo>

namespace brevix::sim {

namespace {
constexpr char kPageMarker[] = {char(0xEE), char(0xEE), 0x11, 0x11, char(0xEE), char(0xEE)};
constexpr qsizetype kFirstBlockSearch = 128;

Result tooLarge(qsizetype size)
{
    return Result::failure(
        QStringLiteral("运行文件过大 (%1 字节)，模拟器最多读取 %2 字节 ！")
            .arg(size)
            .arg(kMaxImageSize),
        QStringLiteral(
            "The run file is too large (%1 bytes); the simulator reads at most %2 bytes!")
            .arg(size)
            .arg(kMaxImageSize));
}
} // namespace

Result DownloadImage::load(const QString &path, DownloadImage &image)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result::failure(QStringLiteral("打开文件失败 ！"),
                               QStringLiteral("Failed to open the file!"));
    // Check the size before reading so a huge file is never pulled into memory.
    if (file.size() > kMaxImageSize)
        return tooLarge(file.size());
    const QByteArray bytes = file.read(kMaxImageSize + 1);
    if (file.error() != QFileDevice::NoError)
        return Result::failure(QStringLiteral("打开文件失败 ！"),
                               QStringLiteral("Failed to open the file!"));
    return fromBytes(bytes, image);
}

Result DownloadImage::fromBytes(const QByteArray &bytes, DownloadImage &image)
{
    if (bytes.size() > kMaxImageSize)
        return tooLarge(bytes.size());
    image.m_bytes = bytes;
    return Result::success();
}

std::uint8_t DownloadImage::byteAt(qsizetype offset) const
{
    if (offset < 0 || offset >= m_bytes.size())
        return 0;
    return static_cast<std::uint8_t>(m_bytes.at(offset));
}

qsizetype DownloadImage::findPageBlock(int page) const
{
    const qsizetype size = m_bytes.size();
    const char *data = m_bytes.constData();
    // The page byte follows the marker, so a block needs 7 bytes.
    for (qsizetype at = kFirstBlockSearch; at + 7 <= size; ++at) {
        at = m_bytes.indexOf(QByteArrayView(kPageMarker, 6), at);
        if (at < 0 || at + 7 > size)
            return -1;
        if (static_cast<std::uint8_t>(data[at + 6]) == page)
            return at + 7;
    }
    return -1;
}

} // namespace brevix::sim
