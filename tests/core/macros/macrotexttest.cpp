#include "macrorows.h"
#include "macros/macroencoder.h"

#include <gtest/gtest.h>

using namespace brevix;
using namespace macrotest;

struct OperandCase
{
    std::uint8_t type;
    std::uint16_t value;
    std::uint8_t bits;
    const char *text;
};

class OperandText : public ::testing::TestWithParam<OperandCase>
{
};

TEST_P(OperandText, MatchesTheEditorsForm)
{
    const OperandCase c = GetParam();
    EXPECT_EQ(MacReStr(c.type, c.value, c.bits), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Operands, OperandText,
    ::testing::Values(OperandCase{0x00, 65531, 0, "65531"}, OperandCase{0x00, 65531, 2, "-5"},
                      OperandCase{0x00, 65531, 3, "-5"}, OperandCase{0x00, 65531, 1, "65531"},
                      // Registers are never signed, whatever the row says.
                      OperandCase{0x01, 65531, 2, "D65531"}, OperandCase{0x01, 100, 0, "D100"},
                      OperandCase{0x49, 7, 0, "D7.4"}, OperandCase{0xA9, 100, 0, "D100.A"},
                      OperandCase{0xF9, 1, 0, "D1.F"}, OperandCase{0x08, 3, 0, "3.0"},
                      // Kind 3 is a register but shows no bit; kinds 2 and 4 show plain numbers.
                      OperandCase{0x3B, 12, 0, "D12"}, OperandCase{0x02, 12, 2, "12"},
                      OperandCase{0x04, 65535, 2, "65535"}, OperandCase{0x00, 32768, 2, "-32768"}));

struct TextCase
{
    MacroRow row;
    const char *text;
    const char *comment = nullptr;
};

class RowText : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(RowText, MatchesCharacterForCharacter)
{
    TextCase c = GetParam();
    if (c.comment)
        c.row.setComment(QString::fromUtf8(c.comment));
    const MacroRowText text = MacCodeToStr(c.row);
    EXPECT_EQ(text.text, QString::fromUtf8(c.text));
    EXPECT_EQ(text.commentStyle, c.row.Code == MacComment);
}

const MacroRow add3 = row(MacAdd, D, 100, D, 101, K, 65531, 3);

INSTANTIATE_TEST_SUITE_P(
    Codes, RowText,
    ::testing::Values(
        TextCase{add3, "D100 = D101 + -5 ( Signed DW )"},
        TextCase{row(MacAdd, D, 1, D, 2, K, 3), "D1 = D2 + 3"},
        TextCase{row(MacSub, D, 1, D, 2, K, 3, 2), "D1 = D2 - 3 ( Signed )"},
        TextCase{row(MacMul, D, 1, D, 2, K, 3, 1), "D1 = D2 x 3 ( DW )"},
        TextCase{row(MacDiv, D, 1, D, 2, K, 3), "D1 = D2 / 3"},
        TextCase{row(MacMod, D, 1, D, 2, K, 3), "D1 = D2 % 3"},
        TextCase{row(MacOr, D, 1, D, 2, K, 3), "D1 = D2 | 3"},
        TextCase{row(MacAnd, D, 1, D, 2, K, 3), "D1 = D2 & 3"},
        TextCase{row(MacXor, D, 1, D, 2, K, 3), "D1 = D2 ^ 3"},
        TextCase{row(MacShl, D, 1, D, 2, K, 3), "D1 = D2 << 3"},
        TextCase{row(MacShr, D, 1, D, 2, K, 3), "D1 = D2 >> 3"},
        TextCase{row(MacMov, D, 1, K, 2, K, 0, 1), "D1 = 2 ( DW )"},
        TextCase{row(MacBmov, D, 1, D, 2, K, 3), "BMOV( D1, D2, 3 )"},
        TextCase{row(MacFill, D, 1, K, 2, K, 3), "FILL( D1, 2, 3 )"},
        TextCase{row(MacChr, D, 9), "CHR( D9, \"Hi 你好\" )", "Hi 你好"},
        TextCase{row(MacIfEq, D, 1, K, 2, K, 3), "IF  D1 == 2 THEN  GOTO  LABEL 3"},
        TextCase{row(MacIfNe, D, 1, K, 2, K, 3), "IF  D1 != 2 THEN  GOTO  LABEL 3"},
        TextCase{row(MacIfGt, D, 1, K, 2, K, 3), "IF  D1 >  2 THEN  GOTO  LABEL 3"},
        TextCase{row(MacIfGe, D, 1, K, 2, K, 3), "IF  D1 >= 2 THEN  GOTO  LABEL 3"},
        TextCase{row(MacIfLt, D, 1, K, 65535, K, 3, 2),
                 "IF  D1 <  -1 THEN  GOTO  LABEL 3 ( Signed )"},
        TextCase{row(MacIfLe, D, 1, K, 2, K, 3), "IF  D1 <= 2 THEN  GOTO  LABEL 3"},
        TextCase{row(MacIfAndZero, D, 1, K, 4, K, 3), "IF ( D1 & 4 ) ==  0 THEN  GOTO  LABEL 3"},
        TextCase{row(MacIfAndNonZero, D, 1, K, 4, K, 3, 1),
                 "IF ( D1 & 4 ) !=  0 THEN  GOTO  LABEL 3 ( DW )"},
        TextCase{row(MacIfBitOn, 0x59, 1, K, 2), "IF D1.5 == ON  THEN  GOTO  LABEL 2"},
        TextCase{row(MacIfBitOff, 0x59, 1, K, 2), "IF D1.5 == OFF THEN  GOTO  LABEL 2"},
        TextCase{row(MacGoto, K, 7), "GOTO  LABEL  7"}, TextCase{row(MacLabel, K, 7), "LABEL  7"},
        TextCase{row(MacCall, K, 16), "CALL  Sub-macro #16"}, TextCase{row(MacRet), "RET"},
        TextCase{row(MacEnd), "END"}, TextCase{row(MacSetb, 0x19, 4), "SETB  D4.1"},
        TextCase{row(MacClrb, 0x19, 4), "CLRB  D4.1"},
        TextCase{row(MacInvb, 0x19, 4), "INVB  D4.1"},
        TextCase{row(MacTimeTick, D, 8, K, 0, K, 0, 1), "D8 == TIMETICK()"},
        TextCase{row(MacComment), "#加热段 heat", "加热段 heat"},
        TextCase{row(MacTxd, D, 1, K, 2), "TXD( D1, 2)"},
        TextCase{row(MacRxd, D, 1, D, 2), "RXD( D1, D2)"},
        TextCase{row(MacStr, D, 1, D, 2, K, 3), "STR( D1, D2, 3 )"},
        TextCase{row(0, D, 1, D, 2), ""}, TextCase{row(38, D, 1, D, 2), ""},
        TextCase{row(255), ""}));

TEST(MacroComment, KeepsAtMost50BytesWithoutSplittingACharacter)
{
    MacroRow r;
    r.setComment(QString(60, QLatin1Char('a')));
    EXPECT_EQ(r.Comment.length, 50);
    r.setComment(QString(30, QChar(0x4E2D))); // 中: two bytes each
    EXPECT_EQ(r.Comment.length, 50);
    r.setComment(QStringLiteral("a") + QString(30, QChar(0x4E2D)));
    EXPECT_EQ(r.Comment.length, 49); // the 25th character would be cut in half
}
