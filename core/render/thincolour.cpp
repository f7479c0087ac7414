#include "imaging/picoratransforms.h"
#include "render/elementpainters.h"

namespace brevix {

void thinToTwoColours(QImage &image, int foreColour, int backColour)
{
    // The library hands back a 24-bit picture; the element pictures are drawn on as 32-bit
    // pixels, so the format is restored. When the library refuses, the text stays as drawn.
    if (thinColor(image, foreColour, backColour))
        image.convertTo(QImage::Format_ARGB32);
}

} // namespace brevix
