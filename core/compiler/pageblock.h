#pragma once

#include "model/project.h"
#include "text/message.h"

namespace brevix {

class ImageWriter;

// Writes one page block: marker, page number, 50 record counters, background colour, key jump
// bytes (or the page's register offset in the last two for protocols 1, 2 and 4), then every
// element's records. records receives the number of records written.
Result writePageBlock(ImageWriter &image, const Project &project, int page, int protocol,
                      int &records);

// Protocols whose pages carry a register-address offset.
constexpr bool protocolHasPageOffset(int protocol)
{
    return protocol == 1 || protocol == 2 || protocol == 4;
}

} // namespace brevix
