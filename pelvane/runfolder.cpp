#include "runfolder.h"

#include <QDir>
#include <QFile>

namespace brevix::pelvane {

QString runFolderPath(const QString &workFolder, int instance)
{
    return workFolder + QStringLiteral("/Pelvane/Run") + QString::number(instance);
}

void prepareRunFolder(const QString &path)
{
    QDir().mkpath(path);
    cleanRunFolder(path);
}

void cleanRunFolder(const QString &path)
{
    QDir dir(path);
    dir.setNameFilters({QStringLiteral("*.BMP"), QStringLiteral("*.PS6"), QStringLiteral("*.BIN"),
                        QStringLiteral("*.Txt"), QStringLiteral("*.mdb")});
    dir.setFilter(QDir::Files | QDir::Hidden | QDir::CaseSensitive);
    dir.setFilter(QDir::Files | QDir::Hidden);
    for (const QString &name : dir.entryList())
        QFile::remove(dir.filePath(name));
}

} // namespace brevix::pelvane
