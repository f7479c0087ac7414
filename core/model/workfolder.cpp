#include "model/workfolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace brevix {

WorkFolder::WorkFolder() : m_path(defaultPath()) {}

WorkFolder::WorkFolder(const QString &path) : m_path(QDir::cleanPath(path)) {}

QString WorkFolder::defaultPath()
{
    const QString fromEnv = qEnvironmentVariable("BREVIX_WORKDIR");
    if (!fromEnv.isEmpty())
        return QDir::cleanPath(fromEnv);
    return QDir::homePath() + QStringLiteral("/.local/share/Brevix/work");
}

QString WorkFolder::file(const QString &name) const
{
    return m_path + QLatin1Char('/') + name;
}

bool WorkFolder::ensureExists() const
{
    QDir dir(m_path);
    if (!dir.exists() && !QDir().mkpath(m_path))
        return false;
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return true;
}

void WorkFolder::removeSaveOpenTemps() const
{
    QFile::remove(file(kSaveTempPlain));
    QFile::remove(file(kSaveTempPacked));
}

void WorkFolder::removeAllWorkingFiles() const
{
    removeSaveOpenTemps();
    QFile::remove(file(kClipboardRecordFile));
}

} // namespace brevix

#include <unistd.h>

namespace brevix {

void prepareRuntimeEnvironment()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QString dir = QDir::tempPath() + QStringLiteral("/runtime-%1").arg(getuid());
    QDir().mkpath(dir);
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir));
}

} // namespace brevix
