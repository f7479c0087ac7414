#include "render/elementpainters.h"
#include "render/panelcolors.h"
#include "render/panelfont.h"
#include "render/pixelcanvas.h"

#include <QPainter>

namespace brevix {

namespace {

// The colour that marks the lamp's surroundings. The stored rule can pick one of the lamp's own
// colours (ForeColor 0 on a white BackColor gives black, the rim's colour), which would punch
// the rim or the inside out of the picture; then the nearest colour the lamp does not use
// takes its place.
int lampTransparentColour(int foreColour, int backColour)
{
    int key = 0xFFFFFF;
    if (foreColour != 0 && foreColour != 2)
        key = complementColour(foreColour);
    else if (backColour == 0xFFFFFF)
        key = complementColour(backColour);
    const QRgb fore = panelRgb(foreColour), back = panelRgb(backColour);
    while (panelRgb(key) == fore || panelRgb(key) == back)
        key = (key + 0x010101) & 0xFFFFFF;
    return key;
}

} // namespace

void paintLamp(QImage &image, const ElementContext &element)
{
    const PageRecord &record = element.record;
    const int slot = element.slot;
    const int w = element.width, h = element.height;
    const int fore = record.ForeColor[slot], back = record.BackColor[slot];
    const QRgb key = panelRgb(lampTransparentColour(fore, back));
    PixelCanvas canvas(image);
    canvas.fill(key);

    // A lamp stored as lit shows the opposite of the preview.
    const bool on = (record.ByteC[slot] != 0) != element.options.lampsOn;
    const QRgb pen = panelRgb(on ? back : fore);
    const QRgb brush = panelRgb(on ? fore : back);

    switch (record.ByteE[slot]) {
    case 0: {
        QPainter painter(&image);
        painter.setPen(QColor::fromRgb(pen));
        painter.setBrush(QColor::fromRgb(brush));
        // Aliased, so the edge never blends with the transparent colour.
        painter.drawEllipse(QRectF(0, 0, w - 1, h - 1));
        break;
    }
    case 1:
        canvas.rectangle(0, 0, w, h, pen, brush);
        break;
    case 2: {
        canvas.rectangle(0, 0, w, h, pen, brush);
        const int size = h > 24 ? 1 : 0;
        const QByteArray text = on ? record.TextB[slot].bytes() : record.TextA[slot].bytes();
        QPainter painter(&image);
        drawPanelText(painter, 2, (h - panelTextSize(size).cellHeight) / 2, text, size,
                      QColor::fromRgb(pen), false);
        break;
    }
    default:
        break; // an unknown shape shows only the transparent surroundings
    }
    canvas.makeTransparent(key);
}

} // namespace brevix
