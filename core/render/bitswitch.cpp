#include "render/elementpainters.h"
#include "render/panelcolors.h"
#include "render/panelfont.h"
#include "render/pixelcanvas.h"

#include <QPainter>

namespace brevix {

namespace {

// Grey of an invisible switch: shown in the editor so it can be found, never on the panel.
constexpr QRgb kInvisibleGrey = 0xFFB9B9B9;

int textLeft(int alignment, int width, int textWidth)
{
    switch (alignment) {
    case 1:
        return (width - textWidth) / 2;
    case 2:
        return textWidth > width ? 3 : width - textWidth - 3;
    default:
        return 2;
    }
}

} // namespace

void paintBitSwitch(QImage &image, const ElementContext &element)
{
    const PageRecord &record = element.record;
    const int slot = element.slot;
    const int w = element.width, h = element.height;
    const bool on = element.options.lampsOn;
    const bool second = element.secondLanguage;
    const QByteArray text =
        on ? (second ? record.AuxTextB[slot].bytes() : record.TextB[slot].bytes())
           : (second ? record.AuxTextA[slot].bytes() : record.TextA[slot].bytes());
    const QRgb brush = panelRgb(on ? record.LongA[slot] : record.BackColor[slot]);
    const bool invisible = record.ByteC[slot] != 0;
    const QRgb fontColour =
        invisible ? kInvisibleGrey : panelRgb(on ? record.LongB[slot] : record.ForeColor[slot]);
    const Stroke stroke = invisible ? Stroke::Dotted : Stroke::Solid;

    PixelCanvas canvas(image);
    // The rectangle reaches one pixel past the picture, so only its top and left edges show.
    canvas.fillRect(0, 0, w, h, brush);
    if (invisible)
        canvas.outline(0, 0, w + 1, h + 1, kInvisibleGrey, Stroke::Dotted);

    const int style = record.WordC[slot];
    const int size = (style >> 8) & 0xF;
    const int alignment = (style >> 4) & 0xF;
    {
        QPainter painter(&image);
        drawPanelText(painter, textLeft(alignment, w, panelTextWidth(text, size)),
                      (h - panelTextSize(size).cellHeight) / 2, text, size,
                      QColor::fromRgb(fontColour), element.options.fontOptimisation || size > 1);
    }
    switch (style >> 12) {
    case 1:
        canvas.outline(0, 0, w, h, invisible ? kInvisibleGrey : kBlack, stroke);
        break;
    case 2:
        drawBevel(canvas, w, h, Bevel::Raised, stroke);
        break;
    default:
        break;
    }
}

} // namespace brevix
