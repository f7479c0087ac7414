// Feeds arbitrary bytes to the macro export-file reader, then shows and encodes what it read.
#include "macros/macroencoder.h"
#include "macros/macrofile.h"
#include "macros/macrostore.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Half the inputs get a valid header so the records behind it are reached.
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (size > 0 && (data[0] & 1))
        bytes = brevix::macroFileBytes({}) + bytes;
    brevix::MacroRows rows;
    if (!brevix::parseMacroFile(bytes, rows))
        return 0;
    for (const brevix::MacroRow &row : rows)
        brevix::MacCodeToStr(row);
    brevix::checkMacroLabels(rows);
    const brevix::MacroArea area = brevix::ChangeMacCmd(rows);
    if (area.bytes.size() != brevix::kMacroAreaSize)
        __builtin_trap();
    return 0;
}
