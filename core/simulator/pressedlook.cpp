#include "simulator/pressedlook.h"

#if __has_include("imaging/picoratransforms.h")
#include "imaging/picoratransforms.h"
#define BREVIX_HAVE_PICORA 1
#endif

namespace brevix::sim {

void invertPicture(QImage &picture)
{
    if (picture.isNull())
        return;
#ifdef BREVIX_HAVE_PICORA
    if (reverseColor(picture))
        return;
#endif
    picture.invertPixels(QImage::InvertRgb);
}

} // namespace brevix::sim
