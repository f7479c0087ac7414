#include "macros/macroencoder.h"

#include "macros/macrostore.h"

namespace brevix {

namespace {

constexpr int kHeaderBytes = 6;
constexpr int kRecordBytes = 8;

void putWord(char *at, std::uint16_t value)
{
    at[0] = char(value & 0xFF);
    at[1] = char(value >> 8);
}

void encodeInstruction(char *at, const MacroRow &row)
{
    at[0] = char(row.Code);
    // Only the register flag of each operand reaches the panel; bit addresses are not encoded.
    at[1] = char((row.BIT & 0x03) | (row.A1t & 0x01) << 2 | (row.A2t & 0x01) << 3 |
                 (row.A3t & 0x01) << 4);
    putWord(at + 2, row.A1v);
    putWord(at + 4, row.A2v);
    putWord(at + 6, row.A3v);
}

} // namespace

bool isCompiledMacroCode(std::uint8_t code)
{
    return (code >= MacAdd && code <= MacMov) || (code >= MacIfEq && code <= MacIfLe) ||
           code == MacGoto || code == MacLabel || code == MacEnd;
}

Message macroTooLongMessage()
{
    return {
        QStringLiteral("宏程序代码行数超过 80 ！\r已放弃生成宏指令 ！"),
        QStringLiteral(
            "The macro has more than 80 code lines!\rThe macro instructions were not generated!")};
}

MacroArea ChangeMacCmd(const MacroRows &rows)
{
    MacroArea area;
    area.bytes = QByteArray(kMacroAreaSize, '\0');
    char *data = area.bytes.data();
    const int last = lastNonEmptyRow(rows);
    for (int i = 0; i <= last; ++i) {
        const MacroRow &row = rows[size_t(i)];
        if (!isCompiledMacroCode(row.Code))
            continue;
        ++area.instructionCount;
        if (area.instructionCount <= kMacroMaxCompiled)
            encodeInstruction(data + kHeaderBytes + kRecordBytes * (area.instructionCount - 1),
                              row);
    }
    if (area.instructionCount > kMacroMaxCompiled) {
        // The panel cannot hold the macro: leave it out entirely rather than cut it short.
        area.bytes.fill('\0');
        area.warning = macroTooLongMessage();
        return area;
    }
    if (area.instructionCount > 0) {
        const char n = char(area.instructionCount);
        const char header[kHeaderBytes] = {0x16, char(0xE9), n, n, char(0xE9), 0x16};
        std::copy(header, header + kHeaderBytes, data);
    }
    return area;
}

MacroArea ChangeMacCmd(const QString &projectPath)
{
    MacroRows rows;
    if (!MacroStore(projectPath).readRows(rows))
        rows.clear(); // an unreadable store compiles as no macro, as the build expects
    return ChangeMacCmd(rows);
}

} // namespace brevix
