#pragma once

#include "image24.h"

#include <initializer_list>

namespace brevix::picora {

struct Point
{
    double x = 0;
    double y = 0;
};

// Solid fills without outline, clipped to the picture. A pixel is covered when its centre lies
// inside the shape, left and top edges inclusive, so shapes that share an edge neither overlap
// nor leave a gap. Colours are 0x00BBGGRR.
void fillRect(Image24 &image, double left, double top, double right, double bottom,
              std::uint32_t color);
void fillEllipse(Image24 &image, double left, double top, double right, double bottom,
                 std::uint32_t color);
// Alternate (even-odd) filling, as the desktop's polygon fill does by default.
void fillPolygon(Image24 &image, std::initializer_list<Point> corners, std::uint32_t color);

} // namespace brevix::picora
