#include "devicelink/bootloaderrules.h"

namespace brevix {

int expectedReplyLength(int state)
{
    switch (state) {
    case 2:
        return 15; // ACK, N=11, version, 11 command codes, ACK
    case 3:
    case 6:
        return 5; // ACK, N, two ID bytes, ACK / ACK and four data bytes
    default:
        return state >= 1 && state <= 11 ? 1 : 0;
    }
}

QByteArray bootCommand(std::uint8_t command)
{
    QByteArray frame;
    frame.append(static_cast<char>(command));
    frame.append(static_cast<char>(command ^ 0xFF));
    return frame;
}

QByteArray bootAddress(std::uint32_t address)
{
    QByteArray frame;
    std::uint8_t sum = 0;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const auto byte = static_cast<std::uint8_t>(address >> shift);
        frame.append(static_cast<char>(byte));
        sum ^= byte;
    }
    frame.append(static_cast<char>(sum));
    return frame;
}

QByteArray bootData(const char *bytes, int count)
{
    QByteArray frame;
    frame.reserve(count + 2);
    auto sum = static_cast<std::uint8_t>(count - 1);
    frame.append(static_cast<char>(sum));
    for (int i = 0; i < count; ++i) {
        frame.append(bytes[i]);
        sum ^= static_cast<std::uint8_t>(bytes[i]);
    }
    frame.append(static_cast<char>(sum));
    return frame;
}

QByteArray bootErasePages()
{
    QByteArray frame;
    std::uint8_t sum = kErasedPages - 1;
    frame.append(static_cast<char>(sum));
    for (int page = 0; page < kErasedPages; ++page) {
        frame.append(static_cast<char>(page));
        sum ^= static_cast<std::uint8_t>(page);
    }
    frame.append(static_cast<char>(sum));
    return frame;
}

bool bootReplyAccepted(int state, const std::uint8_t *reply, int length)
{
    if (length < expectedReplyLength(state) || length <= 0)
        return false;
    switch (state) {
    case 1:
        return reply[length - 1] == kBootAck;
    case 2:
        return reply[0] == kBootAck && reply[1] == 11 && reply[3] == 0x00 && reply[14] == kBootAck;
    case 3:
        return reply[0] == kBootAck && reply[1] == 1 && reply[4] == kBootAck;
    default:
        return state >= 4 && state <= 11 && reply[0] == kBootAck;
    }
}

QString bootVersionText(std::uint8_t version)
{
    return QStringLiteral("Boot:%1.%2").arg(version / 16).arg(version % 16);
}

int bootWriteBlocks(qint64 size)
{
    return static_cast<int>((size + kWriteChunk - 1) / kWriteChunk);
}

} // namespace brevix
