#pragma once

#include "image24.h"

namespace brevix::picora {

// The pixel transforms on a private 24-bit picture.
Image24 mirroredLeftRight(const Image24 &source);
Image24 mirroredTopBottom(const Image24 &source);
void invertColors(Image24 &image);
// Every channel that differs from the background colour's channel takes the foreground's;
// colours are 0x00BBGGRR.
void thinColors(Image24 &image, std::uint32_t foreColor, std::uint32_t backColor);

} // namespace brevix::picora
