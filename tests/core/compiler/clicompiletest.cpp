#include "commands.h"
#include "compiler/kxbuilder.h"
#include "model/projectfile.h"
#include "projectbuilder.h"
#include "tempfolder.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace brevix;
using namespace brevix::testing;

namespace {

struct CliRun
{
    int code = 0;
    QString out, err;
};

CliRun runCli(const QStringList &arguments)
{
    CliRun run;
    QTextStream out(&run.out), err(&run.err);
    run.code = cli::runBuilderCli(arguments, out, err);
    out.flush();
    err.flush();
    return run;
}

class CompileCommands : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("BREVIX_WORKDIR", folder.file(QStringLiteral("work")).toUtf8());
        qputenv("BREVIX_DATADIR", BREVIX_BINARY_DIR "/data");
        project.resetToNew();
        project.settings().WordA[12] = 100;
    }
    QString save()
    {
        const QString path = folder.file(QStringLiteral("p 1/panel.KX3"));
        QDir().mkpath(QFileInfo(path).path());
        EXPECT_TRUE(
            saveProject(project, path, WorkFolder(folder.file(QStringLiteral("work")))).ok());
        return path;
    }
    TempFolder folder;
    Project project;
};

TEST_F(CompileCommands, CleanProjectChecksAndCompiles)
{
    place(project, 1, 0, element(1));
    const QString path = save();
    const CliRun check = runCli({QStringLiteral("check"), path});
    EXPECT_EQ(check.code, 0) << check.err.toStdString();
    const QString out = folder.file(QStringLiteral("out dir"));
    const CliRun compile = runCli({QStringLiteral("compile"), path, QStringLiteral("-o"), out});
    ASSERT_EQ(compile.code, 0) << compile.err.toStdString();
    EXPECT_EQ(compile.out.trimmed(), QStringLiteral("0 KB"));
    QFile kx(QDir(out).filePath(QStringLiteral("KX.bin")));
    ASSERT_TRUE(kx.open(QIODevice::ReadOnly));
    EXPECT_EQ(kx.readAll(), BuildDownloadImage(project, {}).kx);
    EXPECT_FALSE(QFile::exists(QDir(out).filePath(QStringLiteral("SPI.bin"))));
}

TEST_F(CompileCommands, ErrorsGiveExitOneAndJsonRows)
{
    SlotValues lamp = element(3);
    lamp.ByteA = 0x80; // link 2 in a project without one
    place(project, 1, 5, lamp);
    const QString path = save();
    const CliRun check = runCli({QStringLiteral("check"), path, QStringLiteral("--json"),
                                 QStringLiteral("--lang"), QStringLiteral("zh")});
    EXPECT_EQ(check.code, 1);
    const QJsonObject json = QJsonDocument::fromJson(check.out.toUtf8()).object();
    EXPECT_EQ(json[QStringLiteral("errors")].toInt(), 1);
    const QJsonObject row = json[QStringLiteral("rows")].toArray().at(0).toObject();
    EXPECT_EQ(row[QStringLiteral("slot")].toInt(), 5);
    EXPECT_EQ(row[QStringLiteral("type")].toString(), QStringLiteral("指示灯"));
    EXPECT_EQ(row[QStringLiteral("message")].toString(), QStringLiteral("通道连接设置错误 ！"));
    EXPECT_EQ(row[QStringLiteral("messageEn")].toString(),
              QStringLiteral("Channel connection setup error!"));

    const CliRun compile =
        runCli({QStringLiteral("compile"), path, QStringLiteral("-o"), folder.file("o")});
    EXPECT_EQ(compile.code, 1);
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("o/KX.bin"))));
    const CliRun unchecked = runCli({QStringLiteral("compile"), path, QStringLiteral("--no-check"),
                                     QStringLiteral("-o"), folder.file("o")});
    EXPECT_EQ(unchecked.code, 0) << unchecked.err.toStdString();
}

TEST_F(CompileCommands, MissingProjectIsAFailure)
{
    EXPECT_EQ(runCli({QStringLiteral("check"), folder.file(QStringLiteral("none.KX3"))}).code, 2);
    EXPECT_EQ(runCli({QStringLiteral("compile"), folder.file(QStringLiteral("none.KX3"))}).code, 2);
    EXPECT_EQ(runCli({QStringLiteral("check")}).code, 64);
}

TEST_F(CompileCommands, MissingInitialPageStopsACheckedCompile)
{
    project.settings().LongA[3] = 9;
    const QString path = save();
    const CliRun compile =
        runCli({QStringLiteral("compile"), path, QStringLiteral("-o"), folder.file("o")});
    EXPECT_EQ(compile.code, 1);
    EXPECT_TRUE(compile.err.contains(QStringLiteral("[9]")));
}

TEST_F(CompileCommands, ExampleProjectCompilesWithBothImagesAndAReport)
{
    const QString example = QStringLiteral(BREVIX_BINARY_DIR "/data/Examples/茶叶整形机.KX3");
    ASSERT_TRUE(QFile::exists(example));
    const CliRun check = runCli({QStringLiteral("check"), example});
    EXPECT_EQ(check.code, 0) << check.out.toStdString();
    const QString out = folder.file(QStringLiteral("example out"));
    const CliRun compile = runCli({QStringLiteral("compile"), example, QStringLiteral("-o"), out,
                                   QStringLiteral("--spi"), QStringLiteral("--report")});
    ASSERT_EQ(compile.code, 0) << compile.err.toStdString();
    EXPECT_TRUE(compile.out.contains(QStringLiteral("picture 51")));
    EXPECT_TRUE(compile.out.contains(QStringLiteral("alarm texts")));
    EXPECT_TRUE(compile.out.trimmed().endsWith(QStringLiteral(" / SPI: 75 KB")));
    QFile kx(QDir(out).filePath(QStringLiteral("KX.bin")));
    ASSERT_TRUE(kx.open(QIODevice::ReadOnly));
    const QByteArray bytes = kx.readAll();
    EXPECT_EQ(u8(bytes, 800), 6u);           // six pages
    EXPECT_EQ(u8(bytes, 150), 0x16u);        // the clock macro
    EXPECT_EQ(u8(bytes, 82), 6u);            // six alarms
    EXPECT_EQ(u8(bytes, u32(bytes, 0)), 3u); // pictures 0, 1, 2
    EXPECT_EQ(QFileInfo(QDir(out).filePath(QStringLiteral("SPI.bin"))).size(),
              210 + 4 + 2 * 240 * 160);
}

} // namespace
