#include "model/projectfile.h"

#include "model/gzipfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstring>

namespace brevix {

namespace {

constexpr qint64 kRecordBytes = qint64(kPageRecordSize);
constexpr qint64 kMaxImageBytes = kRecordBytes * kRecordCount;

bool writeWorkingFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool written = file.write(data) == data.size();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

// The project file itself: written beside the target, synced, then renamed over it.
bool writeFile(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(data) != data.size())
        return false;
    return file.commit();
}

Message fileAccessFailure(const QString &path)
{
    return {QStringLiteral("无法写入文件 %1").arg(QDir::toNativeSeparators(path)),
            QStringLiteral("Cannot write the file %1").arg(QDir::toNativeSeparators(path))};
}

} // namespace

Message wrongVersionMessage()
{
    return Message::same(QStringLiteral("File is the wrong version ！"));
}

Message compressorFailureMessage()
{
    return {
        QStringLiteral("内存分配失败，可能被杀毒软件错误拦截！\n\n请暂时关闭杀毒软件测试看看。"),
        QStringLiteral("Memory allocation failed; an antivirus program may have blocked it "
                       "by mistake!\n\nPlease turn the antivirus program off for a moment "
                       "and try again.")};
}

Message openFailedMessage(const QString &path, const Message &cause)
{
    const QString head = QStringLiteral("Open:") + path + QStringLiteral(" Failed ！\n\nCause:");
    return {head + cause.zh, head + cause.en};
}

int recordImageCount(const Project &project)
{
    return std::min(project.HighestPageInUse() + 1, kMaxPage) + 1;
}

QByteArray recordImage(Project &project)
{
    ProjectRecord &settings = project.settings();
    settings.Kind[kFormatMarkerCell] = kFormatMarkerByte;
    settings.WordA[kFormatMarkerCell] = kFormatMarkerWord;
    settings.Kind[1] = project.keptKind1;
    settings.TextA[1] = project.keptTextA1;
    const int count = recordImageCount(project);
    QByteArray image;
    image.resize(qsizetype(kRecordBytes * count));
    for (int n = 0; n < count; ++n)
        std::memcpy(image.data() + kRecordBytes * n, &project.record(n), kPageRecordSize);
    return image;
}

Result loadRecordImage(Project &project, const QByteArray &image, const QString &path)
{
    for (int n = 0; n <= kMaxPage; ++n)
        project.ClearPageStructure(n);
    // A ragged or oversized image is a damaged file: taking part of it would load half a project.
    if (image.isEmpty() || image.size() % kRecordBytes != 0 || image.size() > kMaxImageBytes)
        return Result::failure(openFailedMessage(path, compressorFailureMessage()));
    const auto *first = reinterpret_cast<const PageRecord *>(image.constData());
    std::uint16_t markerWord = 0;
    std::memcpy(&markerWord,
                image.constData() + offsetof(PageRecord, WordA) + 2 * kFormatMarkerCell, 2);
    if (first->Kind[kFormatMarkerCell] != kFormatMarkerByte || markerWord != kFormatMarkerWord)
        return Result::failure(wrongVersionMessage());
    const int count = int(image.size() / kRecordBytes);
    for (int n = 0; n < count; ++n)
        std::memcpy(&project.record(n), image.constData() + kRecordBytes * n, kPageRecordSize);

    ProjectRecord &settings = project.settings();
    if (settings.LongA[60] == 0)
        settings.LongA[60] = 8;
    if (settings.LongA[63] == 0)
        settings.LongA[63] = 8;
    project.keepCarriedCells();
    if (const int lowest = project.lowestPageInUse(); lowest != 0)
        project.currentPage = lowest;
    return Result::success();
}

QString savePathForChosen(const QString &chosen)
{
    QString path = chosen;
    if (!path.contains(QStringLiteral(".KX3")))
        path += QStringLiteral(".KX3");
    const QString folder = path.left(path.size() - 4);
    return folder + QLatin1Char('/') + QFileInfo(path).fileName();
}

bool createProjectFolder(const QString &projectPath)
{
    return QDir().mkpath(QFileInfo(projectPath).absolutePath());
}

QString companionPath(const QString &projectPath, const QString &extension)
{
    return projectPath.left(projectPath.size() - 4) + extension;
}

void copyCompanions(const QString &previousPath, const QString &newPath)
{
    for (const QString &ext : {QStringLiteral(".PIC"), QStringLiteral(".M")}) {
        const QString from = companionPath(previousPath, ext);
        const QString to = companionPath(newPath, ext);
        if (QFile::exists(from) && !QFile::exists(to))
            QFile::copy(from, to);
    }
}

Result saveProject(Project &project, const QString &path, const WorkFolder &work,
                   SaveOptions options)
{
    if (!work.ensureExists())
        return Result::failure(fileAccessFailure(work.path()));
    const QString plain = work.file(kSaveTempPlain);
    const QString packed = work.file(kSaveTempPacked);

    if (options.backup) {
        const QString backup = companionPath(path, QStringLiteral(".BAK"));
        // A project opened from its own backup is saved onto it; copying it first would delete
        // the only good copy before the new one exists.
        if (QFileInfo(backup).absoluteFilePath() != QFileInfo(path).absoluteFilePath() &&
            QFile::exists(path)) {
            QFile::remove(backup);
            QFile::copy(path, backup);
        }
    }

    Result result = Result::success();
    if (!writeWorkingFile(plain, recordImage(project))) {
        result = Result::failure(fileAccessFailure(plain));
    } else if (!ZipCompress(plain, packed)) {
        result = Result::failure(compressorFailureMessage());
    } else {
        QFile packedFile(packed);
        QByteArray bytes;
        if (packedFile.open(QIODevice::ReadOnly))
            bytes = packedFile.readAll();
        if (bytes.isEmpty())
            result = Result::failure(compressorFailureMessage());
        else if (!writeFile(path, bytes))
            result = Result::failure(fileAccessFailure(path));
    }
    work.removeSaveOpenTemps();
    return result;
}

Result openProject(Project &project, const QString &path, const WorkFolder &work)
{
    if (!work.ensureExists())
        return Result::failure(openFailedMessage(path, fileAccessFailure(work.path())));
    const QString copy = work.file(kSaveTempPlain);
    const QString plain = work.file(kSaveTempPacked);
    QFile::remove(copy);
    QByteArray image;
    bool readable = QFile::copy(path, copy) && ZipDecompression(copy, plain, kMaxImageBytes);
    if (readable) {
        QFile file(plain);
        readable = file.open(QIODevice::ReadOnly);
        if (readable)
            image = file.readAll();
    }
    work.removeSaveOpenTemps();
    if (!readable) {
        for (int n = 0; n <= kMaxPage; ++n)
            project.ClearPageStructure(n);
        return Result::failure(openFailedMessage(path, compressorFailureMessage()));
    }
    return loadRecordImage(project, image, path);
}

} // namespace brevix
