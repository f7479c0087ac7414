#include "render/elementpainters.h"
#include "render/panelcolors.h"

#if __has_include("imaging/picoratransforms.h")
#include "imaging/picoratransforms.h"
#define BREVIX_HAVE_PICORA_TRANSFORMS 1
#endif

namespace brevix {

void thinToTwoColours(QImage &image, int foreColour, int backColour)
{
#ifdef BREVIX_HAVE_PICORA_TRANSFORMS
    thinColor(image, foreColour, backColour);
#else
    // Same rule as the image library's thinning, used until that library is part of the build:
    // each channel that differs from the background's takes the foreground's.
    const QRgb fore = panelRgb(foreColour), back = panelRgb(backColour);
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = row[x];
            const int r = qRed(p) != qRed(back) ? qRed(fore) : qRed(p);
            const int g = qGreen(p) != qGreen(back) ? qGreen(fore) : qGreen(p);
            const int b = qBlue(p) != qBlue(back) ? qBlue(fore) : qBlue(p);
            row[x] = qRgba(r, g, b, qAlpha(p));
        }
    }
#endif
}

} // namespace brevix
