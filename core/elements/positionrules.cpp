#include "elements/positionrules.h"

#include <algorithm>

namespace brevix {

int shownFromStored(std::uint16_t stored)
{
    return static_cast<int>(stored) - kCanvasMargin;
}

std::uint16_t storedFromShown(int shown)
{
    return static_cast<std::uint16_t>(std::clamp(shown + kCanvasMargin, 0, 0xFFFF));
}

PositionLimits positionLimits(QSize canvas)
{
    // A canvas narrower than the smallest element still leaves the fields a valid range.
    const int w = std::max(canvas.width(), kMinimumElementSize);
    const int h = std::max(canvas.height(), kMinimumElementSize);
    return {w - kMinimumElementSize, h - kMinimumElementSize, w, h};
}

} // namespace brevix
