#pragma once

#include <cstdint>
#include <vector>

namespace brevix::sim {

constexpr int kAreaCount = 16; // link × 8 + kind
constexpr int kWordsPerArea = 65101;
constexpr int kBitsPerArea = 10001;

// The simulated controller memory: word areas and bit areas, both zero at start. Every access
// is bounded: an address beyond an area reads 0 and a write to it is dropped.
class RegisterMemory
{
public:
    RegisterMemory();

    std::uint16_t word(int area, long long address) const;
    void setWord(int area, long long address, std::uint16_t value);
    // Low word at address, high word at address + 1.
    std::uint32_t word32(int area, long long address) const;
    void setWord32(int area, long long address, std::uint32_t value);

    bool bit(int area, long long index) const;
    void setBit(int area, long long index, bool value);

    void clearBits();
    void clear();

private:
    std::vector<std::uint16_t> m_words;
    std::vector<std::uint8_t> m_bits;
};

// Index of a bit in bit area a (0..5 within the link) by the link's selector byte, address w and
// bit number b. The page display does not use it: the builder already writes that index into
// the image, so lamps and bit switches take their address as the index directly.
long long BitAddress(int selector, int area, long long w, int b);

// The element's area code (high nibble of its bit address byte) and what it names.
struct BitLocation
{
    bool inWordArea = false; // kinds 0 and 1: a bit inside a word
    int area = 0;            // word area, or bit area (code − 2)
    long long index = 0;     // word address, or bit index
    int bitNumber = 0;       // for word areas
};
BitLocation locateBit(std::uint8_t bitAddressByte, std::uint16_t address);

bool readBit(const RegisterMemory &memory, const BitLocation &where);
void writeBit(RegisterMemory &memory, const BitLocation &where, bool value);

// Registers the shell keeps current in word area 0 of the first link.
enum SystemRegister : int {
    kTick100ms = 5000,
    kTick500ms = 5001,
    kTick1s = 5002,
    kClockSecond = 5010,
    kClockMinute = 5011,
    kClockHour = 5012,
    kClockDay = 5013,
    kClockMonth = 5015,
    kClockYear = 5016,
};

} // namespace brevix::sim
