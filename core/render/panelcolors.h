#pragma once

#include <QColor>
#include <QRgb>

namespace brevix {

// Fixed greys standing in for the desktop theme colours of the original platform, so that a page
// looks the same on every machine and pixel tests are stable.
inline constexpr QRgb kButtonShadowGrey = 0xFFA0A0A0;
inline constexpr QRgb kDarkShadowGrey = 0xFF696969;
inline constexpr QRgb kScrollBarGrey = 0xFFC8C8C8;
inline constexpr QRgb kWhite = 0xFFFFFFFF;
inline constexpr QRgb kBlack = 0xFF000000;

// A stored colour (0x00BBGGRR, red in the low byte) as an opaque pixel value. Values of the form
// 0xFF0000nn name desktop colour n and get a fixed stand-in.
QRgb panelRgb(int colour);
inline QColor panelColor(int colour)
{
    return QColor::fromRgb(panelRgb(colour));
}

// The 24-bit complement of a stored colour, as a stored colour.
constexpr int complementColour(int colour)
{
    return ~colour & 0xFFFFFF;
}

} // namespace brevix
