#include "render/elementpainters.h"
#include "render/panelcolors.h"
#include "render/pixelcanvas.h"

#include <QPainter>

namespace brevix {

namespace {

Qt::BrushStyle fillPattern(int pattern)
{
    switch (pattern) {
    case 1:
        return Qt::NoBrush;
    case 2:
        return Qt::HorPattern;
    case 3:
        return Qt::VerPattern;
    case 4:
        return Qt::BDiagPattern; // forward diagonal: rising to the right
    case 5:
        return Qt::FDiagPattern;
    case 6:
        return Qt::CrossPattern;
    case 7:
        return Qt::DiagCrossPattern;
    default:
        return Qt::SolidPattern;
    }
}

// The half the bar grows into: 0 lower, 1 upper, 2 left, 3 right.
QRect barHalf(int direction, int w, int h)
{
    switch (direction) {
    case 1:
        return QRect(QPoint(0, 0), QPoint(w - 1, h / 2 - 1));
    case 2:
        return QRect(QPoint(0, 0), QPoint(w / 2 - 1, h - 1));
    case 3:
        return QRect(QPoint(w / 2, 0), QPoint(w - 1, h - 1));
    default:
        return QRect(QPoint(0, h / 2), QPoint(w - 1, h - 1));
    }
}

} // namespace

void paintBarGraph(QImage &image, const ElementContext &element)
{
    const PageRecord &record = element.record;
    const int slot = element.slot;
    const int w = element.width, h = element.height;
    PixelCanvas canvas(image);
    canvas.rectangle(0, 0, w, h, kBlack, panelRgb(record.BackColor[slot]));

    const int style = record.WordC[slot];
    const QRect half = barHalf(style >> 8, w, h);
    const Qt::BrushStyle pattern = fillPattern(style & 0xFF);
    if (pattern == Qt::SolidPattern) {
        canvas.rectangle(half.left(), half.top(), half.right() + 1, half.bottom() + 1, kBlack,
                         panelRgb(record.ForeColor[slot]));
        return;
    }
    // Hatches draw only their lines; the background between them stays.
    QPainter painter(&image);
    painter.setBrushOrigin(0, 0);
    painter.fillRect(half, QBrush(panelColor(record.ForeColor[slot]), pattern));
    painter.end();
    canvas.outline(half.left(), half.top(), half.right() + 1, half.bottom() + 1, kBlack);
}

} // namespace brevix
