#include "macros/macrostore.h"
#include "macrorows.h"
#include "macros/macroencoder.h"
#include "tempfolder.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace brevix;
using namespace macrotest;

namespace {

const QString kTemplate = QStringLiteral(BREVIX_BINARY_DIR "/data/stores/MacroDat.M");

// Runs SQL on a store directly, as another tool would write it.
void execOn(const QString &path, const QStringList &statements)
{
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("direct"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        for (const QString &sql : statements)
            ASSERT_TRUE(q.exec(sql)) << sql.toStdString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("direct"));
}

int storedRowCount(const QString &path)
{
    int count = -1;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("count"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("SELECT COUNT(*) FROM Mac")) && q.next())
                count = q.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("count"));
    return count;
}

bool sameRow(const MacroRow &a, const MacroRow &b)
{
    return a.Code == b.Code && a.BIT == b.BIT && a.A1t == b.A1t && a.A1v == b.A1v &&
           a.A2t == b.A2t && a.A2v == b.A2v && a.A3t == b.A3t && a.A3v == b.A3v &&
           a.Comment.bytes() == b.Comment.bytes();
}

class MacroStoreTest : public ::testing::Test
{
protected:
    TempFolder dir;
    QString project() const { return dir.file(QStringLiteral("茶叶 机.KX3")); }
    MacroStore store{project(), kTemplate};
};

} // namespace

TEST_F(MacroStoreTest, LoadCreatesTheStoreFromTheTemplate)
{
    EXPECT_EQ(store.path(), dir.file(QStringLiteral("茶叶 机.M")));
    EXPECT_FALSE(store.exists());
    MacroRows rows{row(MacEnd)};
    ASSERT_TRUE(store.ADOLoadFile(rows).ok());
    EXPECT_TRUE(store.exists());
    EXPECT_TRUE(rows.empty());
}

TEST_F(MacroStoreTest, SaveAndLoadGiveTheRowsBack)
{
    MacroRows rows = {label(1),
                      comment(QStringLiteral("加热 heat")),
                      row(MacAdd, D, 100, D, 101, K, 0xFFFB, 3),
                      MacroRow{},
                      row(MacIfLt, 0x49, 10, K, 100, K, 1, 2),
                      row(MacEnd)};
    rows[2].A1fill = 0x77; // fill bytes are not stored
    rows.resize(100);      // trailing empty rows are not stored
    ASSERT_TRUE(store.ADOSaveFile(rows).ok());
    EXPECT_EQ(storedRowCount(store.path()), 6);
    MacroRows loaded;
    ASSERT_TRUE(store.ADOLoadFile(loaded).ok());
    ASSERT_EQ(loaded.size(), 6u);
    for (size_t i = 0; i < loaded.size(); ++i)
        EXPECT_TRUE(sameRow(loaded[i], rows[i])) << "row " << i;
    EXPECT_EQ(loaded[1].Comment.text(), QStringLiteral("加热 heat"));
    EXPECT_EQ(ChangeMacCmd(project()).instructionCount, 4);
}

TEST_F(MacroStoreTest, UndefinedLabelRefusesTheSaveAndKeepsTheStore)
{
    ASSERT_TRUE(store.ADOSaveFile({label(1), row(MacEnd)}).ok());
    const Result saved = store.ADOSaveFile({label(1), row(MacEnd), gotoLabel(5)});
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.message().zh, QStringLiteral("L# 3, LABEL 5 未定义！"));
    EXPECT_EQ(saved.message().en, QStringLiteral("L# 3, LABEL 5 undefined!"));
    EXPECT_EQ(storedRowCount(store.path()), 2);
}

struct LabelCase
{
    MacroRows rows;
    const char *zh; // nullptr: passes
};

class LabelCheck : public ::testing::TestWithParam<LabelCase>
{
};

TEST_P(LabelCheck, FindsTheFirstFault)
{
    const Result r = checkMacroLabels(GetParam().rows);
    if (!GetParam().zh) {
        EXPECT_TRUE(r.ok()) << r.message().en.toStdString();
        return;
    }
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.message().zh, QString::fromUtf8(GetParam().zh));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LabelCheck,
    ::testing::Values(
        LabelCase{{}, nullptr},
        LabelCase{{gotoLabel(2), label(2)}, nullptr}, // a forward jump is fine
        LabelCase{{label(2), row(MacEnd), row(MacEnd), label(2)}, "L# 4, LABEL 2 重复！"},
        LabelCase{{row(MacIfEq, D, 1, K, 2, K, 9)}, "L# 1, LABEL 9 未定义！"},
        LabelCase{{label(9), row(MacIfAndNonZero, D, 1, K, 2, K, 8)}, "L# 2, LABEL 8 未定义！"},
        LabelCase{{label(9), row(MacIfBitOn, D, 1, K, 7, K, 9)},
                  "L# 2, LABEL 7 未定义！"}, // target in A2
        LabelCase{{label(9), row(MacIfBitOff, D, 1, K, 9, K, 7)}, nullptr},
        // A LABEL row cannot be a jump's target through another operand.
        LabelCase{{row(MacLabel, K, 1, K, 3), gotoLabel(3)}, "L# 2, LABEL 3 未定义！"},
        // Undefined targets are reported before duplicates.
        LabelCase{{label(1), label(1), gotoLabel(4)}, "L# 3, LABEL 4 未定义！"},
        // Rows past the 100 shown are not looked at.
        LabelCase{[] {
                      MacroRows r(100);
                      r.push_back(gotoLabel(3));
                      return r;
                  }(),
                  nullptr}));

TEST_F(MacroStoreTest, SavingAnEmptyMacroEmptiesTheTable)
{
    ASSERT_TRUE(store.ADOSaveFile({label(1), row(MacEnd)}).ok());
    ASSERT_TRUE(store.ADOSaveFile(MacroRows(100)).ok());
    EXPECT_EQ(storedRowCount(store.path()), 0);
}

TEST_F(MacroStoreTest, ForeignValuesAreMaskedAndLongCommentsCut)
{
    MacroRows none;
    ASSERT_TRUE(store.ADOLoadFile(none).ok());
    execOn(store.path(),
           {QStringLiteral("INSERT INTO Mac VALUES (1, 258, 1, -5, 0, 70000, 0, 3, NULL)"),
            QStringLiteral("INSERT INTO Mac VALUES (34, 0, 0, 0, 0, 0, 0, 0, '%1')")
                .arg(QString(60, QLatin1Char('x'))),
            QStringLiteral("INSERT INTO Mac VALUES (34, 0, 0, 0, 0, 0, 0, 0, x'D6D0CEC4')")});
    MacroRows rows;
    ASSERT_TRUE(store.ADOLoadFile(rows).ok());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].BIT, 2);
    EXPECT_EQ(rows[0].A1v, 0xFFFB);
    EXPECT_EQ(rows[0].A2v, 70000 & 0xFFFF);
    EXPECT_EQ(rows[1].Comment.length, 50);
    EXPECT_EQ(rows[2].Comment.text(), QStringLiteral("中文")); // GBK bytes stored as a blob
}

TEST_F(MacroStoreTest, CompilerNeverCreatesTheStoreAndIgnoresABrokenOne)
{
    const MacroArea missing = ChangeMacCmd(project());
    EXPECT_EQ(missing.bytes, QByteArray(kMacroAreaSize, '\0'));
    EXPECT_FALSE(store.exists());
    QFile broken(store.path());
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("this is not a database at all, just some text that is long enough");
    broken.close();
    const MacroArea unreadable = ChangeMacCmd(project());
    EXPECT_EQ(unreadable.bytes, QByteArray(kMacroAreaSize, '\0'));
    EXPECT_FALSE(unreadable.warning);
    MacroRows rows;
    EXPECT_FALSE(store.ADOLoadFile(rows).ok());
}

TEST_F(MacroStoreTest, MissingTemplateIsAClearFailure)
{
    MacroStore orphan(project(), dir.file(QStringLiteral("absent.M")));
    MacroRows rows;
    const Result loaded = orphan.ADOLoadFile(rows);
    ASSERT_FALSE(loaded.ok());
    EXPECT_TRUE(loaded.message().en.contains(QStringLiteral("template")));
}

TEST_F(MacroStoreTest, CompactionKeepsTheRows)
{
    MacroRows rows(80, row(MacMov, D, 1, K, 2));
    for (auto &r : rows)
        r.setComment(QString(50, QLatin1Char('c')));
    ASSERT_TRUE(store.ADOSaveFile(rows).ok());
    ASSERT_TRUE(store.ADOSaveFile({row(MacEnd)}).ok());
    ASSERT_TRUE(store.CompressRepairMDat().ok());
    MacroRows loaded;
    ASSERT_TRUE(store.ADOLoadFile(loaded).ok());
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0].Code, MacEnd);
}
