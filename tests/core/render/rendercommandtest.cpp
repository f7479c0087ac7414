#include "commands.h"
#include "model/projectfile.h"
#include "pictures/picturestore.h"
#include "renderfixture.h"
#include "tempfolder.h"

#include <QBuffer>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace brevix::testing {
namespace {

class RenderCommandTest : public RenderTest
{
protected:
    RenderCommandTest() : work(folder.file(QStringLiteral("work")))
    {
        qputenv("BREVIX_WORKDIR", work.path().toLocal8Bit());
        fillSamplePage(project);
        projectPath = folder.file(QStringLiteral("sample project.KX3"));
        EXPECT_TRUE(saveProject(project, projectPath, work).ok());
    }

    int run(const QStringList &arguments)
    {
        QString outText, errText;
        QTextStream out(&outText), err(&errText);
        const int code = cli::runBuilderCli(arguments, out, err);
        lastError = errText;
        return code;
    }

    // A picture library beside the project holding picture number with a 2 x 2 red bitmap.
    void writePictureLibrary(int number)
    {
        QByteArray bmp;
        QBuffer buffer(&bmp);
        buffer.open(QIODevice::WriteOnly);
        QImage red(2, 2, QImage::Format_RGB32);
        red.fill(Qt::red);
        red.save(&buffer, "BMP");
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("render test"));
            db.setDatabaseName(pictureStorePath(projectPath));
            ASSERT_TRUE(db.open());
            QSqlQuery query(db);
            ASSERT_TRUE(query.exec(QStringLiteral(
                "CREATE TABLE PData(ID INTEGER NOT NULL UNIQUE, PID INTEGER, FName TEXT, Ext TEXT, "
                "Pic BLOB, Folder INTEGER, BMark INTEGER, Pass TEXT, Note TEXT)")));
            query.prepare(QStringLiteral("INSERT INTO PData VALUES (?, 1, 'red.bmp', '.bmp', ?, 0, "
                                         "0, '', 'red.bmp')"));
            query.addBindValue(number);
            query.addBindValue(bmp);
            ASSERT_TRUE(query.exec());
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("render test"));
    }

    TempFolder folder;
    WorkFolder work;
    QString projectPath;
    QString lastError;
};

TEST_F(RenderCommandTest, WritesAPngOfThePageSize)
{
    const QString png = folder.file(QStringLiteral("page 1.png"));
    ASSERT_EQ(run({QStringLiteral("render"), projectPath, QStringLiteral("--page"),
                   QStringLiteral("1"), QStringLiteral("-o"), png}),
              0)
        << lastError.toStdString();
    const QImage written(png);
    EXPECT_EQ(written.size(), QSize(480, 272));
    // The same drawing as the editor's: compare with the page drawn in-process.
    RenderOptions english; // the placeholder of a missing picture speaks the CLI's language
    english.interfaceLanguage = Language::English;
    EXPECT_EQ(written.convertToFormat(QImage::Format_ARGB32),
              renderPage(project, 1, english).convertToFormat(QImage::Format_ARGB32));
}

TEST_F(RenderCommandTest, OnPreviewChangesTheLamp)
{
    const QString off = folder.file(QStringLiteral("off.png")),
                  on = folder.file(QStringLiteral("on.png"));
    ASSERT_EQ(run({QStringLiteral("render"), projectPath, QStringLiteral("-o"), off}), 0);
    ASSERT_EQ(run({QStringLiteral("render"), projectPath, QStringLiteral("--on"),
                   QStringLiteral("-o"), on}),
              0);
    EXPECT_NE(QImage(off), QImage(on));
}

TEST_F(RenderCommandTest, MissingPageAndBadArgumentsAreRefused)
{
    const QString png = folder.file(QStringLiteral("x.png"));
    EXPECT_EQ(run({QStringLiteral("render"), projectPath, QStringLiteral("--page"),
                   QStringLiteral("7"), QStringLiteral("-o"), png}),
              cli::ExitFailure);
    EXPECT_TRUE(lastError.contains(QStringLiteral("Page 7"))) << lastError.toStdString();
    EXPECT_FALSE(QFile::exists(png));
    EXPECT_EQ(run({QStringLiteral("render"), projectPath, QStringLiteral("--page"),
                   QStringLiteral("0"), QStringLiteral("-o"), png}),
              cli::ExitUsage);
    EXPECT_EQ(run({QStringLiteral("render"), projectPath}), cli::ExitUsage);
    EXPECT_EQ(run({QStringLiteral("render"), folder.file(QStringLiteral("none.KX3")),
                   QStringLiteral("-o"), png}),
              cli::ExitFailure);
}

TEST_F(RenderCommandTest, UnwritableOutputIsAFailure)
{
    EXPECT_EQ(run({QStringLiteral("render"), projectPath, QStringLiteral("-o"),
                   folder.file(QStringLiteral("no folder/page.png"))}),
              cli::ExitFailure);
}

TEST_F(RenderCommandTest, PicturesComeFromTheProjectsLibrary)
{
    // Slot 5 of the sample page is a picture element at editor (10, 50).
    project.record(1).WordE[5] = 3;
    ASSERT_TRUE(saveProject(project, projectPath, work).ok());
    const QString png = folder.file(QStringLiteral("pictures.png"));
    ASSERT_EQ(run({QStringLiteral("render"), projectPath, QStringLiteral("-o"), png}), 0);
    EXPECT_NE(QImage(png).pixel(6, 46), qRgb(255, 0, 0)) << "no library: the placeholder";
    writePictureLibrary(3);
    ASSERT_EQ(run({QStringLiteral("render"), projectPath, QStringLiteral("-o"), png}), 0);
    const QImage withPicture(png);
    EXPECT_EQ(withPicture.pixel(5, 45), qRgb(255, 0, 0));
    EXPECT_EQ(withPicture.pixel(6, 46), qRgb(255, 0, 0));
}

} // namespace
} // namespace brevix::testing
