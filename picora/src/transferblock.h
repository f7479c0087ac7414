#pragma once

#include "image24.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace brevix::picora {

// Appends a transfer block to stream: the BMP's length as a signed 32-bit little-endian number,
// then the BMP bytes. Returns false when the BMP is too long for the length field.
bool writeBitmapBlock(std::vector<std::uint8_t> &stream, const std::vector<std::uint8_t> &bmp);

// Reads the transfer block at offset in stream and decodes its BMP into image; offset moves past
// the block. Returns a PICORA_ status: a negative or overlong length is a malformed block.
int readBitmapBlock(const std::uint8_t *stream, std::size_t size, std::size_t &offset,
                    Image24 &image);

} // namespace brevix::picora
