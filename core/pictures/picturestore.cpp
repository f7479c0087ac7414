#include "pictures/picturestore.h"

#include "model/projectfile.h"
#include "pictures/pictureconversion.h"
#include "pictures/sqliteconnection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <memory>

namespace brevix {

namespace {

const QString kAllColumns = QStringLiteral("ID, PID, FName, Ext, Pic, Folder, BMark, Pass, Note");

Message queryFailed(const QString &path, const QSqlQuery &query)
{
    const QString detail = query.lastError().text();
    return {QStringLiteral("图库 %1 读写失败 ！\n%2").arg(path, detail),
            QStringLiteral("The picture library %1 could not be read or written!\n%2")
                .arg(path, detail)};
}

PictureRow rowFromQuery(const QSqlQuery &query, bool withData)
{
    PictureRow row;
    row.ID = query.value(0).toInt();
    row.PID = query.value(1).toInt();
    row.FName = query.value(2).toString();
    row.Ext = query.value(3).toString();
    if (withData)
        row.Pic = query.value(4).toByteArray();
    row.Folder = query.value(5).toInt();
    row.BMark = query.value(6).toBool();
    row.Pass = query.value(7).toString();
    row.Note = query.value(8).toString();
    return row;
}

bool isAcceptedExtension(const QString &ext)
{
    return ext == QLatin1String(".bmp") || ext == QLatin1String(".jpg");
}

} // namespace

PictureStore::PictureStore() = default;

PictureStore::~PictureStore()
{
    close();
}

Result PictureStore::openFile(const QString &storePath)
{
    close();
    auto connection = std::make_unique<SqliteConnection>(QStringLiteral("pictures"));
    if (Result opened = connection->open(storePath); !opened)
        return opened;
    // A file that is not a picture library is refused here, not at the first picture.
    QSqlQuery probe(connection->database());
    if (!probe.exec(QStringLiteral("SELECT %1 FROM PData LIMIT 0").arg(kAllColumns))) {
        const QString detail = probe.lastError().text();
        return Result::failure(
            QStringLiteral("%1 不是有效的图库 ！\n%2").arg(storePath, detail),
            QStringLiteral("%1 is not a valid picture library!\n%2").arg(storePath, detail));
    }
    m_connection = std::move(connection);
    m_path = storePath;
    return Result::success();
}

Result PictureStore::ADOConnected(const QString &projectPath, const QString &templatePath)
{
    close();
    const QString storePath = pictureStorePath(projectPath);
    if (!QFileInfo(storePath).isFile()) {
        const QString migration =
            QFileInfo(projectPath).absoluteDir().filePath(kPictureMigrationName);
        if (QFileInfo(migration).isFile()) {
            // Take over a library left under the old name; it goes only once the copy exists.
            if (!QFile::copy(migration, storePath))
                return Result::failure(QStringLiteral("无法创建 %1 ！").arg(storePath),
                                       QStringLiteral("Cannot create %1!").arg(storePath));
            QFile::remove(migration);
        } else {
            const QString source =
                templatePath.isEmpty() ? pictureTemplatePath(WorkFolder()) : templatePath;
            if (Result created = createStoreFromTemplate(source, storePath); !created)
                return created;
        }
    }
    return openFile(storePath);
}

Result PictureStore::openExisting(const QString &storePath)
{
    return openFile(storePath);
}

void PictureStore::close()
{
    m_connection.reset();
    m_path.clear();
}

bool PictureStore::isOpen() const
{
    return m_connection != nullptr;
}

Result PictureStore::rows(PictureRows &out, bool withData) const
{
    out.clear();
    if (!isOpen())
        return Result::failure(QStringLiteral("图库未打开 ！"),
                               QStringLiteral("The picture library is not open!"));
    QSqlQuery query(m_connection->database());
    query.setForwardOnly(true);
    if (!query.exec(
            QStringLiteral("SELECT %1 FROM PData WHERE PID=1 ORDER BY ID").arg(kAllColumns)))
        return Result::failure(queryFailed(m_path, query));
    while (query.next())
        out.push_back(rowFromQuery(query, withData));
    return Result::success();
}

std::optional<PictureRow> PictureStore::picture(int id) const
{
    if (!isOpen())
        return std::nullopt;
    QSqlQuery query(m_connection->database());
    query.prepare(QStringLiteral("SELECT %1 FROM PData WHERE ID=?").arg(kAllColumns));
    query.addBindValue(id);
    if (!query.exec() || !query.next())
        return std::nullopt;
    return rowFromQuery(query, true);
}

Result PictureStore::loadImage(int id, QImage &image) const
{
    image = QImage();
    const auto row = picture(id);
    if (!row)
        return Result::failure(pictureMissingMessage());
    if (row->Folder != 0)
        return Result::success(); // folder rows have no preview
    image = decodePicture(row->Pic, row->Ext);
    if (image.isNull())
        return Result::failure(pictureFormatMessage());
    return Result::success();
}

int PictureStore::nextPictureNumber(bool spiLibrary) const
{
    PictureRows listed;
    rows(listed);
    return newPictureNumber(listed.empty() ? -1 : listed.back().ID, spiLibrary);
}

Result PictureStore::rowFromFile(const QString &file, PictureRow &row) const
{
    const QFileInfo info(file);
    const QString ext = QLatin1Char('.') + info.suffix().toLower();
    if (!isAcceptedExtension(ext))
        return Result::failure(
            QStringLiteral("只能添加 .bmp 或 .jpg 图片: %1").arg(file),
            QStringLiteral("Only .bmp and .jpg pictures can be added: %1").arg(file));
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return Result::failure(QStringLiteral("无法读取文件 %1 ！").arg(file),
                               QStringLiteral("Cannot read the file %1!").arg(file));
    row.Pic = f.readAll();
    // Refuse what the compiler could not convert, before it is in the library.
    if (decodePicture(row.Pic, ext).isNull()) {
        const Message format = pictureFormatMessage();
        return Result::failure(format.zh + QStringLiteral(" ") + file,
                               format.en + QStringLiteral(": ") + file);
    }
    row.FName = info.fileName();
    row.Ext = ext;
    row.Note = info.fileName();
    return Result::success();
}

Result PictureStore::SavePicture(int pid, int id, const QString &file)
{
    if (!isOpen())
        return Result::failure(QStringLiteral("图库未打开 ！"),
                               QStringLiteral("The picture library is not open!"));
    PictureRow row;
    if (Result read = rowFromFile(file, row); !read)
        return read;
    if (picture(id))
        return Result::failure(pictureNumberUsedMessage(id));
    QSqlQuery query(m_connection->database());
    query.prepare(QStringLiteral("INSERT INTO PData (%1) VALUES (?, ?, ?, ?, ?, 0, 0, '', ?)")
                      .arg(kAllColumns));
    query.addBindValue(id);
    query.addBindValue(pid);
    query.addBindValue(row.FName);
    query.addBindValue(row.Ext);
    query.addBindValue(row.Pic);
    query.addBindValue(row.Note);
    if (!query.exec())
        return Result::failure(picture(id) ? pictureNumberUsedMessage(id)
                                           : queryFailed(m_path, query));
    return Result::success();
}

Result PictureStore::ModifyPic(int id, const QString &file)
{
    if (id <= kSystemPictureId)
        return Result::failure(systemPictureReservedMessage());
    if (!picture(id))
        return Result::failure(pictureMissingMessage());
    PictureRow row;
    if (Result read = rowFromFile(file, row); !read)
        return read;
    QSqlQuery query(m_connection->database());
    query.prepare(QStringLiteral("UPDATE PData SET FName=?, Ext=?, Pic=?, Note=? WHERE ID=?"));
    query.addBindValue(row.FName);
    query.addBindValue(row.Ext);
    query.addBindValue(row.Pic);
    query.addBindValue(row.Note);
    query.addBindValue(id);
    if (!query.exec())
        return Result::failure(queryFailed(m_path, query));
    return Result::success();
}

Result PictureStore::Delrecord(int id)
{
    if (id <= kSystemPictureId)
        return Result::failure(systemPictureReservedMessage());
    if (!picture(id))
        return Result::failure(pictureMissingMessage());
    QSqlQuery query(m_connection->database());
    query.prepare(QStringLiteral("DELETE FROM PData WHERE ID=?"));
    query.addBindValue(id);
    if (!query.exec())
        return Result::failure(queryFailed(m_path, query));
    return compact();
}

Result PictureStore::SaveAsPic(int id, const QString &chosen, QString *writtenPath) const
{
    const auto row = picture(id);
    if (!row)
        return Result::failure(pictureMissingMessage());
    const QString path = chosen + row->Ext;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(row->Pic) != row->Pic.size() ||
        !file.commit())
        return Result::failure(QStringLiteral("无法写入文件 %1 ！").arg(path),
                               QStringLiteral("Cannot write the file %1!").arg(path));
    if (writtenPath)
        *writtenPath = path;
    return Result::success();
}

Result PictureStore::compact()
{
    if (!isOpen())
        return Result::failure(QStringLiteral("图库未打开 ！"),
                               QStringLiteral("The picture library is not open!"));
    QSqlQuery query(m_connection->database());
    if (!query.exec(QStringLiteral("VACUUM")))
        return Result::failure(compactFailedMessage(query.lastError().text()));
    return Result::success();
}

QString pictureStorePath(const QString &projectPath)
{
    return companionPath(projectPath, QStringLiteral(".PIC"));
}

QString pictureTemplatePath(const WorkFolder &work)
{
    return storeTemplatePath(work.path(), kPictureTemplateName);
}

Result readPicturesForCompile(const QString &projectPath, PictureRows &rows)
{
    rows.clear();
    const QString path = pictureStorePath(projectPath);
    if (!QFileInfo(path).isFile())
        return Result::success();
    PictureStore store;
    if (Result opened = store.openExisting(path); !opened)
        return opened;
    return store.rows(rows, true);
}

int newPictureNumber(int lastId, bool spiLibrary)
{
    const int last = lastId < 0 ? 1 : lastId;
    return (last + 1) % 50 + (spiLibrary ? 50 : 0);
}

QString pictureSizeText(int width, int height, qint64 dataSize)
{
    return QStringLiteral("%1(W)*%2(H)   %3.%4 KB")
        .arg(width)
        .arg(height)
        .arg(dataSize / 1024)
        .arg(dataSize % 1024);
}

Message pictureMissingMessage()
{
    return {QStringLiteral("该图片已经不存在 ！"),
            QStringLiteral("The picture does not already exist!")};
}

Message pictureFormatMessage()
{
    return {QStringLiteral("BMP 图像格式异常 ！"), QStringLiteral("BMP Image Format Exception")};
}

Message systemPictureReservedMessage()
{
    return {QStringLiteral("0 是系统保留库 ！"),
            QStringLiteral("0 Is reserved for the system library!")};
}

Message pictureNumberUsedMessage(int id)
{
    return {QStringLiteral("图片编号 %1 已经被使用 ！请先删除该图片或选择其它编号。").arg(id),
            QStringLiteral("Picture number %1 is already in use! Delete that picture first or "
                           "choose another number.")
                .arg(id)};
}

Message compactFailedMessage(const QString &errorText)
{
    return {QStringLiteral("数据压缩修复失败 ！\n\n") + errorText,
            QStringLiteral("Data compression Failure!\n\n") + errorText};
}

} // namespace brevix
