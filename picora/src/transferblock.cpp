#include "transferblock.h"

#include "bmpcodec.h"
#include "picora.h"

#include <limits>

namespace brevix::picora {

bool writeBitmapBlock(std::vector<std::uint8_t> &stream, const std::vector<std::uint8_t> &bmp)
{
    if (bmp.size() > std::size_t(std::numeric_limits<std::int32_t>::max()))
        return false;
    const auto length = std::uint32_t(bmp.size());
    for (int shift = 0; shift < 32; shift += 8)
        stream.push_back(std::uint8_t(length >> shift));
    stream.insert(stream.end(), bmp.begin(), bmp.end());
    return true;
}

int readBitmapBlock(const std::uint8_t *stream, std::size_t size, std::size_t &offset,
                    Image24 &image)
{
    if (stream == nullptr || offset > size || size - offset < 4)
        return PICORA_ERROR_BAD_BMP;
    const std::uint8_t *p = stream + offset;
    const auto length = std::int32_t(std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) |
                                     (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24));
    if (length < 0 || std::size_t(length) > size - offset - 4)
        return PICORA_ERROR_BAD_BMP;
    const int status = decodeBmp(p + 4, std::size_t(length), image);
    if (status == PICORA_OK)
        offset += 4 + std::size_t(length);
    return status;
}

} // namespace brevix::picora
