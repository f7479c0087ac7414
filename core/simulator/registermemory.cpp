#include "simulator/registermemory.h"

#include <algorithm>

namespace brevix::sim {

namespace {
bool wordInRange(int area, long long address)
{
    return area >= 0 && area < kAreaCount && address >= 0 && address < kWordsPerArea;
}
bool bitInRange(int area, long long index)
{
    return area >= 0 && area < kAreaCount && index >= 0 && index < kBitsPerArea;
}
} // namespace

RegisterMemory::RegisterMemory()
    : m_words(std::size_t(kAreaCount) * kWordsPerArea, 0),
      m_bits(std::size_t(kAreaCount) * kBitsPerArea, 0)
{
}

std::uint16_t RegisterMemory::word(int area, long long address) const
{
    return wordInRange(area, address) ? m_words[std::size_t(area) * kWordsPerArea + address] : 0;
}

void RegisterMemory::setWord(int area, long long address, std::uint16_t value)
{
    if (wordInRange(area, address))
        m_words[std::size_t(area) * kWordsPerArea + address] = value;
}

std::uint32_t RegisterMemory::word32(int area, long long address) const
{
    return word(area, address) + 65536u * word(area, address + 1);
}

void RegisterMemory::setWord32(int area, long long address, std::uint32_t value)
{
    setWord(area, address, static_cast<std::uint16_t>(value & 0xFFFF));
    setWord(area, address + 1, static_cast<std::uint16_t>(value >> 16));
}

bool RegisterMemory::bit(int area, long long index) const
{
    return bitInRange(area, index) && m_bits[std::size_t(area) * kBitsPerArea + index] != 0;
}

void RegisterMemory::setBit(int area, long long index, bool value)
{
    if (bitInRange(area, index))
        m_bits[std::size_t(area) * kBitsPerArea + index] = value ? 1 : 0;
}

void RegisterMemory::clearBits()
{
    std::fill(m_bits.begin(), m_bits.end(), 0);
}

void RegisterMemory::clear()
{
    std::fill(m_words.begin(), m_words.end(), 0);
    clearBits();
}

long long BitAddress(int selector, int area, long long w, int b)
{
    if ((selector == 4 || selector == 10) && (area == 0 || area == 1))
        return w * 16 + b;
    if ((selector == 5 || selector == 6) && area >= 0 && area <= 4)
        return w * 8 + b;
    return w;
}

BitLocation locateBit(std::uint8_t bitAddressByte, std::uint16_t address)
{
    const int code = bitAddressByte >> 4;
    BitLocation where;
    where.bitNumber = bitAddressByte & 0x0F;
    if ((code & 7) < 2) {
        where.inWordArea = true;
        where.area = code;
    } else {
        where.area = code - 2;
    }
    where.index = address;
    return where;
}

bool readBit(const RegisterMemory &memory, const BitLocation &where)
{
    if (where.inWordArea)
        return (memory.word(where.area, where.index) >> where.bitNumber) & 1;
    return memory.bit(where.area, where.index);
}

void writeBit(RegisterMemory &memory, const BitLocation &where, bool value)
{
    if (where.inWordArea) {
        std::uint16_t w = memory.word(where.area, where.index);
        const std::uint16_t mask = static_cast<std::uint16_t>(1u << where.bitNumber);
        w = value ? (w | mask) : (w & ~mask);
        memory.setWord(where.area, where.index, w);
        return;
    }
    memory.setBit(where.area, where.index, value);
}

} // namespace brevix::sim
