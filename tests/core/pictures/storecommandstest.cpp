// builder-cli's store commands, run in-process against real files.
#include "bmpbytes.h"
#include "commands.h"
#include "macros/macrofile.h"
#include "tempfolder.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace brevix;

namespace {

struct CliRun
{
    int code;
    QString out;
    QString err;
};

class StoreCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("BREVIX_WORKDIR", dir.file(QStringLiteral("work")).toUtf8());
        qputenv("BREVIX_DATADIR", QByteArray(BREVIX_BINARY_DIR "/data"));
        ASSERT_EQ(run({QStringLiteral("new"), dir.file(QStringLiteral("p.KX3"))}).code, 0);
        project = dir.file(QStringLiteral("p/p.KX3"));
        ASSERT_TRUE(QFile::exists(project));
        QFile f(dir.file(QStringLiteral("a.bmp")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bmptest::solidBmp(3, 2, Qt::red));
    }
    CliRun run(const QStringList &args)
    {
        QString out, err;
        QTextStream o(&out), e(&err);
        const int code = cli::runBuilderCli(args, o, e);
        o.flush();
        e.flush();
        return {code, out, err};
    }
    TempFolder dir;
    QString project;
};

} // namespace

TEST_F(StoreCommandsTest, PicturesAddListExport)
{
    const QString a = dir.file(QStringLiteral("a.bmp"));
    EXPECT_EQ(run({"pictures", "add", project, a}).out.trimmed(),
              QStringLiteral("added picture 1"));
    EXPECT_EQ(run({"pictures", "add", project, a, "--spi"}).out.trimmed(),
              QStringLiteral("added picture 52"));
    const CliRun collision = run({"pictures", "add", project, a, "--id", "1"});
    EXPECT_EQ(collision.code, 2);
    EXPECT_TRUE(collision.err.contains(QStringLiteral("Picture number 1 is already in use")));

    const CliRun listed = run({"pictures", "list", project, "--json"});
    ASSERT_EQ(listed.code, 0);
    const QJsonArray pictures =
        QJsonDocument::fromJson(listed.out.toUtf8())[QStringLiteral("pictures")].toArray();
    ASSERT_EQ(pictures.size(), 3);
    EXPECT_EQ(pictures[1].toObject()[QStringLiteral("width")].toInt(), 3);
    EXPECT_EQ(pictures[1].toObject()[QStringLiteral("panelBytes")].toInt(), 16);
    EXPECT_EQ(pictures[2].toObject()[QStringLiteral("image")].toString(),
              QStringLiteral("SPI.bin"));

    ASSERT_EQ(run({"pictures", "export", project, "1", dir.file(QStringLiteral("out"))}).code, 0);
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("out.bmp"))));
    EXPECT_EQ(run({"pictures", "delete", project, "0"}).code, 2);
    EXPECT_EQ(run({"pictures", "delete", project, "52"}).code, 0);
    EXPECT_EQ(run({"pictures", "frobnicate", project}).code, 64);
    EXPECT_EQ(run({"pictures", "list", dir.file(QStringLiteral("absent.KX3"))}).code, 2);
}

TEST_F(StoreCommandsTest, MacroImportListExport)
{
    QByteArray file = macroFileBytes({});
    MacroRow label;
    label.Code = MacLabel;
    label.A1v = 1;
    MacroRow jump;
    jump.Code = MacGoto;
    jump.A1v = 1;
    file.append(reinterpret_cast<const char *>(&label), 66)
        .append(reinterpret_cast<const char *>(&jump), 66);
    QFile f(dir.file(QStringLiteral("in.Mac")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(file);
    f.close();
    ASSERT_EQ(run({"macro", "import", project, f.fileName()}).code, 0);
    const CliRun listed = run({"macro", "list", project});
    EXPECT_TRUE(listed.out.startsWith(QStringLiteral("   1  LABEL  1\n   2  GOTO  LABEL  1\n")));
    ASSERT_EQ(run({"macro", "export", project, dir.file(QStringLiteral("out"))}).code, 0);
    QFile back(dir.file(QStringLiteral("out.Mac")));
    ASSERT_TRUE(back.open(QIODevice::ReadOnly));
    EXPECT_EQ(back.readAll(), file);

    // An import that fails its label check leaves the stored macro alone.
    file.chop(66 * 2);
    jump.A1v = 9;
    file.append(reinterpret_cast<const char *>(&jump), 66);
    QFile bad(dir.file(QStringLiteral("bad.Mac")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(file);
    bad.close();
    const CliRun refused = run({"--lang", "zh", "macro", "import", project, bad.fileName()});
    EXPECT_EQ(refused.code, 2);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("L# 1, LABEL 9 未定义！")));
    EXPECT_EQ(run({"macro", "list", project}).out, listed.out);
}
