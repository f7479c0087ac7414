#include "devicelink/customerpackage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace brevix {

QString updateProgramPath()
{
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/vzupdate");
    if (QFileInfo::exists(beside))
        return beside;
#ifdef BREVIX_BUILD_DATA_DIR
    const QString built =
        QStringLiteral(BREVIX_BUILD_DATA_DIR) + QStringLiteral("/../vzupdate/vzupdate");
    if (QFileInfo::exists(built))
        return QDir::cleanPath(built);
#endif
    return beside;
}

Result buildCustomerPackage(const QString &folder, const QString &programPath,
                            const QString &imagePath)
{
    if (!QFileInfo(imagePath).isFile())
        return Result::failure(QStringLiteral("找不到 KX.bin，请先编译。"),
                               QStringLiteral("KX.bin not found; build the project first."));
    if (!QFileInfo(programPath).isFile())
        return Result::failure(QStringLiteral("找不到更新程序 %1").arg(programPath),
                               QStringLiteral("Update program %1 not found").arg(programPath));
    const QDir dir(folder);
    const bool created = !dir.exists();
    if (!QDir().mkpath(folder))
        return Result::failure(QStringLiteral("无法创建文件夹 %1").arg(folder),
                               QStringLiteral("Cannot create folder %1").arg(folder));
    const QString programTarget = dir.filePath(QFileInfo(programPath).fileName());
    const QString imageTarget = dir.filePath(kPackageImageName);
    QFile::remove(programTarget);
    QFile::remove(imageTarget);
    if (QFile::copy(programPath, programTarget) && QFile::copy(imagePath, imageTarget)) {
        QFile::setPermissions(programTarget, QFile::permissions(programPath));
        return Result::success();
    }
    QFile::remove(programTarget);
    QFile::remove(imageTarget);
    if (created)
        QDir().rmdir(folder);
    return Result::failure(QStringLiteral("无法写入 %1").arg(folder),
                           QStringLiteral("Cannot write into %1").arg(folder));
}

} // namespace brevix
