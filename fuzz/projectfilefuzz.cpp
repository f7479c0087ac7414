// Feeds arbitrary bytes to the project-file reader: as a gzip stream, and as a raw record image
// carrying valid markers so the page-taking path is reached too.
#include "model/gzipfile.h"
#include "model/projectfile.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static brevix::Project project;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QByteArray plain;
    if (brevix::gzipInflate(bytes, qint64(241) * 197188, plain))
        brevix::loadRecordImage(project, plain, QStringLiteral("fuzz.KX3"));

    const qsizetype records = 1 + qsizetype(size % 3);
    QByteArray image(records * qsizetype(brevix::kPageRecordSize), '\0');
    std::memcpy(image.data(), bytes.constData(), std::min<size_t>(size, size_t(image.size())));
    image[qsizetype(offsetof(brevix::PageRecord, Kind) + 198)] = char(168);
    const std::uint16_t marker = 9595;
    std::memcpy(image.data() + offsetof(brevix::PageRecord, WordA) + 2 * 198, &marker, 2);
    brevix::loadRecordImage(project, image, QStringLiteral("fuzz.KX3"));
    project.HighestPageInUse();
    return 0;
}
