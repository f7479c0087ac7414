#pragma once

#include "image24.h"

namespace brevix::picora {

constexpr int kFirstGradientStyle = 1;
constexpr int kLastGradientStyle = 13;

// The colour of step i of a gradient from a to b over divisor steps: each channel moves by
// i * (b - a) / divisor, rounded to the nearest integer, taken modulo 256. A zero divisor
// (a one-pixel-high band of styles 5 and 6) gives a.
std::uint32_t gradientStep(std::uint32_t a, std::uint32_t b, int i, int divisor);

// Paints gradient style 1..13 over the whole picture, which first takes colour a so no pixel is
// left blank. Returns false for any other style and leaves the picture untouched.
bool paintGradient(Image24 &image, int style, std::uint32_t colorA, std::uint32_t colorB);

} // namespace brevix::picora
