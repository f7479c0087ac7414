#include "simulator/pressedlook.h"

#include "imaging/picoratransforms.h"

namespace brevix::sim {

void invertPicture(QImage &picture)
{
    if (picture.isNull())
        return;
    // Through the panel tool's own transform library, as the pressed look has always been made.
    // Its result is 24-bit; pressed keys and switches are opaque, so nothing is lost.
    if (!reverseColor(picture))
        picture.invertPixels(QImage::InvertRgb);
}

} // namespace brevix::sim
