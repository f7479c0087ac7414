#pragma once

#include "text/message.h"

#include <QByteArray>
#include <QString>

namespace brevix {

// The project file's compressor: a standard gzip stream (RFC 1952), so zcat reads a project.
// Both take paths, as the editor's save and open steps expect, and write the destination whole.
Result ZipCompress(const QString &source, const QString &destination);
// Refuses (without writing past it) any stream that inflates to more than maxOutput bytes.
Result ZipDecompression(const QString &source, const QString &destination,
                        qint64 maxOutput = qint64(1) << 30);

// The same on memory. gzipInflate fails on a damaged stream or one larger than maxOutput.
QByteArray gzipDeflate(const QByteArray &data, int level = 6);
bool gzipInflate(const QByteArray &data, qint64 maxOutput, QByteArray &out);

} // namespace brevix
