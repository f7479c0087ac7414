// Feeds arbitrary bytes to libpicora's transfer-block and BMP readers. A picture that decodes
// must survive the library's own encode and decode unchanged, and the transforms must run on it.
#include "bmpcodec.h"
#include "geometry.h"
#include "picora.h"
#include "transferblock.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace brevix::picora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // As a transfer block (length, then BMP), and as bare BMP bytes.
    Image24 image;
    std::size_t offset = 0;
    readBitmapBlock(data, size, offset, image);
    if (decodeBmp(data, size, image) != PICORA_OK)
        return 0;

    const std::vector<std::uint8_t> bmp = encodeBmp24(image);
    Image24 again;
    if (decodeBmp(bmp.data(), bmp.size(), again) != PICORA_OK || again.width != image.width ||
        again.height != image.height || again.pixels != image.pixels)
        std::abort();

    // Small pictures only, so the fuzzer spends its time in the reader.
    if (std::size_t(image.width) * std::size_t(image.height) <= 4096) {
        Image24 mirrored = mirroredLeftRight(mirroredTopBottom(image));
        invertColors(mirrored);
        thinColors(mirrored, 0x000000, 0xFFFFFF);
    }
    return 0;
}
