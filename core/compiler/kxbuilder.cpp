#include "compiler/kxbuilder.h"

#include "compiler/imagewriter.h"
#include "compiler/kxlayout.h"
#include "compiler/pageblock.h"
#include "compiler/settingsheader.h"
#include "pictures/pictureconversion.h"
#include "pictures/picturestore.h"
#include "pictures/rgb565.h"

#include <QDir>
#include <QSaveFile>

namespace brevix {

Message imageTooLargeMessage()
{
    return {QStringLiteral("目标文件超过 150 KB ！\r已放弃生成目标文件 ！"),
            QStringLiteral("The target file exceeds 150 KB!\rNo target file was generated!")};
}

Message spiQuestionMessage(const QStringList &candidates)
{
    const QString list = candidates.join(QLatin1Char('\r')) + QLatin1Char('\r');
    return {QStringLiteral("工程存在 SPI 图库 :\r") + list +
                QStringLiteral("需要更新到 SPI Flash 吗 ?"),
            QStringLiteral("The project has an SPI picture library:\r") + list +
                QStringLiteral("Update the SPI Flash as well?")};
}

Message compileFailedMessage()
{
    return {QStringLiteral("编译程序失败 ！"), QStringLiteral("Compiler failed!")};
}

Message pageNumberInvalidMessage(int page)
{
    return {QStringLiteral("画面 %1 的画面号不是数字 ！").arg(page),
            QStringLiteral("Page %1: its page number is not a number!").arg(page)};
}

Message keyJumpInvalidMessage(int page, int key)
{
    return {
        QStringLiteral("画面 %1 的按键 %2 跳转画面号不是数字 ！").arg(page).arg(key),
        QStringLiteral("Page %1: the jump target of key %2 is not a number!").arg(page).arg(key)};
}

namespace {

void writeAlarmTable(ImageWriter &image, const ProjectRecord &settings)
{
    const int count = settings.WordA[102];
    for (int k = 1; k <= count; ++k) {
        // Cells past the table's end hold no alarm text; the check warns about such counts.
        const QByteArray text = 99 + k < kSlotCount ? settings.TextA[99 + k].bytes() : QByteArray();
        image.text(text.isEmpty() ? QByteArrayLiteral(".") : text);
    }
}

void writeMacroArea(ImageWriter &image, const MacroArea &macro, SizeReport &report)
{
    const QByteArray area = macro.bytes.left(kx::kMacroAreaEnd - kx::kMacroArea);
    image.setBytes(kx::kMacroArea, area);
    if (area.size() >= 4 && static_cast<unsigned char>(area[0]) == 0x16)
        report.macroBytes = 6 + 8 * qsizetype(static_cast<unsigned char>(area[2]));
}

// Pictures below 50 (the system picture 0 included) into the download image, in library order.
// A picture too large for what is left of the limit is only counted, never stored.
void writePictureArea(ImageWriter &image, const PictureRows &rows, BuildResult &result)
{
    const qsizetype countAt = image.size();
    image.u8(0);
    unsigned count = 0;
    for (const PictureRow &row : rows) {
        if (row.ID >= kFirstSpiPictureId) {
            result.spiCandidates << QString::number(row.ID) + row.Ext;
            continue;
        }
        const QImage picture = decodePicture(row.Pic, row.Ext);
        if (picture.isNull()) {
            result.notes.push_back(
                {QStringLiteral("图片 %1%2 无法解码，已跳过 ！").arg(row.ID).arg(row.Ext),
                 QStringLiteral("Picture %1%2 cannot be decoded; it was skipped!")
                     .arg(row.ID)
                     .arg(row.Ext)});
            continue;
        }
        ++count;
        image.setU8(countAt, count);
        const qsizetype size = pictureRecordSize(picture.width(), picture.height());
        if (image.size() + size <= image.capacity()) {
            QByteArray record;
            record.reserve(size);
            appendPictureRecord(record, picture);
            for (char c : record)
                image.u8(static_cast<unsigned char>(c));
        } else {
            image.skip(size);
        }
        result.report.pictures.push_back({row.ID, size});
    }
}

void buildSpi(const BuildInputs &inputs, BuildResult &result)
{
    PictureConversion spi = BmpToArray(inputs.pictures, PicturePass::Spi);
    for (const UndecodablePicture &u : spi.undecodable)
        result.notes.push_back(u.message);
    if (spi.spiLimitExceeded) {
        result.notes.push_back(spiLimitMessage());
        return;
    }
    if (spi.bytes.size() <= 10)
        return;
    result.spi = spi.bytes;
    result.spiBuilt = true;
    result.report.spiTotal = spi.bytes.size();
    for (const PictureRow &row : inputs.pictures) {
        if (row.ID > kFirstSpiPictureId && row.ID <= kLastSpiPictureId) {
            const QImage picture = decodePicture(row.Pic, row.Ext);
            if (!picture.isNull())
                result.report.spiPictures.push_back(
                    {row.ID, pictureRecordSize(picture.width(), picture.height())});
        }
    }
}

} // namespace

BuildResult BuildDownloadImage(const Project &project, const BuildInputs &inputs,
                               const BuildOptions &options)
{
    BuildResult result;
    ImageWriter image(kx::kImageLimit);
    const ProjectRecord &settings = project.settings();
    const int protocol = settings.Height[0];

    image.zeros(kx::kPageCount);
    writeSettingsHeader(image, settings);
    image.u8(0); // page count at 800
    result.report.headerBytes = image.size();

    const int highest = project.HighestPageInUse();
    unsigned pageBlocks = 0;
    for (int page = 1; page <= highest; ++page) {
        if (!project.PageExists(page))
            continue;
        ++pageBlocks;
        image.setU8(kx::kPageCount, pageBlocks);
        const qsizetype start = image.size();
        int records = 0;
        const Result written = writePageBlock(image, project, page, protocol, records);
        if (!written) {
            result.error = written.message();
            return result;
        }
        result.report.pages.push_back({page, image.size() - start, records});
    }

    image.setU32(kx::kAlarmTableOffset, std::uint32_t(image.size()));
    const qsizetype alarmsAt = image.size();
    writeAlarmTable(image, settings);
    result.report.alarmBytes = image.size() - alarmsAt;
    image.setU32(kx::kPictureAreaOffset, std::uint32_t(image.size()));

    writeMacroArea(image, inputs.macro, result.report);
    if (inputs.macro.warning)
        result.notes.push_back(*inputs.macro.warning);

    const qsizetype picturesAt = image.size();
    writePictureArea(image, inputs.pictures, result);
    result.report.pictureAreaBytes = image.size() - picturesAt;

    QString spiText;
    if (!result.spiCandidates.isEmpty() && options.spi) {
        buildSpi(inputs, result);
        if (result.spiBuilt)
            spiText = QStringLiteral(" / SPI: %1 KB").arg(result.spi.size() / 1024);
    }

    result.imageSize = image.size();
    result.report.total = image.size();
    if (image.overflowed()) {
        result.error = imageTooLargeMessage();
        result.spi.clear();
        result.spiBuilt = false;
        return result;
    }
    result.kx = image.bytes();
    result.sizeText = QStringLiteral("%1 KB").arg(result.kx.size() / 1024) + spiText;
    result.ok = true;
    return result;
}

Result loadBuildInputs(const QString &projectPath, BuildInputs &inputs)
{
    inputs = BuildInputs{};
    const Result pictures = readPicturesForCompile(projectPath, inputs.pictures);
    if (!pictures)
        return pictures;
    inputs.macro = ChangeMacCmd(projectPath);
    return Result::success();
}

namespace {

Result writeWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return Result::failure(
            QStringLiteral("无法写入 %1 ！").arg(QDir::toNativeSeparators(path)),
            QStringLiteral("Cannot write %1!").arg(QDir::toNativeSeparators(path)));
    return Result::success();
}

} // namespace

Result writeBuildOutput(const BuildResult &result, const QString &folder)
{
    if (!result.ok)
        return Result::failure(result.error);
    if (!QDir().mkpath(folder))
        return Result::failure(QStringLiteral("无法创建文件夹 %1 ！").arg(folder),
                               QStringLiteral("Cannot create the folder %1!").arg(folder));
    const Result kx = writeWhole(QDir(folder).filePath(QStringLiteral("KX.bin")), result.kx);
    if (!kx || !result.spiBuilt)
        return kx;
    return writeWhole(QDir(folder).filePath(QStringLiteral("SPI.bin")), result.spi);
}

int applyLampTextDefaults(Project &project)
{
    int changed = 0;
    for (int page = 1; page <= kMaxPage; ++page) {
        if (!project.PageExists(page))
            continue;
        PageRecord &r = project.record(page);
        for (int slot = 0; slot < kSlotCount; ++slot) {
            if (r.Kind[slot] != 3)
                continue;
            if (r.TextA[slot].isEmpty()) {
                r.TextA[slot].setBytes("0");
                ++changed;
            }
            if (r.TextB[slot].isEmpty()) {
                r.TextB[slot].setBytes("1");
                ++changed;
            }
        }
    }
    return changed;
}

} // namespace brevix
