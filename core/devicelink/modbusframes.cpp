#include "devicelink/modbusframes.h"

#include "devicelink/crc16.h"

namespace brevix {

namespace {

void appendWord(QByteArray &frame, int value)
{
    frame.append(static_cast<char>((value >> 8) & 0xFF));
    frame.append(static_cast<char>(value & 0xFF));
}

} // namespace

void appendCrc(QByteArray &frame)
{
    const std::uint16_t crc =
        Crc16(reinterpret_cast<const std::uint8_t *>(frame.constData()), frame.size());
    frame.append(static_cast<char>(crc & 0xFF));
    frame.append(static_cast<char>(crc >> 8));
}

QByteArray buildWriteRegisters(const RegisterImage &image, int first, int count)
{
    QByteArray frame;
    frame.reserve(9 + 2 * count);
    frame.append(static_cast<char>(kPanelUnit));
    frame.append('\x10');
    appendWord(frame, first);
    appendWord(frame, count);
    frame.append(static_cast<char>(2 * count));
    for (int i = 0; i < count; ++i)
        appendWord(frame, image.at(first + i));
    appendCrc(frame);
    return frame;
}

QByteArray buildRequestRegisters(int first, int quantity)
{
    QByteArray frame;
    frame.append(static_cast<char>(kPanelUnit));
    frame.append('\x03');
    appendWord(frame, first);
    appendWord(frame, quantity);
    appendCrc(frame);
    return frame;
}

bool writeEchoAccepted(const QByteArray &sent, const std::uint8_t *reply, int replyLength)
{
    if (replyLength < 6 || sent.size() < 6)
        return false;
    for (int i = 0; i < 6; ++i) {
        if (reply[i] != static_cast<std::uint8_t>(sent[i]))
            return false;
    }
    return true;
}

bool TakeRegisterReply(RegisterImage &image, int first, int quantity, const std::uint8_t *reply,
                       int replyLength)
{
    if (quantity <= 0 || replyLength < 2 * quantity + 5 ||
        !RegisterImage::contains(first, quantity))
        return false;
    const std::uint16_t crc = Crc16(reply, replyLength - 2);
    if (reply[replyLength - 2] != (crc & 0xFF) || reply[replyLength - 1] != (crc >> 8))
        return false;
    for (int i = 0; i < quantity; ++i)
        image.set(first + i, static_cast<std::uint16_t>(reply[3 + 2 * i] << 8 | reply[4 + 2 * i]));
    return true;
}

} // namespace brevix
