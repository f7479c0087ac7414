#pragma once

#include <QSize>
#include <cstdint>

namespace brevix {

// Stored Left/Top carry the 5-pixel canvas margin; dialogs show page pixels.
constexpr int kCanvasMargin = 5;
constexpr int kMinimumElementSize = 8;

int shownFromStored(std::uint16_t stored);
std::uint16_t storedFromShown(int shown);

// Limits of the position and size fields for a canvas of the given size.
struct PositionLimits
{
    int maxLeft = 0;
    int maxTop = 0;
    int maxWidth = 0;
    int maxHeight = 0;
};
PositionLimits positionLimits(QSize canvas);

} // namespace brevix
