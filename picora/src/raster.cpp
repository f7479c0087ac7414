#include "raster.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace brevix::picora {
namespace {

// Fills the pixels of row y whose centres lie in [from, to).
void fillSpan(Image24 &image, std::int32_t y, double from, double to, std::uint32_t color)
{
    const double first = std::max(0.0, std::ceil(from - 0.5));
    const double end = std::min(double(image.width), std::ceil(to - 0.5));
    if (first >= end)
        return;
    for (auto x = std::int32_t(first); x < std::int32_t(end); ++x) {
        std::uint8_t *p = image.pixel(x, y);
        p[0] = std::uint8_t(color >> 16);
        p[1] = std::uint8_t(color >> 8);
        p[2] = std::uint8_t(color);
    }
}

// The rows whose centres lie in [top, bottom), clipped to the picture.
std::pair<std::int32_t, std::int32_t> rowRange(const Image24 &image, double top, double bottom)
{
    const double first = std::max(0.0, std::ceil(top - 0.5));
    const double end = std::min(double(image.height), std::ceil(bottom - 0.5));
    if (first >= end)
        return {0, 0};
    return {std::int32_t(first), std::int32_t(end)};
}

} // namespace

void fillRect(Image24 &image, double left, double top, double right, double bottom,
              std::uint32_t color)
{
    if (left >= right)
        return;
    const auto [first, end] = rowRange(image, top, bottom);
    for (std::int32_t y = first; y < end; ++y)
        fillSpan(image, y, left, right, color);
}

void fillEllipse(Image24 &image, double left, double top, double right, double bottom,
                 std::uint32_t color)
{
    const double rx = (right - left) / 2;
    const double ry = (bottom - top) / 2;
    if (rx <= 0 || ry <= 0)
        return;
    const double cx = left + rx;
    const double cy = top + ry;
    const auto [first, end] = rowRange(image, top, bottom);
    for (std::int32_t y = first; y < end; ++y) {
        const double dy = (y + 0.5 - cy) / ry;
        if (dy * dy >= 1)
            continue;
        const double half = rx * std::sqrt(1 - dy * dy);
        fillSpan(image, y, cx - half, cx + half, color);
    }
}

void fillPolygon(Image24 &image, std::initializer_list<Point> corners, std::uint32_t color)
{
    if (corners.size() < 3)
        return;
    const Point *points = corners.begin();
    const std::size_t count = corners.size();
    double top = points[0].y;
    double bottom = points[0].y;
    for (const Point &p : corners) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    const auto [first, end] = rowRange(image, top, bottom);
    std::vector<double> crossings;
    for (std::int32_t y = first; y < end; ++y) {
        const double yc = y + 0.5;
        crossings.clear();
        for (std::size_t i = 0; i < count; ++i) {
            const Point &a = points[i];
            const Point &b = points[(i + 1) % count];
            if ((a.y <= yc && yc < b.y) || (b.y <= yc && yc < a.y))
                crossings.push_back(a.x + (yc - a.y) * (b.x - a.x) / (b.y - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2)
            fillSpan(image, y, crossings[i], crossings[i + 1], color);
    }
}

} // namespace brevix::picora
