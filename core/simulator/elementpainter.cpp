#include "simulator/elementpainter.h"

#include "simulator/panelfont.h"
#include "text/gbk.h"

#include <QPainter>

namespace brevix::sim {

namespace {

int alignmentOf(std::uint16_t style)
{
    return (style >> 4) & 0x0F;
}
int fontOf(std::uint16_t style)
{
    return (style >> 8) & 0x0F;
}
int frameOf(std::uint16_t style)
{
    return (style >> 12) & 0x0F;
}

// x of a text of n bytes in a control of width w by the alignment rule.
int textX(int alignment, int w, int n, int font, int defaultX)
{
    const int textWidth = n * fontCharWidth(font);
    if (alignment == 1)
        return (w - textWidth) / 2;
    if (alignment == 2)
        return textWidth > w ? 3 : w - textWidth - 3;
    return defaultX;
}

void drawPlacedText(QPainter &p, const QByteArray &gbk, int w, int h, std::uint16_t style,
                    int defaultX, int raise, const QColor &colour)
{
    const int font = fontOf(style);
    const int x = textX(alignmentOf(style), w, static_cast<int>(gbk.size()), font, defaultX);
    const int y = (h - fontCharHeight(font)) / 2 - raise;
    p.setFont(panelFont(font));
    p.setPen(colour);
    p.drawText(QRect(x, y, std::max(w * 2, 4096), fontCharHeight(font)),
               Qt::AlignLeft | Qt::AlignVCenter, fromGbk(gbk));
}

void drawRim(QPainter &p, int w, int h, const QColor &outerTopLeft, const QColor &innerTopLeft,
             const QColor &outerBottomRight, const QColor &innerBottomRight)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(outerTopLeft);
    p.drawLine(0, 0, w - 1, 0);
    p.drawLine(0, 0, 0, h - 1);
    p.setPen(innerTopLeft);
    p.drawLine(1, 1, w - 2, 1);
    p.drawLine(1, 1, 1, h - 2);
    p.setPen(outerBottomRight);
    p.drawLine(0, h - 1, w - 1, h - 1);
    p.drawLine(w - 1, 0, w - 1, h - 1);
    p.setPen(innerBottomRight);
    p.drawLine(1, h - 2, w - 2, h - 2);
    p.drawLine(w - 2, 1, w - 2, h - 2);
}

void sunkenRim(QPainter &p, int w, int h)
{
    drawRim(p, w, h, kButtonShadow, kDarkShadow, Qt::white, kScrollBar);
}

void raisedRim(QPainter &p, int w, int h)
{
    drawRim(p, w, h, kScrollBar, Qt::white, kDarkShadow, kButtonShadow);
}

enum class Rim { Sunken, Raised };

// Fill, text, outline and rim of the text-like elements.
void drawFramedText(QPainter &p, int w, int h, std::uint16_t style, const QColor &back,
                    const QColor &fore, const QByteArray &text, int defaultX, int raise, Rim rim)
{
    const int frame = frameOf(style);
    const QColor outline = frame == 1 ? QColor(Qt::black) : back;
    p.setPen(outline);
    p.setBrush(back);
    p.drawRect(0, 0, w - 1, h - 1);
    drawPlacedText(p, text, w, h, style, defaultX, raise, fore);
    p.setPen(outline);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, w - 1, h - 1);
    if (frame == 2) {
        if (rim == Rim::Sunken)
            sunkenRim(p, w, h);
        else
            raisedRim(p, w, h);
    }
}

Qt::BrushStyle barPattern(int code)
{
    static constexpr Qt::BrushStyle styles[8] = {
        Qt::SolidPattern, Qt::NoBrush,      Qt::HorPattern,   Qt::VerPattern,
        Qt::FDiagPattern, Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    return code >= 0 && code < 8 ? styles[code] : Qt::SolidPattern;
}

void drawLamp(QPainter &p, const SlotTables &t, int s, const ControlLook &look, int w, int h)
{
    const bool on = (look.shownValue != 0) != (t.ByteC[s] != 0);
    const QColor pen = windowsColor(on ? t.BackColor[s] : t.ForeColor[s]);
    const QColor fill = windowsColor(on ? t.ForeColor[s] : t.BackColor[s]);
    p.setPen(pen);
    p.setBrush(fill);
    switch (t.ByteE[s]) {
    case 0:
        p.setRenderHint(QPainter::Antialiasing, true);
        p.drawEllipse(QRectF(0.5, 0.5, w - 1, h - 1));
        break;
    case 1:
        p.drawRect(0, 0, w - 1, h - 1);
        break;
    case 2: {
        p.drawRect(0, 0, w - 1, h - 1);
        const int font = h > 24 ? 1 : 0;
        p.setFont(panelFont(font));
        p.setPen(pen);
        p.drawText(QRect(2, (h - fontCharHeight(font)) / 2, w * 2, fontCharHeight(font)),
                   Qt::AlignLeft | Qt::AlignVCenter, fromGbk(on ? t.TextB[s] : t.TextA[s]));
        break;
    }
    default:
        break;
    }
}

void drawTrend(QPainter &p, const SlotTables &t, int s, int w, int h)
{
    const QColor fore = windowsColor(t.ForeColor[s]);
    p.fillRect(0, 0, w, h, windowsColor(t.BackColor[s]));
    const int columns = t.WordB[s] & 0xFF;
    const int rows = t.WordB[s] >> 8;
    int plotHeight = h;
    if (t.ByteB[s]) {
        const int labelFont = t.WordE[s] & 15;
        plotHeight = h - (fontCharHeight(labelFont) + 2);
        static const QString formats[3] = {QStringLiteral("00:00"), QStringLiteral("00:00"),
                                           QStringLiteral("00:00:00")};
        const QString label = formats[std::min<int>(t.ByteE[s], 2)];
        const int labelWidth = static_cast<int>(label.size()) * fontCharWidth(labelFont);
        p.setFont(panelFont(labelFont));
        p.setPen(fore);
        // One label cannot be spread: the panel draws none then.
        if (columns > 1) {
            for (int i = 0; i < columns; ++i) {
                const int x = i * (w - 1 - labelWidth) / (columns - 1);
                p.drawText(QRect(x, plotHeight + 1, labelWidth + 2, fontCharHeight(labelFont)),
                           Qt::AlignLeft, label);
            }
        }
    }
    p.setPen(fore);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, w - 1, plotHeight - 1);
    if (t.ByteD[s]) {
        for (int i = 0; columns > 0 && i < columns; ++i) {
            const int x = i * (w - 1) / columns;
            p.drawLine(x, 0, x, plotHeight - 1);
        }
        for (int i = 0; rows > 0 && i < rows; ++i) {
            const int y = i * plotHeight / rows;
            p.drawLine(0, y, w - 1, y);
        }
    }
}

void drawBar(QPainter &p, const SlotTables &t, int s, const ControlLook &look, int w, int h)
{
    p.setPen(Qt::black);
    p.setBrush(windowsColor(t.BackColor[s]));
    p.drawRect(0, 0, w - 1, h - 1);
    const int length = look.barLength;
    if (length <= 0)
        return;
    QRect bar;
    switch (t.WordC[s] >> 8) {
    case 0:
        bar = QRect(QPoint(1, h - length + 1), QPoint(w, h));
        break;
    case 1:
        bar = QRect(QPoint(1, 1), QPoint(w, length));
        break;
    case 2:
        bar = QRect(QPoint(1, 1), QPoint(length, h));
        break;
    case 3:
        bar = QRect(QPoint(w - length + 1, 1), QPoint(w, h));
        break;
    default:
        return;
    }
    // The bar's corner coordinates are inclusive on the panel's one-based grid.
    bar.translate(-1, -1);
    p.fillRect(bar, QBrush(windowsColor(t.ForeColor[s]), barPattern(t.WordC[s] & 0xFF)));
}

void drawShape(QPainter &p, const SlotTables &t, int s, int w, int h, bool ellipse)
{
    const QColor fore = windowsColor(t.ForeColor[s]);
    p.setPen(fore);
    p.setBrush(t.WordD[s] ? QBrush(fore) : QBrush(Qt::NoBrush));
    if (ellipse) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.drawEllipse(QRectF(0.5, 0.5, w - 1, h - 1));
        return;
    }
    p.drawRect(0, 0, w - 1, h - 1);
    if (t.WordE[s] == 2)
        raisedRim(p, w, h);
    else if (t.WordE[s] != 0)
        drawRim(p, w, h, kButtonShadow, kDarkShadow, kScrollBar, Qt::white);
}

void drawScale(QPainter &p, const SlotTables &t, int s, int w, int h)
{
    const int major = t.WordA[s];
    const int minor = t.ByteA[s];
    const int orientation = t.WordB[s];
    // One major tick has no spacing: the panel draws nothing.
    if (major < 2)
        return;
    p.setPen(windowsColor(t.ForeColor[s]));
    const bool vertical = orientation <= 1; // ticks run vertically, spread along x
    const int extent = vertical ? w : h;
    const int depth = vertical ? h : w;
    auto tick = [&](int at, int length) {
        switch (orientation) {
        case 0:
            p.drawLine(at, 0, at, length - 1);
            break;
        case 1:
            p.drawLine(at, h - 1, at, h - length);
            break;
        case 2:
            p.drawLine(0, at, length - 1, at);
            break;
        default:
            p.drawLine(w - 1, at, w - length, at);
            break;
        }
    };
    const int minorCount = major + minor * (major - 1);
    for (int i = 0; i < minorCount && minorCount > 1; ++i)
        tick(i * (extent - 1) / (minorCount - 1), depth / 2);
    for (int i = 0; i < major; ++i)
        tick(i * (extent - 1) / (major - 1), depth);
    if (t.WordD[s]) {
        switch (orientation) {
        case 0:
            p.drawLine(0, 0, w - 1, 0);
            break;
        case 1:
            p.drawLine(0, h - 1, w - 1, h - 1);
            break;
        case 2:
            p.drawLine(0, 0, 0, h - 1);
            break;
        default:
            p.drawLine(w - 1, 0, w - 1, h - 1);
            break;
        }
    }
}

} // namespace

QImage drawControl(const DecodedPage &page, int s, const ControlLook &look)
{
    QImage picture;
    drawControl(page, s, look, picture);
    return picture;
}

void drawControl(const DecodedPage &page, int s, const ControlLook &look, QImage &image)
{
    const SlotTables &t = page.tables;
    const int kind = t.Kind[s];
    // No display is larger than 480 pixels: a bigger control shows no more, so its picture is
    // bounded (an image claiming 65,535 × 65,535 would otherwise ask for 16 GB).
    const int w = std::min<int>(t.Width[s], kMaxControlSide);
    const int h = std::min<int>(t.Height[s], kMaxControlSide);
    if (kind == 27 || w <= 0 || h <= 0) {
        image = QImage();
        return;
    }
    if (image.size() != QSize(w, h) || image.format() != QImage::Format_ARGB32_Premultiplied)
        image = QImage(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const QColor back = windowsColor(look.focused ? kFocusColor : t.BackColor[s]);
    const QColor fore = windowsColor(t.ForeColor[s]);
    const QByteArray &text = look.languageSelect == 1 ? t.TextB[s] : t.TextA[s];
    const std::uint16_t style = t.WordC[s];
    switch (kind) {
    case 1:
        // Plain texts have no frame styles: fill and outline in the background colour.
        drawFramedText(p, w, h, style & 0x0FFF, windowsColor(t.BackColor[s]), fore, text, 1, 0,
                       Rim::Sunken);
        break;
    case 2:
        drawFramedText(p, w, h, style, back, fore, toGbk(look.text), frameOf(style) == 2 ? 3 : 1, 0,
                       Rim::Sunken);
        break;
    case 3:
        drawLamp(p, t, s, look, w, h);
        break;
    case 4:
        drawTrend(p, t, s, w, h);
        break;
    case 5:
        drawBar(p, t, s, look, w, h);
        break;
    case 7:
        if (t.ByteA[s] == 0) {
            p.fillRect(0, 0, w, h, back);
            break;
        }
        drawFramedText(p, w, h, style, back, fore, toGbk(look.text), 3, 2, Rim::Sunken);
        break;
    case 8:
        drawFramedText(p, w, h, style, back, fore, text, 3, 0, Rim::Raised);
        break;
    case 9:
        drawFramedText(p, w, h, style, windowsColor(t.BackColor[s]), fore,
                       toGbk(QStringLiteral("ASCII中文")), 3, 0, Rim::Sunken);
        break;
    case 20:
        drawShape(p, t, s, w, h, false);
        break;
    case 26:
        drawShape(p, t, s, w, h, true);
        break;
    case 25:
        drawScale(p, t, s, w, h);
        break;
    case 34:
        drawFramedText(p, w, h, style, back, fore, text, 3, 0, Rim::Raised);
        break;
    default:
        // Pictures have no data in the simulator; other kinds have no look.
        break;
    }
}

void drawLine(QPainter &painter, const SlotTables &t, int s)
{
    QPen pen(windowsColor(t.ForeColor[s]));
    pen.setWidth(std::max<int>(1, t.WordC[s]));
    painter.setPen(pen);
    painter.drawLine(t.Left[s], t.Top[s], t.Width[s], t.Height[s]);
}

} // namespace brevix::sim
