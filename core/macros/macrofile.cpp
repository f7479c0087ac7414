#include "macros/macrofile.h"

#include "macros/macrostore.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cstring>

namespace brevix {

namespace {

constexpr int kRecordSize = int(sizeof(MacroRow));
constexpr int kVersionOffset = 4;
constexpr int kSignatureOffset = 14;

QByteArray headerRecord()
{
    QByteArray header(kRecordSize, '\0');
    header[kVersionOffset] = char(kMacroFileVersion & 0xFF);
    header[kVersionOffset + 1] = char(kMacroFileVersion >> 8);
    header[kSignatureOffset] = char(kMacroFileSignature.size());
    std::memcpy(header.data() + kSignatureOffset + 1, kMacroFileSignature.constData(),
                size_t(kMacroFileSignature.size()));
    return header;
}

bool headerMatches(const QByteArray &bytes)
{
    if (bytes.size() < kRecordSize)
        return false;
    const QByteArray expected = headerRecord();
    return bytes.mid(kVersionOffset, 2) == expected.mid(kVersionOffset, 2) &&
           bytes.mid(kSignatureOffset, 11) == expected.mid(kSignatureOffset, 11);
}

} // namespace

Message macroFileVersionMessage()
{
    return {QStringLiteral("文件版本错误 ！"), QStringLiteral("Wrong file version!")};
}

QByteArray macroFileBytes(const MacroRows &rows)
{
    QByteArray out = headerRecord();
    const int last = lastNonEmptyRow(rows);
    for (int i = 0; i <= last; ++i) {
        MacroRow row = rows[size_t(i)];
        // The fill bytes and the unused part of the text carry nothing; write them as zeros.
        row.A1fill = row.A2fill = row.A3fill = 0;
        const QByteArray comment = row.Comment.bytes();
        std::memset(row.Comment.chars, 0, sizeof row.Comment.chars);
        row.Comment.setBytes(comment);
        out.append(reinterpret_cast<const char *>(&row), kRecordSize);
    }
    return out;
}

Result parseMacroFile(const QByteArray &bytes, MacroRows &rows)
{
    rows.clear();
    if (!headerMatches(bytes))
        return Result::failure(macroFileVersionMessage());
    const qsizetype records = bytes.size() / kRecordSize - 1;
    for (qsizetype i = 0; i < records && i < kMacroRowsShown; ++i) {
        MacroRow row;
        std::memcpy(static_cast<void *>(&row), bytes.constData() + (i + 1) * kRecordSize,
                    size_t(kRecordSize));
        // A damaged length byte must not reach past the text; keep at most 50 bytes.
        const char *text = bytes.constData() + (i + 1) * kRecordSize + kSignatureOffset;
        const qsizetype length = std::min<qsizetype>(std::uint8_t(text[0]), kMacroCommentMax);
        row.Comment.setBytes(
            QByteArray(text + 1, gbkCutLength(text + 1, length, kMacroCommentMax)));
        rows.push_back(row);
    }
    return Result::success();
}

QString macroExportPath(const QString &chosen)
{
    const QFileInfo info(chosen);
    const QString suffix = info.suffix();
    const QString base = suffix.isEmpty() ? chosen : chosen.left(chosen.size() - suffix.size() - 1);
    return base + QStringLiteral(".Mac");
}

Result exportMacroFile(const QString &chosen, const MacroRows &rows, QString *writtenPath)
{
    if (Result checked = checkMacroLabels(rows); !checked)
        return checked;
    const QString path = macroExportPath(chosen);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(macroFileBytes(rows)) < 0 || !file.commit())
        return Result::failure(QStringLiteral("无法写入文件 %1 ！").arg(path),
                               QStringLiteral("Cannot write the file %1!").arg(path));
    if (writtenPath)
        *writtenPath = path;
    return Result::success();
}

Result importMacroFile(const QString &path, MacroRows &rows)
{
    rows.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result::failure(QStringLiteral("无法读取文件 %1 ！").arg(path),
                               QStringLiteral("Cannot read the file %1!").arg(path));
    // Only the shown rows are taken, so there is no need to read more than that.
    const QByteArray bytes = file.read(qint64(kMacroRowsShown + 1) * kRecordSize);
    return parseMacroFile(bytes, rows);
}

} // namespace brevix
