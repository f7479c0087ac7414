#include "gradient.h"

#include "raster.h"

#include <cmath>

namespace brevix::picora {
namespace {

// Rounds half away from zero, as the desktop's multiply-then-divide does.
std::int64_t mulDiv(std::int64_t value, std::int64_t numerator, std::int64_t divisor)
{
    const std::int64_t product = value * numerator;
    const std::int64_t half = divisor / 2;
    return product >= 0 ? (product + half) / divisor : -((-product + half) / divisor);
}

// Positions that fall between pixels are rounded to the nearest whole pixel.
double at(double position)
{
    return std::round(position);
}

struct Painter
{
    Image24 &image;
    std::uint32_t a;
    std::uint32_t b;
    double w;
    double h;

    std::uint32_t step(int i, int divisor) const { return gradientStep(a, b, i, divisor); }

    void bands(bool vertical) const
    {
        const double length = vertical ? w : h;
        for (int i = 0; i <= 255; ++i) {
            const double from = at(i * length / 256);
            const double to = at((i + 1) * length / 256);
            if (vertical)
                fillRect(image, from, 0, to, h, step(i, 255));
            else
                fillRect(image, 0, from, w, to, step(i, 255));
        }
    }

    void ellipses() const
    {
        const double stepX = (w / 2 + w / 4) / 155;
        const double stepY = (h / 2 + h / 4) / 155;
        for (int i = 0; i <= 155; ++i) {
            const double k = i + 1;
            fillEllipse(image, at(-w / 4 + k * stepX), at(-h / 4 + k * stepY),
                        at(w + w / 4 + 4 - k * stepX), at(h + h / 4 + 4 - k * stepY), step(i, 155));
        }
    }

    void rectangles() const
    {
        const double stepX = w / 2 / 255;
        const double stepY = h / 2 / 255;
        for (int i = 0; i <= 255; ++i) {
            const double k = i + 1;
            fillRect(image, at(k * stepX), at(k * stepY), at(w + 2 - k * stepX),
                     at(h + 2 - k * stepY), step(i, 255));
        }
    }

    // Lines (styles 5) or columns (style 6) from both edges towards the middle.
    void fromEdges(bool rows) const
    {
        const auto extent = std::int32_t(rows ? h : w);
        const int half = extent / 2;
        for (int i = 0; i <= half; ++i) {
            const std::uint32_t color = step(i, half);
            for (const std::int32_t line : {i, extent - 1 - i}) {
                if (rows)
                    fillRect(image, 0, line, w, line + 1, color);
                else
                    fillRect(image, line, 0, line + 1, h, color);
            }
        }
    }

    // 255 bands between lines at 45 degrees, advancing from the corner (flipX, flipY) picks.
    void diagonals(bool flipX, bool flipY) const
    {
        const double advance = (w + h) / 255;
        const auto px = [&](double x) { return flipX ? w - x : x; };
        const auto py = [&](double y) { return flipY ? h - y : y; };
        for (int i = 0; i <= 254; ++i) {
            const double near = at(i * advance);
            const double far = at((i + 1) * advance);
            fillPolygon(image,
                        {{px(near), py(0)}, {px(far), py(0)}, {px(0), py(far)}, {px(0), py(near)}},
                        step(i, 255));
        }
    }

    void triangles() const
    {
        const Point centre{at(w / 2), at(h / 2)};
        for (int i = 0; i <= 255; ++i) {
            const double y0 = at(i * h / 255);
            const double y1 = at((i + 1) * h / 255);
            const double x0 = at(i * w / 255);
            const double x1 = at((i + 1) * w / 255);
            const std::uint32_t color = step(i, 255);
            fillPolygon(image, {centre, {0, y0}, {0, y1}}, color);
            fillPolygon(image, {centre, {w, h - y0}, {w, h - y1}}, color);
            fillPolygon(image, {centre, {x0, 0}, {x1, 0}}, color);
            fillPolygon(image, {centre, {w - x0, h}, {w - x1, h}}, color);
        }
    }

    void foldingCorner() const
    {
        for (int i = 0; i <= 255; ++i) {
            const double dx = at(i * w / 255);
            const double dy = at(i * h / 255);
            fillPolygon(image, {{dx, dy}, {0, h - dy}, {w, h}, {w, 0}}, step(i, 255));
        }
    }

    void foldingCentre() const
    {
        for (int i = 0; i <= 255; ++i) {
            const double dx = at(i * (w / 2) / 255);
            const double dy = at(i * (h / 2) / 255);
            fillPolygon(image, {{dx, dy}, {0, h}, {w - dx, h - dy}, {w, 0}}, step(i, 255));
        }
    }
};

} // namespace

std::uint32_t gradientStep(std::uint32_t a, std::uint32_t b, int i, int divisor)
{
    std::uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const std::int64_t from = (a >> shift) & 0xFF;
        const std::int64_t to = (b >> shift) & 0xFF;
        const std::int64_t moved = divisor == 0 ? 0 : mulDiv(i, to - from, divisor);
        result |= std::uint32_t((from + moved) & 0xFF) << shift;
    }
    return result;
}

bool paintGradient(Image24 &image, int style, std::uint32_t colorA, std::uint32_t colorB)
{
    if (style < kFirstGradientStyle || style > kLastGradientStyle)
        return false;
    // Shapes that stop short of the border (the shrinking ellipses and rectangles) would leave
    // the blank working picture showing; the gradient's own start colour is what belongs there.
    fillRect(image, 0, 0, image.width, image.height, colorA);
    const Painter painter{image, colorA, colorB, double(image.width), double(image.height)};
    switch (style) {
    case 1:
        painter.bands(true);
        return true;
    case 2:
        painter.bands(false);
        return true;
    case 3:
        painter.ellipses();
        return true;
    case 4:
        painter.rectangles();
        return true;
    case 5:
        painter.fromEdges(true);
        return true;
    case 6:
        painter.fromEdges(false);
        return true;
    case 7:
        painter.diagonals(false, false);
        return true;
    case 8:
        painter.diagonals(true, false);
        return true;
    case 9:
        painter.diagonals(true, true);
        return true;
    case 10:
        painter.diagonals(false, true);
        return true;
    case 11:
        painter.triangles();
        return true;
    case 12:
        painter.foldingCorner();
        return true;
    case 13:
        painter.foldingCentre();
        return true;
    default:
        return false;
    }
}

} // namespace brevix::picora
