#pragma once

#include <array>
#include <cstdint>

namespace brevix {

// The holding registers of the download link, indexed by Modbus register number. Messages are
// built from it and read replies land in it; it is never cleared, so data registers beyond a
// short last block keep what an earlier block left there.
class RegisterImage
{
public:
    static constexpr int kFirst = 3900;
    static constexpr int kLast = 4933;

    std::uint16_t at(int reg) const { return m_regs[index(reg)]; }
    void set(int reg, std::uint16_t value) { m_regs[index(reg)] = value; }
    static bool contains(int first, int count)
    {
        return count >= 0 && first >= kFirst && first + count - 1 <= kLast;
    }

private:
    static int index(int reg)
    {
        return reg < kFirst || reg > kLast ? kLast - kFirst + 1 : reg - kFirst;
    }
    // One spare cell absorbs out-of-range indexes instead of touching memory outside.
    std::array<std::uint16_t, kLast - kFirst + 2> m_regs{};
};

// Register numbers with a meaning of their own.
enum DownloadRegister : int {
    RegMarker = 3900,  // 0x5555 in a control message; 0 once the panel has taken a block
    RegKey = 3901,     // 0x8765 in a control message
    RegCommand = 3902, // 0xE916 synchronise, 0xAAAA block ready
    RegBlock = 3903,
    RegReserved = 3904,
    RegEndMark = 3905, // 8888 on the last block of the whole download
    RegFlashLow = 3906,
    RegFlashHigh = 3907,
    RegFlashSize = 3908,
    RegPercent = 3909,
    RegData = 3910, // 1024 registers = 2048 bytes
};

inline constexpr std::uint16_t kControlMarker = 0x5555;
inline constexpr std::uint16_t kControlKey = 0x8765;
inline constexpr std::uint16_t kCommandSynchronise = 0xE916;
inline constexpr std::uint16_t kCommandBlockReady = 0xAAAA;
inline constexpr std::uint16_t kFirstImageBlock = 51;
inline constexpr std::uint16_t kPictureBlock = 0x6228;
inline constexpr std::uint16_t kEndMark = 8888;
inline constexpr int kBlockBytes = 2048;
inline constexpr int kDataRegisters = 1024;
inline constexpr std::uint32_t kPictureFlashBase = 0x200000;

} // namespace brevix
