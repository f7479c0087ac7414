#include "devicelink/downloadrules.h"

namespace brevix {

void fillDataBlock(RegisterImage &image, const char *bytes, int count)
{
    const auto byte = [bytes](int i) { return static_cast<std::uint8_t>(bytes[i]); };
    count = std::min(count, kBlockBytes);
    for (int k = 0; 2 * k < count; ++k) {
        const int low = byte(2 * k);
        // The bytes land in the register memory as read: an odd last byte replaces only the
        // low half and the high half keeps what it held.
        const int high = 2 * k + 1 < count ? byte(2 * k + 1) : image.at(RegData + k) >> 8;
        image.set(RegData + k, static_cast<std::uint16_t>(low + 256 * high));
    }
}

void writeTimeStamp(RegisterImage &image, const QDateTime &now)
{
    const QDate d = now.date();
    const QTime t = now.time();
    image.set(3975, 0x5566);
    image.set(3976, static_cast<std::uint16_t>((d.year() % 100) * 256 + d.month()));
    image.set(3977, static_cast<std::uint16_t>(d.day() * 256 + t.hour()));
    image.set(3978, static_cast<std::uint16_t>(t.minute() * 256 + t.second()));
}

void setBlockControl(RegisterImage &image, std::uint16_t block, bool lastOfDownload, int percent)
{
    image.set(RegMarker, kControlMarker);
    image.set(RegKey, kControlKey);
    image.set(RegCommand, kCommandBlockReady);
    image.set(RegBlock, block);
    image.set(RegReserved, 0);
    image.set(RegEndMark, lastOfDownload ? kEndMark : 0);
    image.set(RegPercent, static_cast<std::uint16_t>(percent));
}

void setSynchronise(RegisterImage &image)
{
    image.set(RegMarker, kControlMarker);
    image.set(RegKey, kControlKey);
    image.set(RegCommand, kCommandSynchronise);
    image.set(RegPercent, 0);
}

void setPictureTarget(RegisterImage &image, std::uint32_t address, int count)
{
    image.set(RegFlashLow, static_cast<std::uint16_t>(address % 65536));
    image.set(RegFlashHigh, static_cast<std::uint16_t>(address / 65536));
    image.set(RegFlashSize, static_cast<std::uint16_t>(count));
}

int sentPercent(qint64 sent, qint64 size)
{
    return size <= 0 ? 100 : static_cast<int>(sent * 100 / size);
}

QString sentLabel(qint64 sent, qint64 size)
{
    return QStringLiteral("%1.%2KB / %3.%4KB")
        .arg(sent / 1024)
        .arg((sent % 1024) / 100)
        .arg(size / 1024)
        .arg((size % 1024) / 100);
}

QString flashAddressText(std::uint32_t address)
{
    return QStringLiteral("0x") +
           QStringLiteral("%1").arg(address, 8, 16, QLatin1Char('0')).toUpper();
}

QString pictureLogLine(std::uint32_t address, int count)
{
    return QStringLiteral("TxToFlash: ") + flashAddressText(address) +
           QStringLiteral(" WriteSize: ") + QString::number(count);
}

} // namespace brevix
