#include "macros/macroencoder.h"
#include "macrorows.h"

#include <QList>
#include <gtest/gtest.h>

using namespace brevix;
using namespace macrotest;

namespace {

// LABEL 1, D10 = D10 + 1, IF D10 < 100 THEN GOTO LABEL 1, END
MacroRows counterLoop()
{
    return {label(1), row(MacAdd, D, 10, D, 10, K, 1), row(MacIfLt, D, 10, K, 100, K, 1),
            row(MacEnd)};
}

const QByteArray kLoopBytes = QByteArray::fromHex("16E90404E916"
                                                  "1A00010000000000"
                                                  "010C0A000A000100"
                                                  "13040A0064000100"
                                                  "1D00000000000000");

MacroRows repeated(const MacroRow &r, int n)
{
    return MacroRows(size_t(n), r);
}

} // namespace

TEST(MacroArea, EncodesTheCounterLoop)
{
    const MacroArea area = ChangeMacCmd(counterLoop());
    ASSERT_EQ(area.bytes.size(), kMacroAreaSize);
    EXPECT_EQ(area.bytes.left(kLoopBytes.size()).toHex(' '), kLoopBytes.toHex(' '));
    EXPECT_EQ(area.bytes.mid(kLoopBytes.size()),
              QByteArray(kMacroAreaSize - kLoopBytes.size(), '\0'));
    EXPECT_EQ(area.instructionCount, 4);
    EXPECT_FALSE(area.warning);
}

TEST(MacroArea, CommentsAndUncompiledRowsDoNotShiftTheRecords)
{
    MacroRows rows = counterLoop();
    rows.insert(rows.begin() + 1, comment(QStringLiteral("count up")));
    rows.insert(rows.begin() + 3, row(MacSetb, D, 4));
    rows.insert(rows.begin() + 3, MacroRow{}); // an empty row in between
    rows.insert(rows.begin(), row(MacCall, K, 2));
    const MacroArea area = ChangeMacCmd(rows);
    EXPECT_EQ(area.bytes.left(kLoopBytes.size()).toHex(' '), kLoopBytes.toHex(' '));
}

TEST(MacroArea, SignedConstantIsItsTwosComplement)
{
    const MacroArea area = ChangeMacCmd({row(MacAdd, D, 100, D, 101, K, 0xFFFB, 3)});
    EXPECT_EQ(area.bytes.mid(6, 8).toHex(' '), QByteArray("01 0f 64 00 65 00 fb ff"));
}

TEST(MacroArea, BitAddressesAndFillBytesAreNotEncoded)
{
    MacroRow r = row(MacMov, 0x49, 3, 0xF9, 4);
    r.A1fill = 0x55;
    const MacroArea area = ChangeMacCmd({r});
    EXPECT_EQ(area.bytes.mid(6, 8).toHex(' '), QByteArray("0b 0c 03 00 04 00 00 00"));
}

TEST(MacroArea, EightyInstructionsFitEightyOneDoNot)
{
    MacroRows eighty = repeated(row(MacMov, D, 1, K, 2), 80);
    eighty.push_back(comment(QStringLiteral("not counted")));
    const MacroArea fits = ChangeMacCmd(eighty);
    EXPECT_EQ(fits.bytes.left(6).toHex(' '), QByteArray("16 e9 50 50 e9 16"));
    EXPECT_EQ(fits.bytes.mid(6 + 79 * 8, 8).toHex(' '), QByteArray("0b 04 01 00 02 00 00 00"));
    EXPECT_EQ(fits.bytes.mid(6 + 80 * 8), QByteArray(4, '\0')); // 796..799
    EXPECT_FALSE(fits.warning);

    const MacroArea tooMany = ChangeMacCmd(repeated(row(MacMov, D, 1, K, 2), 81));
    EXPECT_EQ(tooMany.bytes, QByteArray(kMacroAreaSize, '\0'));
    EXPECT_EQ(tooMany.instructionCount, 81);
    ASSERT_TRUE(tooMany.warning);
    EXPECT_EQ(tooMany.warning->zh, QStringLiteral("宏程序代码行数超过 80 ！\r已放弃生成宏指令 ！"));
}

TEST(MacroArea, OnlyTheFirstHundredRowsCount)
{
    MacroRows rows(100);
    rows.push_back(row(MacEnd)); // row 101: beyond what the editor shows
    EXPECT_EQ(ChangeMacCmd(rows).bytes, QByteArray(kMacroAreaSize, '\0'));
    rows[99] = row(MacEnd);
    EXPECT_EQ(ChangeMacCmd(rows).instructionCount, 1);
}

TEST(MacroArea, NoCompiledRowWritesNothing)
{
    const MacroArea area = ChangeMacCmd({comment(QStringLiteral("only a note")), row(MacRet)});
    EXPECT_EQ(area.bytes, QByteArray(kMacroAreaSize, '\0'));
    EXPECT_EQ(area.instructionCount, 0);
    EXPECT_EQ(ChangeMacCmd(MacroRows{}).bytes, QByteArray(kMacroAreaSize, '\0'));
}

TEST(MacroCodes, CompiledSetIsExactlyThePanelsOwn)
{
    QList<int> compiled;
    for (int code = 0; code < 256; ++code) {
        if (isCompiledMacroCode(std::uint8_t(code)))
            compiled.append(code);
    }
    EXPECT_EQ(compiled,
              (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 15, 16, 17, 18, 19, 20, 25, 26, 29}));
}
