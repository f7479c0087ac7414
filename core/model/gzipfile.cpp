#include "model/gzipfile.h"

#include <QFile>
#include <zlib.h>

namespace brevix {

namespace {

constexpr int kGzipWindowBits = 15 + 16; // zlib's way of asking for a gzip wrapper

Message ioFailure(const QString &path)
{
    return {QStringLiteral("无法读写文件 %1").arg(path),
            QStringLiteral("Cannot read or write the file %1").arg(path)};
}

bool readAll(const QString &path, QByteArray &out)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    out = file.readAll();
    return file.error() == QFileDevice::NoError;
}

// The destinations are working files, rewritten on every use: no need to sync them to disk.
bool writeAll(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    if (file.write(data) != data.size())
        return false;
    file.close();
    return file.error() == QFileDevice::NoError;
}

} // namespace

QByteArray gzipDeflate(const QByteArray &data, int level)
{
    z_stream zs{};
    if (deflateInit2(&zs, level, Z_DEFLATED, kGzipWindowBits, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return {};
    QByteArray out;
    out.resize(qsizetype(deflateBound(&zs, uLong(data.size()))) + 32);
    zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    zs.avail_in = uInt(data.size());
    zs.next_out = reinterpret_cast<Bytef *>(out.data());
    zs.avail_out = uInt(out.size());
    const int rc = deflate(&zs, Z_FINISH);
    const qsizetype written = qsizetype(zs.total_out);
    deflateEnd(&zs);
    if (rc != Z_STREAM_END)
        return {};
    out.truncate(written);
    return out;
}

bool gzipInflate(const QByteArray &data, qint64 maxOutput, QByteArray &out)
{
    out.clear();
    z_stream zs{};
    if (inflateInit2(&zs, kGzipWindowBits) != Z_OK)
        return false;
    zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    zs.avail_in = uInt(data.size());
    constexpr qsizetype chunk = 1 << 18;
    int rc = Z_OK;
    while (rc != Z_STREAM_END) {
        const qsizetype before = out.size();
        out.resize(before + chunk);
        zs.next_out = reinterpret_cast<Bytef *>(out.data() + before);
        zs.avail_out = uInt(chunk);
        rc = inflate(&zs, Z_NO_FLUSH);
        out.resize(before + chunk - qsizetype(zs.avail_out));
        if (out.size() > maxOutput)
            break;
        if (rc != Z_OK && rc != Z_STREAM_END)
            break;
        if (rc == Z_OK && zs.avail_in == 0 && zs.avail_out != 0)
            break; // truncated stream: no more input and no end marker
    }
    inflateEnd(&zs);
    if (rc != Z_STREAM_END || out.size() > maxOutput) {
        out.clear();
        return false;
    }
    return true;
}

Result ZipCompress(const QString &source, const QString &destination)
{
    QByteArray data;
    if (!readAll(source, data))
        return Result::failure(ioFailure(source));
    const QByteArray packed = gzipDeflate(data);
    if (packed.isEmpty())
        return Result::failure(QStringLiteral("压缩失败"), QStringLiteral("Compression failed"));
    if (!writeAll(destination, packed))
        return Result::failure(ioFailure(destination));
    return Result::success();
}

Result ZipDecompression(const QString &source, const QString &destination, qint64 maxOutput)
{
    QByteArray data;
    if (!readAll(source, data))
        return Result::failure(ioFailure(source));
    QByteArray plain;
    if (!gzipInflate(data, maxOutput, plain))
        return Result::failure(QStringLiteral("解压失败"), QStringLiteral("Decompression failed"));
    if (!writeAll(destination, plain))
        return Result::failure(ioFailure(destination));
    return Result::success();
}

} // namespace brevix
