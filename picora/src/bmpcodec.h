#pragma once

#include "image24.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace brevix::picora {

// Decodes a Windows BMP file image (1, 4, 8, 16, 24, 32 bits per pixel; uncompressed or bit
// fields; bottom-up or top-down) into a 24-bit picture. Every read is bounded by size; returns a
// PICORA_ status and leaves image unspecified on failure.
int decodeBmp(const std::uint8_t *data, std::size_t size, Image24 &image);

// Encodes a picture as an uncompressed 24-bit bottom-up BMP file image.
std::vector<std::uint8_t> encodeBmp24(const Image24 &image);

} // namespace brevix::picora
