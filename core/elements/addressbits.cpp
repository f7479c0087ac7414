#include "elements/addressbits.h"

namespace brevix {

BitAddressByte unpackBitAddress(std::uint8_t byte)
{
    return {(byte >> 7) & 1, (byte >> 4) & 7, byte & 0xF};
}

std::uint8_t packBitAddress(const BitAddressByte &a)
{
    return static_cast<std::uint8_t>((a.link & 1) << 7 | (a.device & 7) << 4 | (a.bit & 0xF));
}

WordDeviceField unpackWordDevice(std::uint16_t wordD)
{
    return {(wordD >> 8) & 7, (wordD >> 11) & 1};
}

std::uint16_t packWordDevice(std::uint16_t wordD, const WordDeviceField &f)
{
    const unsigned kept = wordD & ~0x0F00u;
    return static_cast<std::uint16_t>(kept | (f.device & 7u) << 8 | (f.link & 1u) << 11);
}

std::uint16_t dynamicTextWordD(bool transparent, bool password, const WordDeviceField &field)
{
    return packWordDevice(static_cast<std::uint16_t>((transparent ? 1 : 0) | (password ? 2 : 0)),
                          field);
}

} // namespace brevix
