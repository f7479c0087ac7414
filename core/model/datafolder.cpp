#include "model/datafolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace brevix {

QString dataFolder()
{
    const QString fromEnv = qEnvironmentVariable("BREVIX_DATADIR");
    if (!fromEnv.isEmpty())
        return QDir::cleanPath(fromEnv);
#ifdef BREVIX_BUILD_DATA_DIR
    if (QFileInfo::exists(QStringLiteral(BREVIX_BUILD_DATA_DIR)))
        return QStringLiteral(BREVIX_BUILD_DATA_DIR);
#endif
    const QString besideProgram =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/brevix");
    return QDir::cleanPath(besideProgram);
}

QString dataFile(const QString &relativePath)
{
    return dataFolder() + QLatin1Char('/') + relativePath;
}

} // namespace brevix
