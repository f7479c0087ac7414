#pragma once

#include "text/message.h"

#include <QSqlDatabase>
#include <QString>

namespace brevix {

// A uniquely named SQLite connection, removed again when the object goes.
class SqliteConnection
{
public:
    explicit SqliteConnection(const QString &purpose);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection &) = delete;
    SqliteConnection &operator=(const SqliteConnection &) = delete;

    // Opens an existing file; never creates one.
    Result open(const QString &path);
    void close();
    bool isOpen() const;
    QSqlDatabase database() const;
    const QString &name() const { return m_name; }

private:
    QString m_name;
};

// Copies a store template to path and makes the copy writable (installed templates are read-only).
Result createStoreFromTemplate(const QString &templatePath, const QString &path);
// A template named name: in the working folder when present there, else data folder "stores/".
QString storeTemplatePath(const QString &workFolderPath, const QString &name);

Message storeOpenFailedMessage(const QString &path, const QString &detail);

} // namespace brevix
