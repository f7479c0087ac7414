#pragma once

#include "text/message.h"

#include <QByteArray>
#include <cstdint>

namespace brevix {

// The STM32 system-memory boot loader's USART protocol as the firmware upgrade uses it.
inline constexpr std::uint8_t kBootAck = 0x79;
inline constexpr std::uint8_t kBootNack = 0x1F;
inline constexpr std::uint8_t kBootSync = 0x7F;
inline constexpr std::uint32_t kFlashBase = 0x08000000;
inline constexpr std::uint32_t kDeviceInfoAddress = 0x1FFFF7E0;
inline constexpr int kWriteChunk = 256;
inline constexpr int kErasedPages = 127;
inline constexpr int kMaxFirmwareSize = 1048576;

// Bytes the upgrade waits for in each protocol state 1..11 (0 for anything else).
int expectedReplyLength(int state);
// A command byte and its complement.
QByteArray bootCommand(std::uint8_t command);
// Four address bytes, most significant first, and their XOR.
QByteArray bootAddress(std::uint32_t address);
// N-1, the N bytes, and the XOR of N-1 and the bytes (1 <= N <= 256).
QByteArray bootData(const char *bytes, int count);
// The erase of pages 0..126: page count - 1, the page numbers and the XOR of all of them.
QByteArray bootErasePages();
// Whether the reply collected in `state` is the one that moves the upgrade on.
bool bootReplyAccepted(int state, const std::uint8_t *reply, int length);
// "Boot:2.2" from the loader's version byte 0x22.
QString bootVersionText(std::uint8_t version);
// Blocks of at most 256 bytes an image of `size` bytes is written in.
int bootWriteBlocks(qint64 size);

namespace upgradetext {
inline const Message kReady{QStringLiteral("就绪..."), QStringLiteral("Ready...")};
inline const Message kCaption{QStringLiteral("固件更新 V5.15"),
                              QStringLiteral("Firmware update V5.15")};
inline const Message kSearching{QStringLiteral("正在查找设备。。。"),
                                QStringLiteral("Looking for the device...")};
inline const Message kConnected{QStringLiteral("已成功连接"), QStringLiteral("Connected")};
inline const Message kNoTalk{QStringLiteral("无法和设备通讯，请重新尝试"),
                             QStringLiteral("Cannot talk to the device, please try again")};
inline const Message kErasing{QStringLiteral("正在擦除。。。"), QStringLiteral("Erasing...")};
inline const Message kWriting{QStringLiteral("写进度: %1%"), QStringLiteral("Writing: %1%")};
inline const Message kDone{QStringLiteral("上载完成！"), QStringLiteral("Upload complete!")};
inline const Message kLinkFailed{QStringLiteral("连机失败！请检查通信线。"),
                                 QStringLiteral("Connection failed! Check the cable.")};
inline const Message kPortBusy{
    QStringLiteral(
        "当前串口号 %1 已经被占用，或其它错误 ！\n请选择其它串口，或检查串口设置是否正确。"),
    QStringLiteral("Serial port %1 is in use, or another error occurred!\nChoose another port or "
                   "check the port settings.")};
inline const Message kPortBusyTitle{QStringLiteral("串口错误"),
                                    QStringLiteral("Serial port error")};
inline const Message kImageMissing{QStringLiteral("无法载入固件 %1"),
                                   QStringLiteral("Cannot load firmware %1")};
} // namespace upgradetext

} // namespace brevix
