#pragma once

#include "macros/macrorow.h"
#include "text/message.h"

#include <QByteArray>
#include <QString>

namespace brevix {

// The ".Mac" export file: 66-byte records; record 0 is a header with 8585 at bytes 4..5 and a
// length byte 10 + "Kestrowind" at bytes 14..24; records 1.. are rows 0..L in MacroRow layout.
inline constexpr std::uint16_t kMacroFileVersion = 8585;
inline const QByteArray kMacroFileSignature = QByteArrayLiteral("Kestrowind");

// The file bytes for rows 0..L of the first 100 (no label check).
QByteArray macroFileBytes(const MacroRows &rows);
// Reads an export file's bytes into at most kMacroRowsShown rows. A wrong header gives
// "文件版本错误 ！" and no rows; a trailing partial record is ignored; bounded for any input.
Result parseMacroFile(const QByteArray &bytes, MacroRows &rows);

// The path an export is written to: the chosen name with its extension replaced by ".Mac".
QString macroExportPath(const QString &chosen);
// Export: label checks, then header and rows written atomically to macroExportPath(chosen).
Result exportMacroFile(const QString &chosen, const MacroRows &rows,
                       QString *writtenPath = nullptr);
// Import: reads and parses a file.
Result importMacroFile(const QString &path, MacroRows &rows);

Message macroFileVersionMessage();

} // namespace brevix
