#include "pictures/picturestore.h"
#include "bmpbytes.h"
#include "tempfolder.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace brevix;

namespace {

const QString kTemplate = QStringLiteral(BREVIX_BINARY_DIR "/data/stores/TPicData.pdb");

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}

// Writes straight into a library file, as another tool would.
void execOn(const QString &path, const QString &sql)
{
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("direct"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(sql)) << sql.toStdString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("direct"));
}

std::vector<int> ids(const PictureStore &store)
{
    PictureRows rows;
    EXPECT_TRUE(store.rows(rows).ok());
    std::vector<int> out;
    for (const PictureRow &r : rows)
        out.push_back(r.ID);
    return out;
}

class PictureStoreTest : public ::testing::Test
{
protected:
    TempFolder dir;
    QString project() const { return dir.file(QStringLiteral("机器 1.KX3")); }
    QString picture(const QString &name, QColor c = Qt::red, int w = 2, int h = 2)
    {
        const QString path = dir.file(name);
        writeFile(path, bmptest::solidBmp(w, h, c));
        return path;
    }
    PictureStore store;
    void open() { ASSERT_TRUE(store.ADOConnected(project(), kTemplate).ok()); }
};

} // namespace

TEST_F(PictureStoreTest, NewLibraryComesFromTheTemplateWithTheSystemPicture)
{
    open();
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("机器 1.PIC"))));
    EXPECT_EQ(ids(store), std::vector<int>{0});
    QImage image;
    ASSERT_TRUE(store.loadImage(0, image).ok());
    EXPECT_EQ(image.size(), QSize(16, 16));
    EXPECT_EQ(store.nextPictureNumber(false), 1);
}

TEST_F(PictureStoreTest, TakesOverPicDataPdbAndRemovesIt)
{
    const QString old = dir.file(QStringLiteral("PicData.pdb"));
    ASSERT_TRUE(QFile::copy(kTemplate, old));
    QFile::setPermissions(old, QFile::ReadOwner | QFile::WriteOwner);
    execOn(old,
           QStringLiteral("INSERT INTO PData (ID, PID, FName, Ext, Pic, Folder, BMark, Pass, Note) "
                          "VALUES (7, 1, 'old.bmp', '.bmp', x'00', 0, 0, '', 'old.bmp')"));
    open();
    EXPECT_FALSE(QFile::exists(old));
    EXPECT_EQ(ids(store), (std::vector<int>{0, 7}));
}

TEST_F(PictureStoreTest, ExistingLibraryIsKeptAndPicDataPdbLeftAlone)
{
    open();
    ASSERT_TRUE(store.SavePicture(1, 5, picture(QStringLiteral("a.bmp"))).ok());
    store.close();
    const QString old = dir.file(QStringLiteral("PicData.pdb"));
    ASSERT_TRUE(QFile::copy(kTemplate, old));
    open();
    EXPECT_EQ(ids(store), (std::vector<int>{0, 5}));
    EXPECT_TRUE(QFile::exists(old));
}

TEST_F(PictureStoreTest, MissingTemplateIsReportedClearly)
{
    const Result opened = store.ADOConnected(project(), dir.file(QStringLiteral("none.pdb")));
    ASSERT_FALSE(opened.ok());
    EXPECT_TRUE(opened.message().en.contains(QStringLiteral("template")));
    EXPECT_FALSE(store.isOpen());
}

TEST_F(PictureStoreTest, AFileThatIsNoLibraryIsRefused)
{
    writeFile(dir.file(QStringLiteral("机器 1.PIC")), QByteArray("plain text, not a database"));
    const Result opened = store.ADOConnected(project(), kTemplate);
    ASSERT_FALSE(opened.ok());
    EXPECT_TRUE(opened.message().en.contains(QStringLiteral("not a valid picture library")));
}

TEST_F(PictureStoreTest, SavePictureStoresTheFileAndItsFields)
{
    open();
    const QString file = picture(QStringLiteral("Logo.BMP"), QColor(255, 128, 64), 3, 2);
    ASSERT_TRUE(store.SavePicture(1, 1, file).ok());
    const auto row = store.picture(1);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->PID, 1);
    EXPECT_EQ(row->FName, QStringLiteral("Logo.BMP"));
    EXPECT_EQ(row->Ext, QStringLiteral(".bmp"));
    EXPECT_EQ(row->Note, QStringLiteral("Logo.BMP"));
    EXPECT_EQ(row->Pic, readFile(file));
    EXPECT_EQ(row->Folder, 0);
    EXPECT_FALSE(row->BMark);
    EXPECT_TRUE(row->Pass.isEmpty());
}

TEST_F(PictureStoreTest, ListIsAscendingIdOfGroupOne)
{
    open();
    ASSERT_TRUE(store.SavePicture(1, 30, picture(QStringLiteral("a.bmp"))).ok());
    ASSERT_TRUE(store.SavePicture(1, 4, picture(QStringLiteral("b.bmp"))).ok());
    ASSERT_TRUE(store.SavePicture(2, 9, picture(QStringLiteral("c.bmp"))).ok());
    EXPECT_EQ(ids(store), (std::vector<int>{0, 4, 30}));
}

struct NumberCase
{
    int lastId; // -1: empty list
    bool spi;
    int expected;
};

class PictureNumbering : public ::testing::TestWithParam<NumberCase>
{
};

TEST_P(PictureNumbering, FollowsTheLastListedPicture)
{
    EXPECT_EQ(newPictureNumber(GetParam().lastId, GetParam().spi), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Numbers, PictureNumbering,
                         ::testing::Values(NumberCase{12, false, 13}, NumberCase{12, true, 63},
                                           NumberCase{-1, false, 2}, NumberCase{0, false, 1},
                                           NumberCase{49, false, 0}, NumberCase{49, true, 50},
                                           NumberCase{63, false, 14}));

TEST_F(PictureStoreTest, CollidingNumberIsReportedNotARawDatabaseError)
{
    open();
    ASSERT_TRUE(store.SavePicture(1, 49, picture(QStringLiteral("a.bmp"))).ok());
    const int next = store.nextPictureNumber(false);
    EXPECT_EQ(next, 0);
    const Result added = store.SavePicture(1, next, picture(QStringLiteral("b.bmp")));
    ASSERT_FALSE(added.ok());
    EXPECT_EQ(added.message().zh, pictureNumberUsedMessage(0).zh);
    EXPECT_EQ(added.message().en, pictureNumberUsedMessage(0).en);
    EXPECT_EQ(ids(store), (std::vector<int>{0, 49}));
}

TEST_F(PictureStoreTest, RefusesFilesTheCompilerCouldNotConvert)
{
    open();
    writeFile(dir.file(QStringLiteral("broken.bmp")), QByteArray("BM not really"));
    EXPECT_FALSE(store.SavePicture(1, 1, dir.file(QStringLiteral("broken.bmp"))).ok());
    writeFile(dir.file(QStringLiteral("x.png")), QByteArray("png"));
    EXPECT_FALSE(store.SavePicture(1, 1, dir.file(QStringLiteral("x.png"))).ok());
    EXPECT_FALSE(store.SavePicture(1, 1, dir.file(QStringLiteral("absent.bmp"))).ok());
    EXPECT_EQ(ids(store), std::vector<int>{0});
}

TEST_F(PictureStoreTest, ModifyPicReplacesTheFileFields)
{
    open();
    ASSERT_TRUE(store.SavePicture(1, 3, picture(QStringLiteral("a.bmp"))).ok());
    const QString replacement = picture(QStringLiteral("new.bmp"), Qt::blue, 5, 4);
    ASSERT_TRUE(store.ModifyPic(3, replacement).ok());
    const auto row = store.picture(3);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->FName, QStringLiteral("new.bmp"));
    EXPECT_EQ(row->Note, QStringLiteral("new.bmp"));
    EXPECT_EQ(row->Pic, readFile(replacement));
}

TEST_F(PictureStoreTest, SystemPictureCannotBeReplacedOrDeleted)
{
    open();
    const QString file = picture(QStringLiteral("a.bmp"));
    for (int id : {0, -1}) {
        EXPECT_EQ(store.ModifyPic(id, file).message().zh, QStringLiteral("0 是系统保留库 ！"));
        EXPECT_EQ(store.Delrecord(id).message().en,
                  QStringLiteral("0 Is reserved for the system library!"));
    }
    EXPECT_EQ(ids(store), std::vector<int>{0});
}

TEST_F(PictureStoreTest, DeleteRemovesTheRowAndCompacts)
{
    open();
    ASSERT_TRUE(
        store.SavePicture(1, 1, picture(QStringLiteral("big.bmp"), Qt::red, 200, 200)).ok());
    const qint64 before = QFileInfo(store.path()).size();
    ASSERT_TRUE(store.Delrecord(1).ok());
    EXPECT_EQ(ids(store), std::vector<int>{0});
    EXPECT_LT(QFileInfo(store.path()).size(), before - 100000);
    EXPECT_EQ(store.Delrecord(1).message().zh, QStringLiteral("该图片已经不存在 ！"));
}

TEST_F(PictureStoreTest, ExportAppendsTheStoredExtension)
{
    open();
    const QString file = picture(QStringLiteral("a.bmp"));
    ASSERT_TRUE(store.SavePicture(1, 5, file).ok());
    QString written;
    ASSERT_TRUE(store.SaveAsPic(5, dir.file(QStringLiteral("a")), &written).ok());
    EXPECT_EQ(written, dir.file(QStringLiteral("a.bmp")));
    ASSERT_TRUE(store.SaveAsPic(5, dir.file(QStringLiteral("a.bmp")), &written).ok());
    EXPECT_EQ(written, dir.file(QStringLiteral("a.bmp.bmp")));
    EXPECT_EQ(readFile(written), readFile(file));
    EXPECT_FALSE(store.SaveAsPic(6, dir.file(QStringLiteral("b"))).ok());
}

TEST_F(PictureStoreTest, UndecodableStoredPictureGivesTheFormatMessage)
{
    open();
    execOn(store.path(),
           QStringLiteral("INSERT INTO PData (ID, PID, FName, Ext, Pic, Folder, BMark, Pass, Note) "
                          "VALUES (8, 1, 'x.bmp', '.bmp', x'424D0000', 0, 0, '', 'x.bmp')"));
    QImage image(3, 3, QImage::Format_RGB32);
    const Result loaded = store.loadImage(8, image);
    EXPECT_EQ(loaded.message().zh, QStringLiteral("BMP 图像格式异常 ！"));
    EXPECT_TRUE(image.isNull());
    EXPECT_EQ(store.loadImage(9, image).message().en,
              QStringLiteral("The picture does not already exist!"));
}

TEST_F(PictureStoreTest, SeveralLibrariesOpenAtOnce)
{
    open();
    PictureStore second;
    ASSERT_TRUE(second.ADOConnected(dir.file(QStringLiteral("other.KX3")), kTemplate).ok());
    ASSERT_TRUE(second.SavePicture(1, 2, picture(QStringLiteral("a.bmp"))).ok());
    EXPECT_EQ(ids(store), std::vector<int>{0});
    EXPECT_EQ(ids(second), (std::vector<int>{0, 2}));
}

TEST_F(PictureStoreTest, CompileReadTakesBytesAndNeverCreatesALibrary)
{
    PictureRows rows;
    ASSERT_TRUE(readPicturesForCompile(project(), rows).ok());
    EXPECT_TRUE(rows.empty());
    EXPECT_FALSE(QFile::exists(pictureStorePath(project())));
    open();
    ASSERT_TRUE(store.SavePicture(1, 3, picture(QStringLiteral("a.bmp"))).ok());
    ASSERT_TRUE(readPicturesForCompile(project(), rows).ok());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].Pic, readFile(dir.file(QStringLiteral("a.bmp"))));
}

TEST(PictureSizeText, ReadsAsTheLibraryShowsIt)
{
    EXPECT_EQ(pictureSizeText(320, 240, 230454), QStringLiteral("320(W)*240(H)   225.54 KB"));
    EXPECT_EQ(pictureSizeText(1, 1, 58), QStringLiteral("1(W)*1(H)   0.58 KB"));
}
