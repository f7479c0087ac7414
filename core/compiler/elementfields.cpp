#include "compiler/elementfields.h"

namespace brevix {

namespace {

constexpr std::uint32_t field(std::uint32_t value, int width, int shift)
{
    return (value & ((1u << width) - 1u)) << shift;
}

int deviceIndex(std::uint8_t byteA)
{
    return (byteA >> 4) & 7;
}
int linkBit(std::uint8_t byteA)
{
    return byteA >> 7;
}
int bitNumber(std::uint8_t byteA)
{
    return byteA & 0x0F;
}

} // namespace

std::uint32_t compiledBitAddress(int protocol, std::uint8_t byteA, std::uint16_t wordA)
{
    const int d = deviceIndex(byteA);
    const std::uint32_t b = bitNumber(byteA);
    const std::uint32_t r = wordA;
    switch (protocol) {
    case 4: // Modbus master: devices after the coils are bits of registers
        return d != 0 ? r * 16 + b : r;
    case 6: // word.bit areas
        return (d == 1 || d == 2) ? r * 16 + b : r;
    case 7: // byte.bit areas
        return d != 0 ? r * 8 + (b & 7) : r;
    default:
        return r;
    }
}

std::uint32_t registerAttributeWord(const SlotValues &v)
{
    std::uint32_t w = 0;
    w += field(v.ByteA & 0x0F, 1, 0);  // data type
    w += field(v.ByteB, 1, 1);         // input allowed
    w += field(v.ByteD, 1, 2);         // indirect upper limit
    w += field(v.ByteC, 1, 3);         // signed
    w += field(v.WordB >> 8, 4, 4);    // digits
    w += field(v.WordB & 0xFF, 4, 8);  // decimals
    w += field(v.ByteE >> 4, 2, 12);   // condition
    w += field(v.ByteE & 0x0F, 1, 14); // action
    w += field(v.WordD & 1, 1, 15);    // leading zeros
    w += field(v.WordE, 13, 16);       // key register
    w += field(v.ByteA >> 7, 1, 29);   // float
    w += field(v.ByteA >> 4, 1, 30);   // device index (one bit: bit 31 is the password)
    w += field(v.WordD >> 1, 1, 31);   // password
    return w;
}

std::uint32_t lampAttributeWord(const SlotValues &v, int protocol)
{
    std::uint32_t w = 0;
    w += field(compiledBitAddress(protocol, v.ByteA, v.WordA), 16, 0);
    w += field(bitNumber(v.ByteA), 4, 16);
    w += field(linkBit(v.ByteA), 1, 20);
    w += field(deviceIndex(v.ByteA), 2, 21);
    w += field(v.ByteC, 1, 23); // negative logic
    w += field(v.ByteE, 8, 24); // lamp kind
    return w;
}

std::uint32_t trendAttributeWord(const SlotValues &v, int elementNumber)
{
    std::uint32_t w = 0;
    w += field(v.ByteA, 1, 0);        // data type
    w += field(v.WordB >> 8, 5, 1);   // horizontal grid lines
    w += field(v.WordB & 0x1F, 5, 6); // vertical grid lines
    w += field(v.WordC, 6, 11);       // acquisition count / display dots
    w += field(v.ByteD, 1, 17);       // grid
    w += field(v.ByteB, 1, 18);       // time labels
    w += field(v.WordE, 2, 19);       // label font
    w += field(v.ByteE, 3, 21);       // label format
    w += field(std::uint32_t(elementNumber), 8, 24);
    return w;
}

std::uint32_t barAttributeWord(const SlotValues &v, int elementNumber)
{
    std::uint32_t w = 0;
    w += field(v.WordA, 16, 0);
    w += field(v.ByteA, 1, 16);      // data type
    w += field(v.ByteB, 1, 17);      // indirect full scale
    w += field(v.ByteD, 1, 18);      // indirect zero scale
    w += field(v.WordC >> 8, 5, 19); // direction
    w += field(std::uint32_t(elementNumber), 8, 24);
    return w;
}

std::uint32_t pictureAttributeWord(const SlotValues &v, int protocol, int elementNumber)
{
    std::uint32_t w = 0;
    w += field(compiledBitAddress(protocol, v.ByteA, v.WordA), 16, 0);
    w += field(bitNumber(v.ByteA), 4, 16);
    w += field(linkBit(v.ByteA), 1, 20);
    w += field(deviceIndex(v.ByteA), 2, 21);
    w += field(v.ByteC, 1, 23); // visibility control
    w += field(std::uint32_t(elementNumber), 8, 24);
    return w;
}

std::uint8_t dynamicTextFlags(const SlotValues &v)
{
    unsigned f = 0;
    f += v.ByteB != 0 ? 1 : 0;  // input allowed
    f += v.ByteC != 0 ? 2 : 0;  // zero on focus leave
    f += (v.WordD & 1) ? 4 : 0; // transparent
    f += (v.WordD & 2) ? 8 : 0; // password
    f += (v.WordD >> 4) & 0xF0; // device index bits 4..6, link bit 7
    return std::uint8_t(f);
}

std::uint32_t shapeAttributeWord(const SlotValues &v, int kind, int elementNumber)
{
    std::uint32_t w = 0;
    w += field(v.ByteB, 1, 0);                 // horizontal move
    w += field(v.ByteC, 1, 1);                 // vertical move
    w += field(v.ByteD, 1, 2);                 // visibility
    w += field(v.WordD, 1, 3);                 // fill (the device and link bits have no room here)
    w += field(std::uint32_t(v.LongA), 16, 4); // horizontal move register
    w += field(std::uint32_t(elementNumber), 8, 20);
    w += kind == 20 ? (1u << 28) : 0u;
    w += field(v.WordE, 3, 29); // shape
    return w;
}

std::uint32_t scaleAttributeWord(const SlotValues &v, int elementNumber)
{
    std::uint32_t w = 0;
    w += field(v.WordB, 4, 0);  // direction
    w += field(v.WordA, 8, 4);  // major divisions
    w += field(v.ByteA, 8, 12); // minor divisions
    w += field(v.WordD, 1, 20); // axis shown
    w += field(std::uint32_t(elementNumber), 8, 21);
    return w;
}

std::uint32_t bitSwitchAttributeWord(const SlotValues &v, int protocol)
{
    std::uint32_t w = 0;
    w += field(compiledBitAddress(protocol, v.ByteA, v.WordA), 16, 0);
    w += field(bitNumber(v.ByteA), 4, 16);
    w += field(v.WordE, 2, 20); // function
    w += field(v.ByteC, 1, 22); // invisible
    w += field(v.WordB, 5, 23); // panel key
    w += field(linkBit(v.ByteA), 1, 28);
    // Device index at 29..31 shares bit 31 with the password, as the panel defines it; the sum
    // is kept modulo 2^32.
    w += field(deviceIndex(v.ByteA), 3, 29);
    w += field(v.ByteB, 1, 31); // password
    return w;
}

StateEntry splitStateEntry(const QByteArray &entry, int fallback)
{
    // The panel's tool read the value as "$0" followed by the last four characters; a shorter
    // entry is taken whole. Only hexadecimal digits pass that conversion.
    const QByteArray tail = entry.size() >= 4 ? entry.right(4) : entry;
    bool ok = true;
    for (char c : tail) {
        const bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        ok = ok && hex;
    }
    if (ok)
        return {tail.isEmpty() ? 0 : tail.toInt(nullptr, 16),
                entry.left(std::max<qsizetype>(0, entry.size() - 4))};
    return {fallback, entry};
}

} // namespace brevix
