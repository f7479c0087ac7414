#pragma once

#include <QImage>
#include <QRgb>

namespace brevix {

// How a one-pixel line is stroked: solid, or dotted as the desktop's dotted pen (three pixels on,
// three off, counted from the line's start).
enum class Stroke { Solid, Dotted };

// Pixel-exact one-pixel drawing on an element picture, with the conventions the element looks
// were designed with: a rectangle (x1, y1, x2, y2) covers x1..x2-1 and y1..y2-1, and a line
// leaves out its end point. Everything is clipped to the picture.
class PixelCanvas
{
public:
    // Works on 32-bit pixels; a picture in another format is converted first.
    explicit PixelCanvas(QImage &image) : m_image(image)
    {
        if (m_image.format() != QImage::Format_ARGB32)
            m_image.convertTo(QImage::Format_ARGB32);
    }

    void setPixel(int x, int y, QRgb colour);
    void fill(QRgb colour) { m_image.fill(colour); }
    void fillRect(int x1, int y1, int x2, int y2, QRgb colour);
    // The outline of the rectangle (x1, y1, x2, y2) in the pen colour.
    void outline(int x1, int y1, int x2, int y2, QRgb pen, Stroke stroke = Stroke::Solid);
    // Filled with brush, outlined with pen.
    void rectangle(int x1, int y1, int x2, int y2, QRgb pen, QRgb brush);
    // From (x1, y1) towards (x2, y2), end point excluded.
    void line(int x1, int y1, int x2, int y2, QRgb pen, Stroke stroke = Stroke::Solid);
    // Pixels of colour key become fully transparent.
    void makeTransparent(QRgb key);

private:
    QImage &m_image;
};

// The two-pixel 3-D frames drawn inside an element's edge, in the fixed greys.
enum class Bevel { Sunken, Raised };
void drawBevel(PixelCanvas &canvas, int width, int height, Bevel bevel,
               Stroke stroke = Stroke::Solid);

// A picture of the given size in the one format every element picture uses.
QImage newElementImage(int width, int height);

} // namespace brevix
