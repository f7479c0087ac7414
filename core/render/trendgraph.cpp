#include "render/elementpainters.h"
#include "render/panelcolors.h"
#include "render/panelfont.h"
#include "render/pixelcanvas.h"

#include <QPainter>
#include <iterator>

namespace brevix {

namespace {

QByteArray timeLabel(int format)
{
    switch (format) {
    case 1:
        return QByteArrayLiteral("HH:MM");
    case 2:
        return QByteArrayLiteral("HH:MM:SS");
    default:
        return QByteArrayLiteral("MM:SS");
    }
}

} // namespace

void paintTrendGraph(QImage &image, const ElementContext &element)
{
    const PageRecord &record = element.record;
    const int slot = element.slot;
    const int w = element.width - 1, h = element.height - 1;
    const QRgb back = panelRgb(record.BackColor[slot]);
    const QRgb fore = panelRgb(record.ForeColor[slot]);
    const int columns = record.WordB[slot] & 0xFF;
    const int rows = record.WordB[slot] >> 8;
    PixelCanvas canvas(image);
    canvas.fill(back);

    int labelHeight = 0;
    if (record.ByteB[slot] != 0) {
        const int size = record.WordE[slot];
        labelHeight = panelTextSize(size).cellHeight + 2;
        const QByteArray label = timeLabel(record.ByteE[slot]);
        const int textWidth = panelTextWidth(label, size);
        const int y = h - labelHeight + 2;
        QPainter painter(&image);
        // One label sits at the left; a single label cannot be spread, so it stays there.
        for (int i = 0; i < columns; ++i) {
            const int x = columns > 1 ? i * (w - textWidth) / (columns - 1) : 0;
            drawPanelText(painter, x, y, label, size, QColor::fromRgb(fore), size > 1);
        }
    }
    const int plotHeight = h - labelHeight;
    canvas.rectangle(0, 0, w, plotHeight, fore, back);

    const QPoint curve[] = {{0, plotHeight},
                            {w / 3, 5},
                            {w / 2, plotHeight - 5},
                            {2 * w / 3, plotHeight / 2},
                            {w - 5, plotHeight / 2}};
    for (size_t i = 0; i + 1 < std::size(curve); ++i)
        canvas.line(curve[i].x(), curve[i].y(), curve[i + 1].x(), curve[i + 1].y(), fore);

    if (record.ByteD[slot] != 0) {
        const QRgb grid = panelRgb(complementColour(record.BackColor[slot]));
        for (int i = 0; i < columns; ++i) {
            const int x = i * w / columns;
            canvas.line(x, 0, x, plotHeight, grid);
        }
        for (int i = 0; i < rows; ++i) {
            const int y = i * plotHeight / rows;
            canvas.line(0, y, w, y, grid);
        }
    }
}

} // namespace brevix
