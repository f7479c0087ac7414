#include "model/projectfile.h"
#include "model/gzipfile.h"
#include "tempfolder.h"
#include "text/gbk.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace brevix;

namespace {

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

qint64 unpackedSize(const QString &path)
{
    QByteArray plain;
    return gzipInflate(readFile(path), qint64(1) << 30, plain) ? plain.size() : -1;
}

class ProjectFileTest : public ::testing::Test
{
protected:
    TempFolder dir;
    WorkFolder work{dir.file(QStringLiteral("work"))};
    Project project;
    QString path() const { return dir.file(QStringLiteral("p.KX3")); }
};

} // namespace

struct CountCase
{
    int highestPage;
    int records;
};

class RecordCount : public ProjectFileTest, public ::testing::WithParamInterface<CountCase>
{
};

TEST_P(RecordCount, SavesRecordsUpToHighestPagePlusOne)
{
    project.writeNewValues();
    if (GetParam().highestPage > 0)
        project.createPage(GetParam().highestPage, "P");
    ASSERT_TRUE(saveProject(project, path(), work).ok());
    EXPECT_EQ(unpackedSize(path()), qint64(GetParam().records) * 197188);
}

INSTANTIATE_TEST_SUITE_P(Table, RecordCount,
                         ::testing::Values(CountCase{0, 2}, CountCase{7, 9}, CountCase{239, 241},
                                           CountCase{240, 241}));

TEST_F(ProjectFileTest, RoundTripKeepsEveryByteAndRepairsLedCells)
{
    project.resetToNew();
    project.createPage(5, toGbk(QStringLiteral("第五页")));
    project.record(5).Kind[3] = 2;
    project.record(5).WordA[3] = 1234;
    project.record(5).TextA[3].setText(QStringLiteral("温度"));
    project.settings().LongA[60] = 0;
    project.settings().LongA[63] = 0;
    project.settings().Kind[1] = 77; // carried cell: what open kept is what save writes
    ASSERT_TRUE(saveProject(project, path(), work).ok());
    EXPECT_FALSE(QFile::exists(work.file(QStringLiteral("G1.Temp"))));
    EXPECT_FALSE(QFile::exists(work.file(QStringLiteral("G2.Temp"))));

    Project loaded;
    ASSERT_TRUE(openProject(loaded, path(), work).ok());
    EXPECT_EQ(loaded.currentPage, 1);
    EXPECT_EQ(loaded.record(5).PageStrings[PageName].text(), QStringLiteral("第五页"));
    EXPECT_EQ(loaded.record(5).WordA[3], 1234);
    EXPECT_EQ(loaded.record(5).TextA[3].text(), QStringLiteral("温度"));
    EXPECT_EQ(loaded.settings().LongA[60], 8);
    EXPECT_EQ(loaded.settings().LongA[63], 8);
    EXPECT_EQ(loaded.settings().Kind[1], 0); // a new project kept nothing
    EXPECT_EQ(loaded.settings().Kind[198], 168);
    EXPECT_EQ(loaded.settings().WordA[198], 9595);
    EXPECT_EQ(std::memcmp(&loaded.record(5), &project.record(5), sizeof(PageRecord)), 0);
}

TEST_F(ProjectFileTest, OpenClearsPagesTheFileDoesNotHold)
{
    project.resetToNew();
    ASSERT_TRUE(saveProject(project, path(), work).ok());
    Project other;
    other.resetToNew();
    other.createPage(200, "old");
    other.record(200).Kind[0] = 3;
    ASSERT_TRUE(openProject(other, path(), work).ok());
    EXPECT_FALSE(other.PageExists(200));
    EXPECT_EQ(other.record(200).Kind[0], 0);
    EXPECT_EQ(other.currentPage, 1);
}

TEST_F(ProjectFileTest, LowestExistingPageBecomesCurrent)
{
    project.writeNewValues();
    project.createPage(9, "a");
    project.createPage(4, "b");
    ASSERT_TRUE(saveProject(project, path(), work).ok());
    Project loaded;
    loaded.currentPage = 77;
    ASSERT_TRUE(openProject(loaded, path(), work).ok());
    EXPECT_EQ(loaded.currentPage, 4);
}

TEST_F(ProjectFileTest, RefusesWrongMarkers)
{
    project.resetToNew();
    QByteArray image = recordImage(project);
    // Marker byte right, marker word wrong.
    image[qsizetype(offsetof(PageRecord, WordA) + 2 * 198)] = 0;
    writeFile(path(), gzipDeflate(image));
    Project loaded;
    const Result r = openProject(loaded, path(), work);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.message().en, QStringLiteral("File is the wrong version ！"));
    EXPECT_FALSE(loaded.PageExists(1));
}

struct DamageCase
{
    const char *name;
    QByteArray (*make)(const QByteArray &image);
};

class DamagedFile : public ProjectFileTest, public ::testing::WithParamInterface<DamageCase>
{
};

TEST_P(DamagedFile, IsRefusedWithTheFailureMessage)
{
    project.resetToNew();
    writeFile(path(), GetParam().make(recordImage(project)));
    Project loaded;
    const Result r = openProject(loaded, path(), work);
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.message().en.startsWith(QStringLiteral("Open:") + path() + " Failed ！"))
        << r.message().en.toStdString();
    EXPECT_FALSE(loaded.PageExists(1));
    EXPECT_FALSE(QFile::exists(work.file(QStringLiteral("G2.Temp"))));
}

INSTANTIATE_TEST_SUITE_P(
    Table, DamagedFile,
    ::testing::Values(
        DamageCase{"NotGzip", [](const QByteArray &) { return QByteArray("plain text"); }},
        DamageCase{"Empty", [](const QByteArray &) { return QByteArray(); }},
        DamageCase{"Truncated",
                   [](const QByteArray &image) {
                       const QByteArray z = gzipDeflate(image);
                       return z.left(z.size() / 2);
                   }},
        DamageCase{"Ragged", [](const QByteArray &image) { return gzipDeflate(image + "x"); }},
        DamageCase{"Bomb",
                   [](const QByteArray &image) {
                       return gzipDeflate(image + QByteArray(240 * 197188, '\0'));
                   }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ProjectFileTest, OutputIsStandardGzip)
{
    if (QProcess::execute(QStringLiteral("sh"),
                          {QStringLiteral("-c"), QStringLiteral("command -v zcat")}) != 0)
        GTEST_SKIP() << "zcat not installed";
    project.resetToNew();
    project.createPage(3, "x");
    ASSERT_TRUE(saveProject(project, path(), work).ok());
    QProcess zcat;
    zcat.start(QStringLiteral("zcat"), {path()});
    ASSERT_TRUE(zcat.waitForFinished());
    EXPECT_EQ(zcat.readAllStandardOutput(), recordImage(project));
}

struct PathCase
{
    const char *chosen;
    const char *stored;
};

class SavePath : public ::testing::TestWithParam<PathCase>
{
};

TEST_P(SavePath, FolderIsThePathMinusItsLastFourCharacters)
{
    EXPECT_EQ(savePathForChosen(QString::fromUtf8(GetParam().chosen)),
              QString::fromUtf8(GetParam().stored));
}

INSTANTIATE_TEST_SUITE_P(Table, SavePath,
                         ::testing::Values(PathCase{"/w/Press", "/w/Press/Press.KX3"},
                                           PathCase{"/w/press.kx3", "/w/press.kx3/press.kx3.KX3"},
                                           PathCase{"/w/Press.KX3", "/w/Press/Press.KX3"},
                                           PathCase{"/w/a.KX3.old", "/w/a.KX3/a.KX3.old"}));

TEST_F(ProjectFileTest, BackupCopiesThePreviousSave)
{
    project.resetToNew();
    ASSERT_TRUE(saveProject(project, path(), work).ok());
    const QByteArray first = readFile(path());
    project.createPage(2, "second");
    ASSERT_TRUE(saveProject(project, path(), work, {.backup = true}).ok());
    EXPECT_EQ(readFile(dir.file(QStringLiteral("p.BAK"))), first);
    EXPECT_NE(readFile(path()), first);
}

TEST_F(ProjectFileTest, BackupFileOpensAndSavesInPlace)
{
    project.resetToNew();
    ASSERT_TRUE(saveProject(project, path(), work).ok());
    project.createPage(2, "b");
    ASSERT_TRUE(saveProject(project, path(), work, {.backup = true}).ok());
    const QString bak = dir.file(QStringLiteral("p.BAK"));
    Project fromBackup;
    ASSERT_TRUE(openProject(fromBackup, bak, work).ok());
    EXPECT_FALSE(fromBackup.PageExists(2));
    fromBackup.createPage(3, "c");
    ASSERT_TRUE(saveProject(fromBackup, bak, work, {.backup = true}).ok());
    Project again;
    ASSERT_TRUE(openProject(again, bak, work).ok());
    EXPECT_TRUE(again.PageExists(3));
}

TEST_F(ProjectFileTest, SaveAsCopiesCompanionsWithoutOverwriting)
{
    writeFile(dir.file(QStringLiteral("p.PIC")), "pictures");
    writeFile(dir.file(QStringLiteral("p.M")), "macros");
    writeFile(dir.file(QStringLiteral("q.M")), "keep");
    copyCompanions(path(), dir.file(QStringLiteral("q.KX3")));
    EXPECT_EQ(readFile(dir.file(QStringLiteral("q.PIC"))), "pictures");
    EXPECT_EQ(readFile(dir.file(QStringLiteral("q.M"))), "keep");
}

TEST_F(ProjectFileTest, FailedSaveLeavesThePreviousFile)
{
    project.resetToNew();
    ASSERT_TRUE(saveProject(project, path(), work).ok());
    const QByteArray before = readFile(path());
    // The working folder is a file: the temporary image cannot be written.
    writeFile(dir.file(QStringLiteral("blocked")), "x");
    project.createPage(2, "lost");
    const Result r = saveProject(project, path(), WorkFolder(dir.file(QStringLiteral("blocked"))));
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(readFile(path()), before);
}

TEST_F(ProjectFileTest, SaveKilledMidWayLeavesAReadableFile)
{
    project.resetToNew();
    for (int n = 1; n <= 240; ++n) {
        project.createPage(n, QByteArray("page ") + QByteArray::number(n));
        for (int s = 0; s < 200; ++s) {
            project.record(n).Kind[s] = 1;
            project.record(n).TextA[s].setBytes(QByteArray::number(n * 1000 + s).repeated(5));
        }
    }
    ASSERT_TRUE(saveProject(project, path(), work).ok());
    for (int delayMs : {5, 40, 120, 300}) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;)
                saveProject(project, path(), work);
        }
        usleep(useconds_t(delayMs) * 1000);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        Project loaded;
        ASSERT_TRUE(openProject(loaded, path(), work).ok()) << "killed after " << delayMs << " ms";
        EXPECT_EQ(loaded.HighestPageInUse(), 240);
    }
}
