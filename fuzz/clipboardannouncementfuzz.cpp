// The clipboard text another editor announced: any text may arrive, from any program.
#include "model/clipboardtransfer.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto announcement = brevix::parseAnnouncement(text);
    if (announcement && announcement->isArea()) {
        // Every listed slot must name a real slot, or pasting would read past the record.
        for (int slot : announcement->members) {
            if (slot < 0 || slot >= brevix::kSlotCount)
                __builtin_trap();
        }
    }
    // Prefixing the marker exercises the parser beyond its first check.
    brevix::parseAnnouncement(brevix::kAnnouncementPrefix + text);
    return 0;
}
