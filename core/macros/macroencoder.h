#pragma once

#include "macros/macrorow.h"
#include "text/message.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace brevix {

// Text of one operand: signed decimal for a constant when the row is Signed, "D" prefix for
// registers (type bit 0), ".X" hex bit number when bit-addressed and the kind is not 3.
QString MacReStr(std::uint8_t type, std::uint16_t value, std::uint8_t bitFlags);

struct MacroRowText
{
    QString text;
    bool commentStyle = false; // comment rows are drawn in the comment style
};

// The text form of a row, exactly as the editor and printout show it (spaces included); empty
// for an empty row or an unknown code.
MacroRowText MacCodeToStr(const MacroRow &row);

// True for the codes the panel executes and the compiler encodes (1..11, 15..20, 25, 26, 29).
bool isCompiledMacroCode(std::uint8_t code);

// Where the macro area lies in KX.bin.
inline constexpr int kMacroAreaOffset = 150;
inline constexpr int kMacroAreaSize = 650; // offsets 150..799

// The compiled macro: the exact bytes of KX.bin offsets 150..799 (kMacroAreaSize bytes).
// With 1..80 compiled instructions: 16 E9 n n E9 16 at 150..155, 8-byte records from 156
// (code, flags, A1v, A2v, A3v little-endian), zeros after the last one up to 799. With none, or
// more than 80 (then `warning` holds the message box text), all 650 bytes are zero.
struct MacroArea
{
    QByteArray bytes;
    int instructionCount = 0;       // compiled instructions counted (may exceed 80)
    std::optional<Message> warning; // set when the count exceeds 80
};

// Encodes the first kMacroRowsShown rows (up to the last non-empty one) into the macro area.
MacroArea ChangeMacCmd(const MacroRows &rows);
// The build's step: reloads the project's stored macro (never creating the store) and encodes
// it. An unreadable or missing store gives an all-zero area with no message.
MacroArea ChangeMacCmd(const QString &projectPath);

// "宏程序代码行数超过 80 ！\r已放弃生成宏指令 ！" in both languages.
Message macroTooLongMessage();

} // namespace brevix
