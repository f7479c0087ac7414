#pragma once

#include "model/workfolder.h"
#include "pictures/picturerow.h"
#include "text/message.h"

#include <QImage>
#include <QString>
#include <memory>
#include <optional>

namespace brevix {

class SqliteConnection;

inline const QString kPictureTemplateName = QStringLiteral("TPicData.pdb");
inline const QString kPictureMigrationName = QStringLiteral("PicData.pdb");

// The project's picture library (".PIC" beside the project file): SQLite, table
// PData(ID INTEGER NOT NULL UNIQUE, PID, FName, Ext, Pic BLOB, Folder, BMark, Pass, Note).
// Each object holds its own uniquely named connection, so several libraries can be open at once.
class PictureStore
{
public:
    PictureStore();
    ~PictureStore();
    PictureStore(const PictureStore &) = delete;
    PictureStore &operator=(const PictureStore &) = delete;

    // Opens the library of a project: when the ".PIC" does not exist it is taken over from a
    // "PicData.pdb" in the project's folder (copied, then that file deleted), else copied from
    // templatePath (empty: pictureTemplatePath(WorkFolder())). The table is verified.
    Result ADOConnected(const QString &projectPath, const QString &templatePath = QString());
    // Opens an existing library file as it is (never creating anything).
    Result openExisting(const QString &storePath);
    void close();
    bool isOpen() const;
    const QString &path() const { return m_path; }

    // Rows with PID = 1 in ascending ID; without the Pic bytes unless withData.
    Result rows(PictureRows &out, bool withData = false) const;
    // One row by ID (any PID); nothing when absent.
    std::optional<PictureRow> picture(int id) const;
    // The decoded image of picture id; failure texts "该图片已经不存在 ！" (absent),
    // "BMP 图像格式异常 ！" (undecodable) in both languages.
    Result loadImage(int id, QImage &image) const;

    // The number a new picture gets: (L + 1) mod 50, plus 50 for the SPI library; L is the ID
    // of the last listed picture (1 when the list is empty).
    int nextPictureNumber(bool spiLibrary) const;
    // Appends a row for the file: ID = id, PID = pid, FName/Note = file name, Ext = lower-case
    // suffix with dot, Pic = bytes. A used number is refused with a clear message.
    Result SavePicture(int pid, int id, const QString &file);
    // Replaces FName, Ext, Pic and Note of picture id from the file (not for number 0).
    Result ModifyPic(int id, const QString &file);
    // Deletes picture id (not number 0), then compacts the library.
    Result Delrecord(int id);
    // Writes picture id's bytes unchanged to chosen + Ext ("a" -> "a.bmp", "a.bmp" -> "a.bmp.bmp").
    Result SaveAsPic(int id, const QString &chosen, QString *writtenPath = nullptr) const;
    // Compacts the library (VACUUM); on failure the library stays as it was.
    Result compact();

private:
    Result openFile(const QString &storePath);
    Result rowFromFile(const QString &file, PictureRow &row) const;

    std::unique_ptr<SqliteConnection> m_connection;
    QString m_path;
};

// companionPath(projectPath, ".PIC").
QString pictureStorePath(const QString &projectPath);
// "TPicData.pdb" in the working folder when present, else the data folder's stores/TPicData.pdb.
QString pictureTemplatePath(const WorkFolder &work);
// The compiler's read: rows with PID = 1 in ascending ID with their bytes. A missing library
// reads as no pictures; a library that cannot be read is a failure.
Result readPicturesForCompile(const QString &projectPath, PictureRows &rows);

// (L + 1) mod 50 + (50 for the SPI library); lastId = -1 when the list is empty (counts as 1).
int newPictureNumber(int lastId, bool spiLibrary);
// The size line: width + "(W)*" + height + "(H)   " + (size div 1024) + "." + (size mod 1024) + "
// KB".
QString pictureSizeText(int width, int height, qint64 dataSize);

Message pictureMissingMessage();        // "该图片已经不存在 ！"
Message pictureFormatMessage();         // "BMP 图像格式异常 ！"
Message systemPictureReservedMessage(); // "0 是系统保留库 ！"
Message pictureNumberUsedMessage(int id);
Message compactFailedMessage(const QString &errorText);

} // namespace brevix
