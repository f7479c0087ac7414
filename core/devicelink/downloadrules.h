#pragma once

#include "devicelink/registerimage.h"

#include <QDateTime>
#include <QString>
#include <cstdint>

namespace brevix {

// Reads up to 2048 file bytes into the data registers as little-endian words; registers past
// the bytes given keep their earlier content.
void fillDataBlock(RegisterImage &image, const char *bytes, int count);

// The panel-clock stamp written into the first image block when time sync is on (file bytes
// 130..137, which the build leaves zero).
void writeTimeStamp(RegisterImage &image, const QDateTime &now);

// The control message of a block: marker, key, "block ready", block number, end mark, percent.
// The flash registers 3906..3908 are left to the caller (zero for image blocks).
void setBlockControl(RegisterImage &image, std::uint16_t block, bool lastOfDownload, int percent);
// The synchronise message: marker, key, command; percent 0; 3903..3908 keep their values.
void setSynchronise(RegisterImage &image);
// Flash address and byte count of a picture block.
void setPictureTarget(RegisterImage &image, std::uint32_t address, int count);

// Percent of the file sent including this block.
int sentPercent(qint64 sent, qint64 size);
// "4.0KB / 4.9KB": whole KB, then the remainder in hundreds of bytes (not a decimal fraction).
QString sentLabel(qint64 sent, qint64 size);
// "0x00200800": a flash address as the log shows it.
QString flashAddressText(std::uint32_t address);
// "TxToFlash: 0x00200800 WriteSize: 952"
QString pictureLogLine(std::uint32_t address, int count);

// A picture image this small is a placeholder the build leaves behind; it is not sent.
inline constexpr qint64 kSmallestPictureImage = 11;

} // namespace brevix
