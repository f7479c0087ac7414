#include "examplepictures.h"

#include <cmath>

namespace {

QRgb leafPixel(double u, double v)
{
    // A leaf: the area between two arcs, with a darker midrib.
    const double half = 0.42 * std::sin(M_PI * u);
    if (std::abs(v - 0.5) > half)
        return qRgb(255, 255, 255);
    if (std::abs(v - 0.5) < 0.03 + 0.02 * (1 - u))
        return qRgb(40, 90, 30);
    return qRgb(70 + int(60 * u), 150, 60);
}

QRgb panPixel(double u, double v)
{
    const double dx = (u - 0.5) / 0.48, dy = (v - 0.15) / 0.8;
    if (v > 0.15 && dx * dx + dy * dy <= 1.0)
        return v < 0.3 ? qRgb(90, 160, 70) : qRgb(150, 150, 160);
    return qRgb(255, 255, 255);
}

QRgb machinePixel(double u, double v)
{
    if (u > 0.1 && u < 0.9 && v > 0.2 && v < 0.7)
        return (u > 0.35 && u < 0.65 && v > 0.3 && v < 0.6) ? qRgb(150, 150, 160)
                                                            : qRgb(46, 107, 48);
    if ((u > 0.15 && u < 0.22) || (u > 0.78 && u < 0.85))
        return v >= 0.7 && v < 0.95 ? qRgb(60, 60, 60) : qRgb(235, 240, 230);
    return qRgb(235, 240, 230);
}

} // namespace

QImage drawExamplePicture(const QString &name, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double u = (x + 0.5) / width, v = (y + 0.5) / height;
            QRgb pixel = qRgb(255, 255, 255);
            if (name == QLatin1String("leaf"))
                pixel = leafPixel(u, v);
            else if (name == QLatin1String("pan"))
                pixel = panPixel(u, v);
            else if (name == QLatin1String("machine"))
                pixel = machinePixel(u, v);
            image.setPixel(x, y, pixel);
        }
    }
    return image;
}
