// Feeds arbitrary bytes to the project-file reader: as a gzip stream and as a raw record image.
#include "model/gzipfile.h"
#include "model/projectfile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static brevix::Project project;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QByteArray plain;
    if (brevix::gzipInflate(bytes, qint64(241) * 197188, plain))
        brevix::loadRecordImage(project, plain, QStringLiteral("fuzz.KX3"));
    // Raw images of record size are the interesting ones for the marker and page checks.
    QByteArray image = bytes;
    if (!image.isEmpty() && image.size() < qsizetype(197188))
        image = image.leftJustified(197188, '\0');
    brevix::loadRecordImage(project, image, QStringLiteral("fuzz.KX3"));
    return 0;
}
