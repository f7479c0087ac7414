#include "macros/macrofile.h"
#include "macrorows.h"
#include "tempfolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace brevix;
using namespace macrotest;

namespace {

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray header()
{
    QByteArray h(66, '\0');
    h[4] = char(0x89);
    h[5] = char(0x21);
    h[14] = 10;
    h.replace(15, 10, "Kestrowind");
    return h;
}

} // namespace

TEST(MacroFile, ExportWritesHeaderAndRowsUpToTheLastOne)
{
    TempFolder dir;
    MacroRows rows = {label(1), row(MacAdd, D, 10, D, 10, K, 1), MacroRow{},
                      comment(QStringLiteral("注释")), gotoLabel(1)};
    rows.resize(100);
    QString written;
    ASSERT_TRUE(exportMacroFile(dir.file(QStringLiteral("clock.txt")), rows, &written).ok());
    EXPECT_EQ(written, dir.file(QStringLiteral("clock.Mac")));
    const QByteArray bytes = readFile(written);
    ASSERT_EQ(bytes.size(), 66 * 6);
    EXPECT_EQ(bytes.left(66).toHex(), header().toHex());
    // Row 1 as it lies in the file: code, bits, A1t, fill, A1v, A2..., A3..., comment.
    EXPECT_EQ(bytes.mid(2 * 66, 14).toHex(' '),
              QByteArray("01 00 01 00 0a 00 01 00 0a 00 00 00 01 00"));
    EXPECT_EQ(bytes.mid(4 * 66 + 14, 5).toHex(' '), QByteArray("04 d7 a2 ca cd")); // GBK 注释
    EXPECT_EQ(bytes.mid(3 * 66, 66), QByteArray(66, '\0'));

    MacroRows back;
    ASSERT_TRUE(importMacroFile(written, back).ok());
    ASSERT_EQ(back.size(), 5u);
    EXPECT_EQ(back[1].A3v, 1);
    EXPECT_EQ(back[3].Comment.text(), QStringLiteral("注释"));
    EXPECT_EQ(back[4].Code, MacGoto);
}

struct PathCase
{
    const char *chosen;
    const char *path;
};

class MacroExportPath : public ::testing::TestWithParam<PathCase>
{
};

TEST_P(MacroExportPath, ForcesTheMacExtension)
{
    EXPECT_EQ(macroExportPath(QString::fromUtf8(GetParam().chosen)),
              QString::fromUtf8(GetParam().path));
}

INSTANTIATE_TEST_SUITE_P(Names, MacroExportPath,
                         ::testing::Values(PathCase{"a", "a.Mac"}, PathCase{"a.mac", "a.Mac"},
                                           PathCase{"dir/b.txt", "dir/b.Mac"},
                                           PathCase{"x.y.BAK", "x.y.Mac"},
                                           PathCase{"some dir.d/c", "some dir.d/c.Mac"}));

TEST(MacroFile, ExportRunsTheLabelChecks)
{
    TempFolder dir;
    const Result r = exportMacroFile(dir.file(QStringLiteral("m")), {gotoLabel(5)});
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.message().en, QStringLiteral("L# 1, LABEL 5 undefined!"));
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("m.Mac"))));
}

struct BadHeaderCase
{
    int offset;
    char value;
};

class MacroFileHeader : public ::testing::TestWithParam<BadHeaderCase>
{
};

TEST_P(MacroFileHeader, WrongVersionOrSignatureIsRefused)
{
    QByteArray bytes = macroFileBytes({row(MacEnd)});
    bytes[GetParam().offset] = GetParam().value;
    MacroRows rows{row(MacEnd)};
    const Result r = parseMacroFile(bytes, rows);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.message().zh, QStringLiteral("文件版本错误 ！"));
    EXPECT_TRUE(rows.empty());
}

INSTANTIATE_TEST_SUITE_P(Bytes, MacroFileHeader,
                         ::testing::Values(BadHeaderCase{4, 0x00}, BadHeaderCase{5, 0x00},
                                           BadHeaderCase{14, 9}, BadHeaderCase{15, 'k'},
                                           BadHeaderCase{24, 'D'}));

TEST(MacroFile, ShortFilesAndPartialRecords)
{
    MacroRows rows;
    EXPECT_FALSE(parseMacroFile(header().left(30), rows).ok());
    ASSERT_TRUE(parseMacroFile(header(), rows).ok());
    EXPECT_TRUE(rows.empty());
    QByteArray bytes = macroFileBytes({label(3), row(MacEnd)});
    ASSERT_TRUE(parseMacroFile(bytes + QByteArray(40, '\x1D'), rows).ok());
    EXPECT_EQ(rows.size(), 2u);
}

TEST(MacroFile, OversizedTextLengthIsClamped)
{
    QByteArray bytes = macroFileBytes({comment(QStringLiteral("ab"))});
    bytes[66 + 14] = char(200);
    MacroRows rows;
    ASSERT_TRUE(parseMacroFile(bytes, rows).ok());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Comment.length, 50);
}

TEST(MacroFile, ImportTakesAtMostTheHundredShownRows)
{
    TempFolder dir;
    QByteArray bytes = header();
    MacroRow end = row(MacEnd);
    for (int i = 0; i < 150; ++i)
        bytes.append(reinterpret_cast<const char *>(&end), 66);
    QFile f(dir.file(QStringLiteral("big.Mac")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    MacroRows rows;
    ASSERT_TRUE(importMacroFile(dir.file(QStringLiteral("big.Mac")), rows).ok());
    EXPECT_EQ(rows.size(), 100u);
    EXPECT_FALSE(importMacroFile(dir.file(QStringLiteral("absent.Mac")), rows).ok());
}
