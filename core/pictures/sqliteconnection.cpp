#include "pictures/sqliteconnection.h"

#include "model/datafolder.h"

#include <QAtomicInt>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>

namespace brevix {

namespace {

QAtomicInt connectionCounter;

} // namespace

SqliteConnection::SqliteConnection(const QString &purpose)
    : m_name(
          QStringLiteral("brevix-%1-%2").arg(purpose).arg(connectionCounter.fetchAndAddRelaxed(1)))
{
}

SqliteConnection::~SqliteConnection()
{
    close();
}

Result SqliteConnection::open(const QString &path)
{
    close();
    if (!QFileInfo(path).isFile())
        return Result::failure(storeOpenFailedMessage(path, QStringLiteral("no such file")));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    db.setDatabaseName(path);
    if (!db.open()) {
        const QString detail = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        return Result::failure(storeOpenFailedMessage(path, detail));
    }
    return Result::success();
}

void SqliteConnection::close()
{
    if (!QSqlDatabase::contains(m_name))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

bool SqliteConnection::isOpen() const
{
    return QSqlDatabase::contains(m_name) && QSqlDatabase::database(m_name, false).isOpen();
}

QSqlDatabase SqliteConnection::database() const
{
    return QSqlDatabase::database(m_name, false);
}

Result createStoreFromTemplate(const QString &templatePath, const QString &path)
{
    if (!QFileInfo(templatePath).isFile())
        return Result::failure(QStringLiteral("找不到模板文件 %1 ！").arg(templatePath),
                               QStringLiteral("The template %1 was not found!").arg(templatePath));
    if (!QFile::copy(templatePath, path))
        return Result::failure(QStringLiteral("无法创建 %1 ！").arg(path),
                               QStringLiteral("Cannot create %1!").arg(path));
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner |
                                    QFileDevice::ReadOwner);
    return Result::success();
}

QString storeTemplatePath(const QString &workFolderPath, const QString &name)
{
    const QString inWork = workFolderPath + QLatin1Char('/') + name;
    if (QFileInfo(inWork).isFile())
        return inWork;
    return dataFile(QStringLiteral("stores/") + name);
}

Message storeOpenFailedMessage(const QString &path, const QString &detail)
{
    return {QStringLiteral("无法打开数据库 %1 ！\n%2").arg(path, detail),
            QStringLiteral("Cannot open the database %1!\n%2").arg(path, detail)};
}

} // namespace brevix
