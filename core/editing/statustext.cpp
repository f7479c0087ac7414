#include "editing/statustext.h"

#include "editing/geometry.h"
#include "model/pagerecord.h"

namespace brevix {

Message elementKindTitle(int kind)
{
    switch (kind) {
    case 1:
        return {QStringLiteral("文本"), QStringLiteral("Text")};
    case 2:
        return {QStringLiteral("寄存器"), QStringLiteral("Register")};
    case 3:
        return {QStringLiteral("指示灯"), QStringLiteral("Lamp")};
    case 4:
        return {QStringLiteral("趋势图"), QStringLiteral("Tendency chart")};
    case 5:
        return {QStringLiteral("棒状图"), QStringLiteral("Bar graph")};
    case 6:
        return {QStringLiteral("图片"), QStringLiteral("BMP")};
    case 7:
        return {QStringLiteral("动态文本"), QStringLiteral("Dynamic text")};
    case 8:
        return {QStringLiteral("功能键"), QStringLiteral("Function key")};
    case 9:
        return {QStringLiteral("ASCII中文"), QStringLiteral("ASCII Chinese")};
    case 10:
        return {QStringLiteral("日期"), QStringLiteral("Date")};
    case 11:
        return {QStringLiteral("时间"), QStringLiteral("Time")};
    case 20:
        return {QStringLiteral("长方形"), QStringLiteral("Rectangle")};
    case 25:
        return {QStringLiteral("刻度"), QStringLiteral("Scale")};
    case 26:
        return {QStringLiteral("椭圆形"), QStringLiteral("Ellipse")};
    case 27:
        return {QStringLiteral("线"), QStringLiteral("Line")};
    case 34:
        return {QStringLiteral("位操作开关"), QStringLiteral("Bit Ope.Switch")};
    default:
        return {};
    }
}

QString selectionStatusText(const PageRecord &r, int slot, Language language)
{
    return QLatin1Char(' ') + elementKindTitle(r.Kind[slot]).text(language) +
           QStringLiteral(" at[%1,%2]")
               .arg(r.Left[slot] - kCanvasMargin)
               .arg(r.Top[slot] - kCanvasMargin) +
           QStringLiteral(" W:%1  H:%2").arg(r.Width[slot]).arg(r.Height[slot]);
}

QString pointerStatusText(int x, int y)
{
    return QStringLiteral(" X: %1  Y: %2").arg(x).arg(y);
}

} // namespace brevix
