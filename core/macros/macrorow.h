#pragma once

#include "model/shortstring.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace brevix {

// One clock-macro instruction. The packed layout is also one 66-byte record of the ".Mac"
// export file, so it must not change.
#pragma pack(push, 1)
struct MacroRow
{
    std::uint8_t Code = 0; // instruction code, 0 = empty row
    std::uint8_t BIT = 0;  // bit 0 = double word (DW), bit 1 = signed
    std::uint8_t A1t = 0;  // OperandType of operand 1
    std::uint8_t A1fill = 0;
    std::uint16_t A1v = 0;
    std::uint8_t A2t = 0;
    std::uint8_t A2fill = 0;
    std::uint16_t A2v = 0;
    std::uint8_t A3t = 0;
    std::uint8_t A3fill = 0;
    std::uint16_t A3v = 0;
    ShortString<51> Comment{}; // comment text or CHR string; at most 50 bytes are kept

    bool isEmpty() const { return Code == 0; }
    // Stores text as GBK, cut to kMacroCommentMax bytes without splitting a character.
    void setComment(const QString &text);
};
#pragma pack(pop)

static_assert(sizeof(MacroRow) == 66);
static_assert(offsetof(MacroRow, A1v) == 4);
static_assert(offsetof(MacroRow, A2t) == 6);
static_assert(offsetof(MacroRow, A3v) == 12);
static_assert(offsetof(MacroRow, Comment) == 14);

using MacroRows = std::vector<MacroRow>;

inline constexpr int kMacroRowsShown = 100;  // rows the editor shows and the store holds
inline constexpr int kMacroBufferRows = 513; // the editor's row buffer (Insert pushes rows into it)
inline constexpr int kMacroMaxCompiled = 80; // instructions the panel accepts
inline constexpr int kMacroCommentMax = 50;  // bytes of Comment that are kept

// Flags in MacroRow::BIT.
inline constexpr std::uint8_t kMacroDoubleWord = 0x01;
inline constexpr std::uint8_t kMacroSigned = 0x02;

// Instruction codes (0 = empty row).
enum MacroCode : std::uint8_t {
    MacAdd = 1,
    MacSub,
    MacMul,
    MacDiv,
    MacMod,
    MacOr,
    MacAnd,
    MacXor,
    MacShl,
    MacShr,
    MacMov,
    MacBmov,
    MacFill,
    MacChr,
    MacIfEq,
    MacIfNe,
    MacIfGt,
    MacIfGe,
    MacIfLt,
    MacIfLe,
    MacIfAndZero,
    MacIfAndNonZero,
    MacIfBitOn,
    MacIfBitOff,
    MacGoto,
    MacLabel,
    MacCall,
    MacRet,
    MacEnd,
    MacSetb,
    MacClrb,
    MacInvb,
    MacTimeTick,
    MacComment,
    MacTxd,
    MacRxd,
    MacStr
};

// OperandType: bits 0..2 kind (0 constant "K", 1 register "D"), bit 3 bit-addressed,
// bits 4..7 bit number.
constexpr int operandKind(std::uint8_t type)
{
    return type & 0x07;
}
constexpr bool operandIsRegister(std::uint8_t type)
{
    return (type & 0x01) != 0;
}
constexpr bool operandIsBitAddressed(std::uint8_t type)
{
    return (type & 0x08) != 0;
}
constexpr int operandBitNumber(std::uint8_t type)
{
    return type >> 4;
}
constexpr std::uint8_t operandType(int kind, int bitNumber = 0, bool bitAddressed = false)
{
    return static_cast<std::uint8_t>((kind & 0x07) | (bitAddressed ? 0x08 : 0) |
                                     ((bitNumber & 0x0F) << 4));
}

// Index of the last non-empty row among the first kMacroRowsShown, -1 when all are empty.
int lastNonEmptyRow(const MacroRows &rows);

} // namespace brevix
