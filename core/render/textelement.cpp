#include "render/elementpainters.h"
#include "render/panelcolors.h"
#include "render/panelfont.h"
#include "render/pixelcanvas.h"

#include <QPainter>

namespace brevix {

namespace {

bool usesSecondLanguageText(int kind)
{
    return kind == int(ElementKind::Text) || kind == int(ElementKind::DynamicText) ||
           kind == int(ElementKind::FunctionKey);
}

bool hasSunkenFrame(int kind, int style)
{
    const int border = style >> 12;
    switch (kind) {
    case int(ElementKind::Register):
    case int(ElementKind::DynamicText):
    case int(ElementKind::AsciiChinese):
        return border == 2;
    case int(ElementKind::Date):
    case int(ElementKind::Time):
        return style >= 4096;
    default:
        return false;
    }
}

} // namespace

void paintTextElement(QImage &image, const ElementContext &element)
{
    const PageRecord &record = element.record;
    const int slot = element.slot;
    const int kind = record.Kind[slot];
    const int style = record.WordC[slot];
    const int size = (style >> 8) & 0xF;
    const int border = style >> 12;
    const QRgb back = panelRgb(record.BackColor[slot]);
    const QRgb pen = border == 1 ? kBlack : back;
    const int w = element.width, h = element.height;

    PixelCanvas canvas(image);
    canvas.rectangle(0, 0, w, h, pen, back);

    const QByteArray text = element.secondLanguage && usesSecondLanguageText(kind)
                                ? record.TextB[slot].bytes()
                                : record.TextA[slot].bytes();
    const int x = style < 4096 ? 1 : 3;
    const int y = (h - panelTextSize(size).cellHeight) / 2;
    {
        QPainter painter(&image);
        drawPanelText(painter, x, y, text, size, panelColor(record.ForeColor[slot]),
                      element.options.fontOptimisation || size > 1);
    }
    if (!element.options.fontOptimisation)
        thinToTwoColours(image, record.ForeColor[slot], record.BackColor[slot]);

    // The text may have run over the border; draw it again on top.
    canvas.outline(0, 0, w, h, pen);
    if (hasSunkenFrame(kind, style))
        drawBevel(canvas, w, h, Bevel::Sunken);
    else if (kind == int(ElementKind::FunctionKey) && border == 2)
        drawBevel(canvas, w, h, Bevel::Raised);
}

} // namespace brevix
