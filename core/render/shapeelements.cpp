#include "render/elementpainters.h"
#include "render/panelcolors.h"
#include "render/pixelcanvas.h"

#include <QPainter>
#include <algorithm>

namespace brevix {

namespace {

// Shapes with a ForeColor of 0 get 1, so that their transparent colour (the complement) can never
// be white by accident of the default; the record keeps the repaired value.
int repairedForeColour(PageRecord &record, int slot)
{
    if (record.ForeColor[slot] == 0)
        record.ForeColor[slot] = 1;
    return record.ForeColor[slot];
}

// Calls draw with x = length * i / (count - 1) for i = 0..count-1, each position once. With
// more ticks than pixels every position is hit, which a damaged count must not turn into
// millions of strokes.
template <typename Draw> void forEachTick(int count, int length, Draw draw)
{
    if (count - 1 >= length) {
        for (int at = 0; at <= length; ++at)
            draw(at);
        return;
    }
    for (int i = 0; i < count; ++i)
        draw(length * i / (count - 1));
}

} // namespace

void paintRectangleFamily(QImage &image, const ElementContext &element)
{
    const PageRecord &record = element.record;
    const int slot = element.slot;
    const int w = element.width, h = element.height;
    const QRgb fore = panelRgb(record.ForeColor[slot]);
    const bool filled = record.WordD[slot] != 0;
    const QRgb key = panelRgb(complementColour(record.ForeColor[slot]));
    PixelCanvas canvas(image);
    canvas.rectangle(0, 0, w, h, fore, filled ? fore : key);
    switch (record.WordE[slot]) {
    case 1:
        drawBevel(canvas, w, h, Bevel::Sunken);
        break;
    case 2:
        drawBevel(canvas, w, h, Bevel::Raised);
        break;
    default:
        break;
    }
    if (!filled)
        canvas.makeTransparent(key);
}

void paintScale(QImage &image, const ElementContext &element)
{
    PageRecord &record = element.record;
    const int slot = element.slot;
    const int foreColour = repairedForeColour(record, slot);
    const QRgb fore = panelRgb(foreColour);
    const QRgb key = panelRgb(complementColour(foreColour));
    PixelCanvas canvas(image);
    canvas.fill(key);

    const int w = element.width - 1, h = element.height - 1;
    const int majors = record.WordA[slot];
    // Below two major ticks there is no spacing to divide; the scale shows nothing.
    if (majors >= 2) {
        const int all = record.ByteA[slot] * (majors - 1) + majors;
        const int direction = record.WordB[slot];
        const bool baseline = record.WordD[slot] == 1;
        const bool vertical = direction == 2 || direction == 3;
        const int length = vertical ? h : w;
        // Ticks run across the scale: from `from` to `to` on the other axis.
        auto tick = [&](int at, int from, int to) {
            if (vertical)
                canvas.line(from, at, to, at, fore);
            else
                canvas.line(at, from, at, to, fore);
        };
        const int across = vertical ? w : h;
        const bool nearSide = direction == 0 || direction == 2;
        if (baseline) {
            const int edge = nearSide ? 0 : across;
            if (vertical)
                canvas.line(edge, 0, edge, h, fore);
            else
                canvas.line(0, edge, w, edge, fore);
        }
        forEachTick(majors, length, [&](int at) { tick(at, 0, across); });
        forEachTick(all, length, [&](int at) {
            if (nearSide)
                tick(at, 0, across / 2);
            else
                tick(at, across / 2, across);
        });
    }
    canvas.makeTransparent(key);
}

void paintEllipse(QImage &image, const ElementContext &element)
{
    PageRecord &record = element.record;
    const int slot = element.slot;
    const int foreColour = repairedForeColour(record, slot);
    const QRgb key = panelRgb(complementColour(foreColour));
    image.fill(key);
    {
        QPainter painter(&image);
        painter.setPen(panelColor(foreColour));
        if (record.WordD[slot] == 1)
            painter.setBrush(panelColor(foreColour));
        painter.drawEllipse(QRectF(0, 0, element.width - 1, element.height - 1));
    }
    PixelCanvas(image).makeTransparent(key);
}

void paintLine(QImage &image, const ElementContext &element)
{
    PageRecord &record = element.record;
    const int slot = element.slot;
    const int foreColour = repairedForeColour(record, slot);
    const QRgb key = panelRgb(complementColour(foreColour));
    const int w = element.width, h = element.height;
    const bool rising = record.ByteC[slot] != 0;
    const QPoint from(1, rising ? h - 1 : 1), to(w - 1, rising ? 1 : h - 1);
    PixelCanvas canvas(image);
    canvas.fill(key);
    // Wider than the element the pen covers all of it anyway; the bound keeps the stroke cheap.
    const int penWidth = std::min<int>(record.WordC[slot], w + h);
    if (penWidth <= 1) {
        canvas.line(from.x(), from.y(), to.x(), to.y(), panelRgb(foreColour));
    } else {
        QPainter painter(&image);
        painter.setPen(QPen(panelColor(foreColour), penWidth, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(from, to);
    }
    canvas.makeTransparent(key);
}

} // namespace brevix
