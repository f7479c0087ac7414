#pragma once

#include <cstdint>

namespace brevix {

// Address byte of bit-addressed elements (lamp, picture, bit switch): link in bit 7, device
// index in bits 4..6, bit number in bits 0..3. The register number itself is in WordA.
struct BitAddressByte
{
    int link = 0;   // 0 = link 1, 1 = link 2
    int device = 0; // 0..7
    int bit = 0;    // 0..15
};

BitAddressByte unpackBitAddress(std::uint8_t byte);
std::uint8_t packBitAddress(const BitAddressByte &address);

// WordD of dynamic texts and other word-addressed elements: flag bits 0..7, device index in
// bits 8..10, link in bit 11. The other bits are kept as they were.
struct WordDeviceField
{
    int device = 0;
    int link = 0;
};

WordDeviceField unpackWordDevice(std::uint16_t wordD);
std::uint16_t packWordDevice(std::uint16_t wordD, const WordDeviceField &field);

// WordD of a dynamic text as its dialog writes it: transparent background (bit 0), password
// protection (bit 1), device and link.
std::uint16_t dynamicTextWordD(bool transparent, bool password, const WordDeviceField &field);

} // namespace brevix
