#pragma once

#include <cstddef>
#include <cstdint>

namespace brevix {

// The Modbus CRC-16: initial value 0xFFFF, reflected polynomial 0xA001, no final inversion.
// Frames carry it low byte first.
std::uint16_t Crc16(const std::uint8_t *data, std::size_t length);

} // namespace brevix
