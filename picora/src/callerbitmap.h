#pragma once

#include "image24.h"
#include "picora.h"

namespace brevix::picora {

// Copies the caller's bitmap into a private 24-bit picture: the bitmap saves itself as BMP, the
// BMP travels through a transfer block and is decoded. Returns a PICORA_ status.
int copyFromCaller(const PicoraBitmap &bitmap, Image24 &image);

// Hands the picture back: encoded as a 24-bit BMP, passed through a transfer block and loaded by
// the caller's bitmap. Returns a PICORA_ status.
int copyToCaller(const PicoraBitmap &bitmap, const Image24 &image);

} // namespace brevix::picora
