#include "render/panelcolors.h"

namespace brevix {

namespace {

QRgb systemColour(int index)
{
    switch (index) {
    case 0: // scroll bar
        return kScrollBarGrey;
    case 5:  // window
    case 20: // 3-D highlight
        return kWhite;
    case 6:  // window frame
    case 7:  // menu text
    case 8:  // window text
    case 18: // button text
        return kBlack;
    case 10: // active border
    case 11: // inactive border
        return 0xFFB4B4B4;
    case 15: // button face
        return 0xFFF0F0F0;
    case 16: // button shadow
        return kButtonShadowGrey;
    case 21: // 3-D dark shadow
        return kDarkShadowGrey;
    case 22: // 3-D light
        return 0xFFE3E3E3;
    default:
        return 0xFF808080;
    }
}

} // namespace

QRgb panelRgb(int colour)
{
    const auto value = static_cast<unsigned>(colour);
    if ((value & 0xFF000000u) == 0xFF000000u || (value & 0xFF000000u) == 0x80000000u)
        return systemColour(int(value & 0xFF));
    return qRgb(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

} // namespace brevix
