#include "sizereport.h"

#include "compiler/kxlayout.h"

namespace brevix::cli {

namespace {

QString bytes(qsizetype n)
{
    return QString::number(n).rightJustified(8);
}

QString share(qsizetype n, qsizetype limit)
{
    return QStringLiteral("%1 %").arg(100.0 * double(n) / double(limit), 5, 'f', 1);
}

} // namespace

void printSizeReport(QTextStream &out, const Project &project, const BuildResult &result,
                     Language language)
{
    const bool zh = language == Language::Chinese;
    const SizeReport &r = result.report;
    const qsizetype limit = kx::kImageLimit;
    out << (zh ? QStringLiteral("KX.bin 空间分配 (上限 %1 字节 = 150 KB)\n")
               : QStringLiteral("KX.bin size budget (limit %1 bytes = 150 KB)\n"))
               .arg(limit);
    out << "  "
        << (zh ? QStringLiteral("参数头和宏区").leftJustified(28)
               : QStringLiteral("settings header and macro area").leftJustified(28))
        << bytes(r.headerBytes) << "  " << share(r.headerBytes, limit)
        << (zh ? QStringLiteral("  (宏 %1 字节)") : QStringLiteral("  (macro %1 bytes)"))
               .arg(r.macroBytes)
        << "\n";
    for (const auto &page : r.pages) {
        const QString name = project.record(page.page).PageStrings[PageName].text();
        const QString label = (zh ? QStringLiteral("画面 %1 %2") : QStringLiteral("page %1 %2"))
                                  .arg(page.page)
                                  .arg(name);
        out << "  " << label.leftJustified(28) << bytes(page.bytes) << "  "
            << share(page.bytes, limit)
            << (zh ? QStringLiteral("  %1 条记录") : QStringLiteral("  %1 records"))
                   .arg(page.records)
            << "\n";
    }
    out << "  "
        << (zh ? QStringLiteral("报警文本") : QStringLiteral("alarm texts")).leftJustified(28)
        << bytes(r.alarmBytes) << "  " << share(r.alarmBytes, limit) << "\n";
    out << "  "
        << (zh ? QStringLiteral("图片区") : QStringLiteral("picture area")).leftJustified(28)
        << bytes(r.pictureAreaBytes) << "  " << share(r.pictureAreaBytes, limit) << "\n";
    for (const auto &picture : r.pictures)
        out << "    "
            << (zh ? QStringLiteral("图片 %1") : QStringLiteral("picture %1"))
                   .arg(picture.id)
                   .leftJustified(26)
            << bytes(picture.bytes) << "  " << share(picture.bytes, limit) << "\n";
    const qsizetype left = limit - r.total;
    out << "  " << (zh ? QStringLiteral("合计") : QStringLiteral("total")).leftJustified(28)
        << bytes(r.total) << "  " << share(r.total, limit) << "  "
        << (left >= 0
                ? (zh ? QStringLiteral("剩余 %1 字节") : QStringLiteral("%1 bytes left")).arg(left)
                : (zh ? QStringLiteral("超出 %1 字节") : QStringLiteral("%1 bytes over"))
                      .arg(-left))
        << "\n";
    if (result.spiBuilt) {
        out << (zh ? QStringLiteral("SPI.bin %1 字节 (上限 %2)\n")
                   : QStringLiteral("SPI.bin %1 bytes (limit %2)\n"))
                   .arg(r.spiTotal)
                   .arg(kx::kSpiImageLimit);
        for (const auto &picture : r.spiPictures)
            out << "    "
                << (zh ? QStringLiteral("图片 %1") : QStringLiteral("picture %1"))
                       .arg(picture.id)
                       .leftJustified(26)
                << bytes(picture.bytes) << "\n";
    }
    out.flush();
}

} // namespace brevix::cli
