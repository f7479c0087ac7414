#include "render/pixelcanvas.h"

#include "render/panelcolors.h"

#include <algorithm>
#include <cstdlib>

namespace brevix {

namespace {

constexpr int kDotRun = 3;

bool dotOn(int step, Stroke stroke)
{
    return stroke == Stroke::Solid || (step / kDotRun) % 2 == 0;
}

} // namespace

QImage newElementImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

void PixelCanvas::setPixel(int x, int y, QRgb colour)
{
    if (x >= 0 && y >= 0 && x < m_image.width() && y < m_image.height())
        reinterpret_cast<QRgb *>(m_image.scanLine(y))[x] = colour;
}

void PixelCanvas::fillRect(int x1, int y1, int x2, int y2, QRgb colour)
{
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, m_image.width());
    y2 = std::min(y2, m_image.height());
    for (int y = y1; y < y2; ++y) {
        auto *row = reinterpret_cast<QRgb *>(m_image.scanLine(y));
        std::fill(row + x1, row + std::max(x1, x2), colour);
    }
}

void PixelCanvas::outline(int x1, int y1, int x2, int y2, QRgb pen, Stroke stroke)
{
    if (x2 <= x1 || y2 <= y1)
        return;
    // One pen path around the rectangle, so a dotted pattern runs on round the corners.
    int step = 0;
    for (int x = x1; x < x2 - 1; ++x, ++step)
        if (dotOn(step, stroke))
            setPixel(x, y1, pen);
    for (int y = y1; y < y2 - 1; ++y, ++step)
        if (dotOn(step, stroke))
            setPixel(x2 - 1, y, pen);
    for (int x = x2 - 1; x > x1; --x, ++step)
        if (dotOn(step, stroke))
            setPixel(x, y2 - 1, pen);
    for (int y = y2 - 1; y > y1; --y, ++step)
        if (dotOn(step, stroke))
            setPixel(x1, y, pen);
    if (x2 - x1 == 1 || y2 - y1 == 1)
        setPixel(x2 - 1, y2 - 1, pen);
}

void PixelCanvas::rectangle(int x1, int y1, int x2, int y2, QRgb pen, QRgb brush)
{
    fillRect(x1 + 1, y1 + 1, x2 - 1, y2 - 1, brush);
    outline(x1, y1, x2, y2, pen);
}

void PixelCanvas::line(int x1, int y1, int x2, int y2, QRgb pen, Stroke stroke)
{
    // Bresenham; the end point belongs to the next segment of a path and is not drawn.
    const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    int x = x1, y = y1;
    for (int step = 0; x != x2 || y != y2; ++step) {
        if (dotOn(step, stroke))
            setPixel(x, y, pen);
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void PixelCanvas::makeTransparent(QRgb key)
{
    const QRgb opaqueKey = key | 0xFF000000u;
    for (int y = 0; y < m_image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(m_image.scanLine(y));
        for (int x = 0; x < m_image.width(); ++x)
            if (row[x] == opaqueKey)
                row[x] = 0;
    }
}

void drawBevel(PixelCanvas &canvas, int width, int height, Bevel bevel, Stroke stroke)
{
    const bool sunken = bevel == Bevel::Sunken;
    const QRgb outerTopLeft = sunken ? kButtonShadowGrey : kScrollBarGrey;
    const QRgb innerTopLeft = sunken ? kDarkShadowGrey : kWhite;
    const QRgb outerBottomRight = sunken ? kWhite : kDarkShadowGrey;
    const QRgb innerBottomRight = sunken ? kScrollBarGrey : kButtonShadowGrey;
    const int w = width, h = height;
    // Top and left first; the bottom and right lines run to the corners and overlap them.
    canvas.line(0, 0, w - 1, 0, outerTopLeft, stroke);
    canvas.line(0, 0, 0, h - 1, outerTopLeft, stroke);
    canvas.line(1, 1, w - 2, 1, innerTopLeft, stroke);
    canvas.line(1, 1, 1, h - 2, innerTopLeft, stroke);
    canvas.line(0, h - 1, w, h - 1, outerBottomRight, stroke);
    canvas.line(w - 1, 0, w - 1, h, outerBottomRight, stroke);
    canvas.line(1, h - 2, w - 1, h - 2, innerBottomRight, stroke);
    canvas.line(w - 2, 1, w - 2, h - 1, innerBottomRight, stroke);
}

} // namespace brevix
