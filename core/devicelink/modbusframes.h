#pragma once

#include "devicelink/registerimage.h"

#include <QByteArray>
#include <cstdint>

namespace brevix {

inline constexpr std::uint8_t kPanelUnit = 255;

// Function 16 from the register image: unit, 0x10, first, count, byte count, registers, CRC.
QByteArray buildWriteRegisters(const RegisterImage &image, int first, int count);
// Function 3: unit, 0x03, first, quantity, CRC.
QByteArray buildRequestRegisters(int first, int quantity);
// A write is accepted when the answer's first six bytes equal the first six sent (the answer's
// CRC is not looked at, as the panel expects).
bool writeEchoAccepted(const QByteArray &sent, const std::uint8_t *reply, int replyLength);
// Takes a function 3 answer of `quantity` registers once 2Q+5 bytes are in and the CRC over all
// but the last two bytes matches them; stores the registers into the image at `first`.
bool TakeRegisterReply(RegisterImage &image, int first, int quantity, const std::uint8_t *reply,
                       int replyLength);

// Appends the Modbus CRC, low byte first.
void appendCrc(QByteArray &frame);

} // namespace brevix
