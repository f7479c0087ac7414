#include "editor/commandicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>
#include <map>

namespace brevix {

namespace {

constexpr int kSize = 20;
const QColor kInk(40, 40, 40);
const QColor kBlue(30, 90, 200);
const QColor kGreen(20, 150, 60);
const QColor kRed(200, 40, 40);

using Drawing = std::function<void(QPainter &)>;

void page(QPainter &p, const QRect &r = QRect(4, 2, 12, 16))
{
    p.setPen(kInk);
    p.setBrush(Qt::white);
    p.drawRect(r);
}

void label(QPainter &p, const QString &text, int pixelSize = 9, const QColor &colour = kInk)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, text);
}

void plusBadge(QPainter &p, const QColor &colour = kGreen)
{
    p.setPen(QPen(colour, 2));
    p.drawLine(14, 11, 14, 19);
    p.drawLine(10, 15, 18, 15);
}

// Align icons: the reference bar in red and two elements aligned to it.
Drawing align(int n)
{
    return [n](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        switch (n) {
        case 1:
            p.fillRect(3, 2, 1, 16, kRed);
            p.drawRect(4, 4, 10, 4);
            p.drawRect(4, 11, 6, 4);
            break;
        case 2:
            p.fillRect(10, 2, 1, 16, kRed);
            p.drawRect(4, 4, 12, 4);
            p.drawRect(7, 11, 6, 4);
            break;
        case 3:
            p.fillRect(16, 2, 1, 16, kRed);
            p.drawRect(6, 4, 10, 4);
            p.drawRect(10, 11, 6, 4);
            break;
        case 4:
            p.fillRect(2, 3, 16, 1, kRed);
            p.drawRect(4, 4, 4, 10);
            p.drawRect(11, 4, 4, 6);
            break;
        case 5:
            p.fillRect(2, 10, 16, 1, kRed);
            p.drawRect(4, 4, 4, 12);
            p.drawRect(11, 7, 4, 6);
            break;
        case 6:
            p.fillRect(2, 16, 16, 1, kRed);
            p.drawRect(4, 6, 4, 10);
            p.drawRect(11, 10, 4, 6);
            break;
        case 7:
            p.drawRect(3, 3, 14, 5);
            p.drawRect(3, 12, 14, 5);
            break;
        case 8:
            p.drawRect(3, 3, 5, 14);
            p.drawRect(12, 3, 5, 14);
            break;
        default:
            p.drawRect(3, 3, 6, 6);
            p.drawRect(11, 11, 6, 6);
            p.drawRect(11, 3, 6, 6);
            break;
        }
    };
}

const std::map<QString, Drawing> &drawings()
{
    static const std::map<QString, Drawing> table = {
        {QStringLiteral("FilePrint"),
         [](QPainter &p) {
             p.setPen(kInk);
             p.setBrush(QColor(220, 220, 220));
             p.drawRect(2, 8, 16, 7);
             p.setBrush(Qt::white);
             p.drawRect(5, 3, 10, 5);
             p.drawRect(5, 13, 10, 5);
         }},
        {QStringLiteral("EditCut"),
         [](QPainter &p) {
             p.setPen(QPen(kInk, 1.5));
             p.drawLine(5, 2, 13, 13);
             p.drawLine(15, 2, 7, 13);
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(3, 13, 5, 5);
             p.drawEllipse(12, 13, 5, 5);
         }},
        {QStringLiteral("EditCopy"),
         [](QPainter &p) {
             page(p, QRect(2, 2, 10, 12));
             page(p, QRect(7, 6, 10, 12));
         }},
        {QStringLiteral("EditPaste"),
         [](QPainter &p) {
             p.setPen(kInk);
             p.setBrush(QColor(200, 160, 90));
             p.drawRect(3, 3, 12, 15);
             p.setBrush(Qt::white);
             p.drawRect(8, 8, 9, 10);
             p.fillRect(6, 2, 6, 3, kInk);
         }},
        {QStringLiteral("ToolsNewPage"),
         [](QPainter &p) {
             page(p);
             plusBadge(p);
         }},
        {QStringLiteral("ToolsPageAttributes"),
         [](QPainter &p) {
             page(p);
             p.setPen(kBlue);
             for (int y = 6; y < 16; y += 3)
                 p.drawLine(6, y, 13, y);
         }},
        {QStringLiteral("EditCopyPage"),
         [](QPainter &p) {
             page(p, QRect(2, 2, 10, 13));
             page(p, QRect(7, 5, 10, 13));
             label(p, QStringLiteral("C"), 8, kBlue);
         }},
        {QStringLiteral("EditPastePage"),
         [](QPainter &p) {
             page(p, QRect(2, 2, 10, 13));
             page(p, QRect(7, 5, 10, 13));
             label(p, QStringLiteral("V"), 8, kGreen);
         }},
        {QStringLiteral("ToolsStatistics"),
         [](QPainter &p) { label(p, QStringLiteral("Σ"), 14, kBlue); }},
        {QStringLiteral("AppWorkingParameters"),
         [](QPainter &p) {
             p.setPen(QPen(kInk, 2));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(5, 5, 10, 10);
             for (int i = 0; i < 8; ++i) {
                 p.save();
                 p.translate(10, 10);
                 p.rotate(45 * i);
                 p.drawLine(0, 5, 0, 8);
                 p.restore();
             }
         }},
        {QStringLiteral("AppBatchModify"),
         [](QPainter &p) {
             page(p, QRect(2, 2, 9, 11));
             page(p, QRect(5, 5, 9, 11));
             p.setPen(QPen(kRed, 2));
             p.drawLine(11, 17, 18, 10);
         }},
        {QStringLiteral("AppKeyboardLed"),
         [](QPainter &p) {
             p.setPen(kInk);
             p.setBrush(QColor(230, 230, 230));
             p.drawRect(1, 6, 18, 10);
             p.setBrush(kGreen);
             p.drawEllipse(4, 9, 4, 4);
             p.setBrush(kRed);
             p.drawEllipse(12, 9, 4, 4);
         }},
        {QStringLiteral("AppAlarms"),
         [](QPainter &p) {
             p.setPen(kInk);
             p.setBrush(QColor(240, 200, 40));
             QPainterPath bell;
             bell.moveTo(4, 15);
             bell.cubicTo(6, 12, 5, 3, 10, 3);
             bell.cubicTo(15, 3, 14, 12, 16, 15);
             bell.closeSubpath();
             p.drawPath(bell);
             p.drawEllipse(8, 15, 4, 3);
         }},
        {QStringLiteral("AppPortSettings"),
         [](QPainter &p) {
             p.setPen(kInk);
             p.setBrush(QColor(180, 180, 200));
             QPolygon plug({QPoint(2, 5), QPoint(18, 5), QPoint(15, 14), QPoint(5, 14)});
             p.drawPolygon(plug);
             p.setBrush(kInk);
             for (int x = 5; x <= 14; x += 3)
                 p.drawEllipse(QPoint(x, 8), 1, 1);
         }},
        {QStringLiteral("AppDownload"),
         [](QPainter &p) {
             p.setPen(Qt::NoPen);
             p.setBrush(kGreen);
             p.drawPolygon(QPolygon({QPoint(7, 2), QPoint(13, 2), QPoint(13, 9), QPoint(17, 9),
                                     QPoint(10, 17), QPoint(3, 9), QPoint(7, 9)}));
         }},
        {QStringLiteral("PersonalShowGrid"),
         [](QPainter &p) {
             p.setPen(kInk);
             for (int x = 3; x < 19; x += 4)
                 for (int y = 3; y < 19; y += 4)
                     p.drawPoint(x, y);
             p.setPen(kBlue);
             p.drawRect(2, 2, 16, 16);
         }},
        {QStringLiteral("BitOff"), [](QPainter &p) { label(p, QStringLiteral("OFF"), 7); }},
        {QStringLiteral("BitOn"), [](QPainter &p) { label(p, QStringLiteral("ON"), 8, kGreen); }},
        {QStringLiteral("ViewUsagePreview"),
         [](QPainter &p) {
             p.setPen(kInk);
             p.setBrush(Qt::white);
             p.drawEllipse(2, 5, 16, 10);
             p.setBrush(kBlue);
             p.drawEllipse(7, 7, 6, 6);
         }},
        {QStringLiteral("WindowCascade"),
         [](QPainter &p) {
             page(p, QRect(2, 2, 11, 9));
             page(p, QRect(5, 5, 11, 9));
             page(p, QRect(8, 8, 11, 9));
         }},
        {QStringLiteral("WindowTileHorizontal"),
         [](QPainter &p) {
             page(p, QRect(2, 2, 16, 7));
             page(p, QRect(2, 11, 16, 7));
         }},
        {QStringLiteral("WindowTileVertical"),
         [](QPainter &p) {
             page(p, QRect(2, 2, 7, 16));
             page(p, QRect(11, 2, 7, 16));
         }},
        {QStringLiteral("OpenPaint"),
         [](QPainter &p) {
             p.setPen(QPen(QColor(150, 90, 40), 3));
             p.drawLine(15, 3, 8, 12);
             p.setPen(Qt::NoPen);
             p.setBrush(kRed);
             p.drawEllipse(3, 11, 7, 7);
         }},
        {QStringLiteral("AppClockMacro"),
         [](QPainter &p) { label(p, QStringLiteral("f(x)"), 8, kBlue); }},
        {QStringLiteral("DebugOffline"),
         [](QPainter &p) {
             p.setPen(kInk);
             p.setBrush(QColor(60, 60, 60));
             p.drawRect(2, 3, 16, 12);
             p.fillRect(4, 5, 12, 8, QColor(120, 200, 255));
             p.drawLine(7, 17, 13, 17);
         }},
        {QStringLiteral("DebugOnline"),
         [](QPainter &p) {
             p.setPen(kInk);
             p.setBrush(QColor(60, 60, 60));
             p.drawRect(2, 3, 16, 12);
             p.fillRect(4, 5, 12, 8, QColor(120, 255, 150));
             p.setPen(QPen(kGreen, 2));
             p.drawLine(10, 15, 10, 19);
         }},
        {QStringLiteral("OpenCalculator"),
         [](QPainter &p) {
             p.setPen(kInk);
             p.setBrush(QColor(220, 220, 220));
             p.drawRect(4, 2, 12, 16);
             p.fillRect(6, 4, 8, 4, QColor(170, 220, 170));
             p.setBrush(kInk);
             for (int x = 6; x <= 12; x += 3)
                 for (int y = 10; y <= 15; y += 3)
                     p.drawRect(x, y, 1, 1);
         }},
        {QStringLiteral("EditLock"),
         [](QPainter &p) {
             p.setPen(QPen(kInk, 2));
             p.setBrush(Qt::NoBrush);
             p.drawArc(6, 3, 8, 10, 0, 180 * 16);
             p.setPen(kInk);
             p.setBrush(QColor(220, 180, 40));
             p.drawRect(4, 9, 12, 9);
         }},
        {QStringLiteral("EditUnlock"),
         [](QPainter &p) {
             p.setPen(QPen(kInk, 2));
             p.setBrush(Qt::NoBrush);
             p.drawArc(9, 2, 8, 10, 0, 180 * 16);
             p.setPen(kInk);
             p.setBrush(QColor(220, 180, 40));
             p.drawRect(2, 9, 12, 9);
         }},
        {QStringLiteral("SendToBack"),
         [](QPainter &p) {
             p.setPen(kInk);
             p.setBrush(kBlue);
             p.drawRect(2, 2, 10, 10);
             p.setBrush(Qt::white);
             p.drawRect(7, 7, 11, 11);
         }},
        {QStringLiteral("EditMultipleCopy"),
         [](QPainter &p) {
             p.setPen(kInk);
             p.setBrush(Qt::white);
             for (int i = 0; i < 3; ++i)
                 p.drawRect(2 + 5 * i, 2 + 5 * i, 7, 7);
         }},
        {QStringLiteral("Tool1"), [](QPainter &p) { label(p, QStringLiteral("T"), 15); }},
        {QStringLiteral("Tool2"),
         [](QPainter &p) {
             p.setPen(kInk);
             p.setBrush(Qt::white);
             p.drawRect(1, 5, 18, 10);
             label(p, QStringLiteral("123"), 8, kBlue);
         }},
        {QStringLiteral("Tool3"),
         [](QPainter &p) {
             p.setPen(kInk);
             p.setBrush(QColor(255, 60, 60));
             p.drawEllipse(3, 3, 14, 14);
             p.setBrush(QColor(255, 180, 180));
             p.setPen(Qt::NoPen);
             p.drawEllipse(6, 5, 5, 4);
         }},
        {QStringLiteral("Tool34"),
         [](QPainter &p) {
             p.setPen(kInk);
             p.setBrush(QColor(216, 233, 236));
             p.drawRoundedRect(1, 5, 18, 10, 3, 3);
             p.setBrush(kGreen);
             p.drawRoundedRect(10, 6, 8, 8, 2, 2);
         }},
        {QStringLiteral("Tool4"),
         [](QPainter &p) {
             p.fillRect(1, 2, 18, 16, Qt::black);
             p.setPen(QColor(255, 255, 0));
             p.drawPolyline(QPolygon(
                 {QPoint(2, 14), QPoint(6, 8), QPoint(10, 11), QPoint(14, 4), QPoint(18, 9)}));
         }},
        {QStringLiteral("Tool5"),
         [](QPainter &p) {
             p.fillRect(3, 2, 6, 16, QColor(58, 58, 58));
             p.fillRect(3, 9, 6, 9, kRed);
             p.fillRect(11, 2, 6, 16, QColor(58, 58, 58));
             p.fillRect(11, 5, 6, 13, kRed);
         }},
        {QStringLiteral("Tool6"),
         [](QPainter &p) {
             p.setPen(kInk);
             p.setBrush(QColor(170, 210, 255));
             p.drawRect(1, 3, 18, 14);
             p.setPen(Qt::NoPen);
             p.setBrush(kGreen);
             p.drawPolygon(QPolygon({QPoint(2, 16), QPoint(8, 8), QPoint(13, 16)}));
             p.setBrush(QColor(255, 210, 0));
             p.drawEllipse(13, 5, 4, 4);
         }},
        {QStringLiteral("Tool7"),
         [](QPainter &p) {
             p.setPen(kInk);
             p.setBrush(Qt::white);
             p.drawRect(1, 4, 18, 12);
             label(p, QStringLiteral("T↻"), 9, kBlue);
         }},
        {QStringLiteral("Tool8"),
         [](QPainter &p) {
             p.setPen(kInk);
             p.setBrush(QColor(0, 220, 0));
             p.drawRect(1, 5, 18, 10);
             p.setPen(Qt::white);
             p.drawLine(2, 6, 17, 6);
             p.drawLine(2, 6, 2, 13);
             label(p, QStringLiteral("F"), 8);
         }},
        {QStringLiteral("Tool9"), [](QPainter &p) { label(p, QStringLiteral("A中"), 9, kBlue); }},
        {QStringLiteral("Tool10"),
         [](QPainter &p) {
             p.setPen(kInk);
             p.setBrush(Qt::white);
             p.drawRect(2, 3, 16, 15);
             p.fillRect(3, 4, 15, 4, kRed);
             p.setPen(kInk);
             for (int x = 5; x < 17; x += 4)
                 for (int y = 10; y < 17; y += 3)
                     p.drawPoint(x, y);
         }},
        {QStringLiteral("Tool11"),
         [](QPainter &p) {
             p.setPen(kInk);
             p.setBrush(Qt::white);
             p.drawEllipse(2, 2, 16, 16);
             p.drawLine(10, 10, 10, 5);
             p.drawLine(10, 10, 14, 12);
         }},
        {QStringLiteral("Tool20"),
         [](QPainter &p) {
             p.setPen(kInk);
             p.setBrush(QColor(236, 233, 216));
             p.drawRect(2, 4, 16, 12);
         }},
        {QStringLiteral("Tool26"),
         [](QPainter &p) {
             p.setPen(kInk);
             p.setBrush(Qt::white);
             p.drawEllipse(2, 4, 16, 12);
         }},
        {QStringLiteral("Tool25"),
         [](QPainter &p) {
             p.setPen(kInk);
             p.drawLine(4, 2, 4, 18);
             for (int y = 2; y <= 18; y += 4)
                 p.drawLine(4, y, y % 8 == 2 ? 14 : 9, y);
         }},
        {QStringLiteral("Tool27"),
         [](QPainter &p) {
             p.setPen(QPen(kInk, 2));
             p.drawLine(3, 17, 17, 3);
         }},
    };
    return table;
}

} // namespace

QIcon commandIcon(const QString &name)
{
    Drawing drawing;
    if (name.startsWith(QLatin1String("Align")))
        drawing = align(name.mid(5).toInt());
    else if (const auto it = drawings().find(name); it != drawings().end())
        drawing = it->second;
    if (!drawing)
        return {};
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    drawing(painter);
    painter.end();
    return QIcon(pixmap);
}

} // namespace brevix
