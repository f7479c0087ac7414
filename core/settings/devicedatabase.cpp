#include "settings/devicedatabase.h"

#include "model/datafolder.h"
#include "text/numbertext.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

namespace brevix {

namespace {

QAtomicInt connectionCounter;

int numberOr0(const QString &text)
{
    const auto value = parseDecimal(text.toLatin1());
    if (!value || *value < 0 || *value > 0x7fffffff)
        return 0;
    return int(*value);
}

} // namespace

int DeviceList::wordMax(int d) const
{
    return (d >= 0 && d < int(words.size())) ? words[size_t(d)].maxNumber : 0;
}

int DeviceList::bitMax(int d) const
{
    return (d >= 0 && d < int(bits.size())) ? bits[size_t(d)].maxNumber : 0;
}

int DeviceList::bitDataBit(int d) const
{
    return (d >= 0 && d < int(bits.size())) ? bits[size_t(d)].dataBit : 0;
}

QString DeviceDatabase::defaultPath()
{
    return dataFile(QStringLiteral("KXRes.Dat"));
}

DeviceDatabase::DeviceDatabase(const QString &path)
    : m_path(path),
      m_connection(QStringLiteral("brevix-devices-%1").arg(connectionCounter.fetchAndAddRelaxed(1)))
{
}

DeviceDatabase::~DeviceDatabase()
{
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

Message deviceDatabaseMissingMessage(const QString &path)
{
    return {QStringLiteral("无法读取设备数据库 %1 ！").arg(path),
            QStringLiteral("Cannot read the device database %1!").arg(path)};
}

Result DeviceDatabase::open()
{
    // SQLite would create an empty file for a missing path; a read-only open must not.
    if (!QFileInfo(m_path).isFile())
        return Result::failure(deviceDatabaseMissingMessage(m_path));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    m_open = db.open();
    if (!m_open)
        return Result::failure(deviceDatabaseMissingMessage(m_path));
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("select Name from sort"))) {
        m_open = false;
        return Result::failure(deviceDatabaseMissingMessage(m_path));
    }
    return Result::success();
}

QStringList DeviceDatabase::LoadDeviceSort() const
{
    QStringList names;
    if (!m_open)
        return names;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.exec(QStringLiteral("select Name from sort order by rowid")))
        return names;
    while (query.next())
        names << query.value(0).toString();
    return names;
}

DeviceList DeviceDatabase::devicesOf(int familyIndex) const
{
    DeviceList list;
    if (!m_open || familyIndex < 0 || familyIndex > 998)
        return list;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    const QString table = QStringLiteral("No%1").arg(familyIndex + 1);
    // The table name is built from a number only, so it cannot carry anything else.
    if (!query.exec(QStringLiteral("select Name, Type, MaxNumber, DataBit from %1 order by rowid")
                        .arg(table)))
        return list;
    while (query.next()) {
        DeviceEntry entry;
        entry.name = query.value(0).toString();
        entry.maxText = query.value(2).toString();
        entry.maxNumber = numberOr0(entry.maxText);
        entry.dataBit = query.value(3).toInt();
        if (query.value(1).toInt() == 0)
            list.words.push_back(entry);
        else if (query.value(1).toInt() == 1)
            list.bits.push_back(entry);
    }
    return list;
}

} // namespace brevix
