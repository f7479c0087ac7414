#include "macros/macrostore.h"

#include "model/projectfile.h"
#include "pictures/sqliteconnection.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace brevix {

namespace {

const QString kColumns = QStringLiteral("OPt, BIT, A1t, A1v, A2t, A2v, A3t, A3v, Comment");

Message queryFailed(const QString &path, const QSqlQuery &query)
{
    const QString detail = query.lastError().text();
    return {
        QStringLiteral("宏存储 %1 读写失败 ！\n%2").arg(path, detail),
        QStringLiteral("The macro store %1 could not be read or written!\n%2").arg(path, detail)};
}

std::uint8_t byteOf(const QVariant &v)
{
    return std::uint8_t(v.toLongLong() & 0xFF);
}
std::uint16_t wordOf(const QVariant &v)
{
    return std::uint16_t(v.toLongLong() & 0xFFFF);
}

void setCommentFromColumn(MacroRow &row, const QVariant &value)
{
    // Another tool may have written the GBK bytes as a blob rather than as text.
    if (value.typeId() == QMetaType::QByteArray) {
        const QByteArray bytes = value.toByteArray();
        row.Comment.setBytes(
            bytes.left(gbkCutLength(bytes.constData(), bytes.size(), kMacroCommentMax)));
    } else {
        row.setComment(value.toString());
    }
}

Result readAll(const QString &path, MacroRows &rows)
{
    rows.clear();
    SqliteConnection connection(QStringLiteral("macro"));
    if (Result opened = connection.open(path); !opened)
        return opened;
    QSqlQuery query(connection.database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1 FROM Mac ORDER BY rowid").arg(kColumns)))
        return Result::failure(queryFailed(path, query));
    while (query.next() && rows.size() < size_t(kMacroBufferRows)) {
        MacroRow row;
        row.Code = byteOf(query.value(0));
        row.BIT = byteOf(query.value(1));
        row.A1t = byteOf(query.value(2));
        row.A1v = wordOf(query.value(3));
        row.A2t = byteOf(query.value(4));
        row.A2v = wordOf(query.value(5));
        row.A3t = byteOf(query.value(6));
        row.A3v = wordOf(query.value(7));
        setCommentFromColumn(row, query.value(8));
        rows.push_back(row);
    }
    return Result::success();
}

} // namespace

MacroStore::MacroStore(const QString &projectPath, const QString &templatePath)
    : m_path(macroStorePath(projectPath)),
      m_templatePath(templatePath.isEmpty() ? macroTemplatePath(WorkFolder()) : templatePath)
{
}

bool MacroStore::exists() const
{
    return QFileInfo(m_path).isFile();
}

Result MacroStore::ensureExists() const
{
    return exists() ? Result::success() : createStoreFromTemplate(m_templatePath, m_path);
}

Result MacroStore::ADOLoadFile(MacroRows &rows) const
{
    rows.clear();
    if (Result created = ensureExists(); !created)
        return created;
    return readAll(m_path, rows);
}

Result MacroStore::readRows(MacroRows &rows) const
{
    rows.clear();
    return exists() ? readAll(m_path, rows) : Result::success();
}

Result MacroStore::ADOSaveFile(const MacroRows &rows) const
{
    if (Result checked = checkMacroLabels(rows); !checked)
        return checked;
    if (Result created = ensureExists(); !created)
        return created;
    SqliteConnection connection(QStringLiteral("macro"));
    if (Result opened = connection.open(m_path); !opened)
        return opened;
    QSqlDatabase db = connection.database();
    // One transaction: the stored macro is either the old one or the new one, never half of each.
    if (!db.transaction())
        return Result::failure(storeOpenFailedMessage(m_path, db.lastError().text()));
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("DELETE FROM Mac"))) {
        const Message failure = queryFailed(m_path, query);
        db.rollback();
        return Result::failure(failure);
    }
    query.prepare(
        QStringLiteral("INSERT INTO Mac (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)").arg(kColumns));
    const int last = lastNonEmptyRow(rows);
    for (int i = 0; i <= last; ++i) {
        const MacroRow &row = rows[size_t(i)];
        const QVariantList values = {row.Code, row.BIT, row.A1t, row.A1v,           row.A2t,
                                     row.A2v,  row.A3t, row.A3v, row.Comment.text()};
        for (int c = 0; c < values.size(); ++c)
            query.bindValue(c, values[c]);
        if (!query.exec()) {
            const Message failure = queryFailed(m_path, query);
            db.rollback();
            return Result::failure(failure);
        }
    }
    if (!db.commit())
        return Result::failure(storeOpenFailedMessage(m_path, db.lastError().text()));
    return Result::success();
}

Result MacroStore::CompressRepairMDat() const
{
    SqliteConnection connection(QStringLiteral("macro"));
    if (Result opened = connection.open(m_path); !opened)
        return opened;
    QSqlQuery query(connection.database());
    if (!query.exec(QStringLiteral("VACUUM"))) {
        const QString detail = query.lastError().text();
        return Result::failure(QStringLiteral("数据压缩修复失败 ！\n\n") + detail,
                               QStringLiteral("Data compression Failure!\n\n") + detail);
    }
    return Result::success();
}

QString macroStorePath(const QString &projectPath)
{
    return companionPath(projectPath, QStringLiteral(".M"));
}

QString macroTemplatePath(const WorkFolder &work)
{
    return storeTemplatePath(work.path(), kMacroTemplateName);
}

} // namespace brevix
