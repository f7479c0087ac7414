#include "render/elementpainters.h"
#include "render/panelcolors.h"
#include "render/panelfont.h"
#include "render/pixelcanvas.h"

#include <QPainter>

namespace brevix {

namespace {

// A colour the lamp itself does not use, so that only the surroundings turn transparent.
int lampTransparentColour(int foreColour, int backColour)
{
    if (foreColour != 0 && foreColour != 2)
        return complementColour(foreColour);
    if (backColour == 0xFFFFFF)
        return complementColour(backColour);
    return 0xFFFFFF;
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
