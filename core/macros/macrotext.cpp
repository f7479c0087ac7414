#include "macros/macroencoder.h"

#include <array>

namespace brevix {

namespace {

bool hasFlagsSuffix(int code)
{
    return (code >= MacAdd && code <= MacMov) || (code >= MacIfEq && code <= MacIfAndNonZero);
}

QString flagsSuffix(std::uint8_t bits)
{
    if (bits == 0)
        return {};
    QString s = QStringLiteral(" ( ");
    if (bits & kMacroSigned)
        s += QStringLiteral("Signed ");
    if (bits & kMacroDoubleWord)
        s += QStringLiteral("DW ");
    return s + QLatin1Char(')');
}

} // namespace

QString MacReStr(std::uint8_t type, std::uint16_t value, std::uint8_t bitFlags)
{
    QString number;
    if (operandKind(type) == 0 && (bitFlags & kMacroSigned))
        number = QString::number(std::int16_t(value));
    else
        number = QString::number(value);
    QString text = operandIsRegister(type) ? QStringLiteral("D") + number : number;
    if (operandIsBitAddressed(type) && operandKind(type) != 3)
        text += QLatin1Char('.') + QString::number(operandBitNumber(type), 16).toUpper();
    return text;
}

MacroRowText MacCodeToStr(const MacroRow &row)
{
    static const std::array<const char *, 10> arithmetic = {"+", "-", "x", "/",  "%",
                                                            "|", "&", "^", "<<", ">>"};
    static const std::array<const char *, 6> compare = {" == ", " != ", " >  ",
                                                        " >= ", " <  ", " <= "};

    const QString a1 = MacReStr(row.A1t, row.A1v, row.BIT);
    const QString a2 = MacReStr(row.A2t, row.A2v, row.BIT);
    const QString a3 = MacReStr(row.A3t, row.A3v, row.BIT);
    const QString s = hasFlagsSuffix(row.Code) ? flagsSuffix(row.BIT) : QString();
    const QString t = row.Comment.text();
    const int code = row.Code;

    if (code >= MacAdd && code <= MacShr)
        return {a1 + " = " + a2 + " " + QLatin1String(arithmetic[size_t(code - MacAdd)]) + " " +
                a3 + s};
    if (code >= MacIfEq && code <= MacIfLe)
        return {"IF  " + a1 + QLatin1String(compare[size_t(code - MacIfEq)]) + a2 +
                " THEN  GOTO  LABEL " + a3 + s};
    switch (code) {
    case MacMov:
        return {a1 + " = " + a2 + s};
    case MacBmov:
        return {"BMOV( " + a1 + ", " + a2 + ", " + a3 + " )"};
    case MacFill:
        return {"FILL( " + a1 + ", " + a2 + ", " + a3 + " )"};
    case MacStr:
        return {"STR( " + a1 + ", " + a2 + ", " + a3 + " )"};
    case MacChr:
        return {"CHR( " + a1 + ", \"" + t + "\" )"};
    case MacIfAndZero:
    case MacIfAndNonZero:
        return {"IF ( " + a1 + " & " + a2 + " )" + (code == MacIfAndZero ? " == " : " != ") +
                " 0 THEN  GOTO  LABEL " + a3 + s};
    case MacIfBitOn:
        return {"IF " + a1 + " == ON  THEN  GOTO  LABEL " + a2};
    case MacIfBitOff:
        return {"IF " + a1 + " == OFF THEN  GOTO  LABEL " + a2};
    case MacGoto:
        return {"GOTO  LABEL  " + a1};
    case MacLabel:
        return {"LABEL  " + a1};
    case MacCall:
        return {"CALL  Sub-macro #" + a1};
    case MacRet:
        return {QStringLiteral("RET")};
    case MacEnd:
        return {QStringLiteral("END")};
    case MacSetb:
        return {"SETB  " + a1};
    case MacClrb:
        return {"CLRB  " + a1};
    case MacInvb:
        return {"INVB  " + a1};
    case MacTimeTick:
        return {a1 + " == TIMETICK()"};
    case MacComment:
        return {"#" + t, true};
    case MacTxd:
        return {"TXD( " + a1 + ", " + a2 + ")"};
    case MacRxd:
        return {"RXD( " + a1 + ", " + a2 + ")"};
    default:
        return {};
    }
}

} // namespace brevix
