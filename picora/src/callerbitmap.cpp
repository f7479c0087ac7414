#include "callerbitmap.h"

#include "bmpcodec.h"
#include "transferblock.h"

#include <new>

namespace brevix::picora {
namespace {

// Largest BMP a caller may hand over: a 32-bit picture of the largest allowed size plus headers.
constexpr std::size_t kMaxSavedBytes = std::size_t(PICORA_MAX_PIXELS) * 4 + 65536;

struct SavedBytes
{
    std::vector<std::uint8_t> bytes;
    bool overflow = false;
};

int collect(void *opaque, const void *data, std::size_t size)
{
    auto *saved = static_cast<SavedBytes *>(opaque);
    if (size == 0)
        return 1;
    if (data == nullptr || size > kMaxSavedBytes - saved->bytes.size()) {
        saved->overflow = true;
        return 0;
    }
    try {
        const auto *begin = static_cast<const std::uint8_t *>(data);
        saved->bytes.insert(saved->bytes.end(), begin, begin + size);
    } catch (...) {
        // Called from the caller's code: nothing may propagate through it.
        saved->overflow = true;
        return 0;
    }
    return 1;
}

} // namespace

int copyFromCaller(const PicoraBitmap &bitmap, Image24 &image)
{
    SavedBytes saved;
    const PicoraByteSink sink{&saved, &collect};
    const bool savedOk = bitmap.saveBmp(bitmap.context, &sink) != 0;
    if (saved.overflow)
        return PICORA_ERROR_TOO_LARGE;
    if (!savedOk)
        return PICORA_ERROR_SAVE_FAILED;
    std::vector<std::uint8_t> stream;
    if (!writeBitmapBlock(stream, saved.bytes))
        return PICORA_ERROR_TOO_LARGE;
    saved.bytes.clear();
    saved.bytes.shrink_to_fit();
    std::size_t offset = 0;
    return readBitmapBlock(stream.data(), stream.size(), offset, image);
}

int copyToCaller(const PicoraBitmap &bitmap, const Image24 &image)
{
    std::vector<std::uint8_t> stream;
    if (!writeBitmapBlock(stream, encodeBmp24(image)))
        return PICORA_ERROR_TOO_LARGE;
    // The block's BMP starts after its 4-byte length.
    if (bitmap.loadBmp(bitmap.context, stream.data() + 4, stream.size() - 4) == 0)
        return PICORA_ERROR_LOAD_FAILED;
    return PICORA_OK;
}

} // namespace brevix::picora
