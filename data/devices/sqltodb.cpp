// Builds an SQLite file from a readable SQL script at build time, so no binary database is ever
// committed. Statements are separated by ";" at the end of a line; "--" starts a comment line.
#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <cstdio>

namespace {

QStringList statementsOf(const QString &script)
{
    QStringList statements;
    QString current;
    for (const QString &rawLine : script.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1String("--")))
            continue;
        current += line + QLatin1Char(' ');
        if (line.endsWith(QLatin1Char(';'))) {
            statements << current.trimmed();
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        statements << current.trimmed();
    return statements;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: sqltodb SCRIPT.sql OUTPUT\n");
        return 64;
    }
    QFile script(args[1]);
    if (!script.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "sqltodb: cannot read %s\n", qPrintable(args[1]));
        return 2;
    }
    const QString text = QString::fromUtf8(script.readAll());
    const QString output = args[2];
    const QString temporary = output + QStringLiteral(".part");
    QFile::remove(temporary);
    bool ok = true;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("gen"));
        db.setDatabaseName(temporary);
        if (!db.open()) {
            std::fprintf(stderr, "sqltodb: %s\n", qPrintable(db.lastError().text()));
            return 2;
        }
        db.transaction();
        QSqlQuery query(db);
        for (const QString &statement : statementsOf(text)) {
            if (!query.exec(statement)) {
                std::fprintf(stderr, "sqltodb: %s\n  in: %s\n",
                             qPrintable(query.lastError().text()), qPrintable(statement));
                ok = false;
                break;
            }
        }
        ok = ok && db.commit();
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("gen"));
    if (!ok) {
        QFile::remove(temporary);
        return 2;
    }
    QFile::remove(output);
    return QFile::rename(temporary, output) ? 0 : 2;
}
