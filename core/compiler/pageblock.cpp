#include "compiler/pageblock.h"

#include "compiler/colour565.h"
#include "compiler/elementencoders.h"
#include "compiler/imagewriter.h"
#include "compiler/kxbuilder.h"
#include "compiler/kxlayout.h"
#include "text/numbertext.h"

namespace brevix {

Result writePageBlock(ImageWriter &image, const Project &project, int page, int protocol,
                      int &records)
{
    const PageRecord &r = project.record(page);
    const auto number = parseDecimal(r.PageStrings[PageNumberText].bytes());
    if (!number)
        return Result::failure(pageNumberInvalidMessage(page));
    unsigned jumps[kx::kKeyJumpBytes] = {};
    for (int i = 0; i < kx::kKeyJumpBytes; ++i) {
        const QByteArray text = r.PageStrings[KeyJumpTextFirst + i].bytes();
        if (text.isEmpty())
            continue;
        const auto target = parseDecimal(text);
        if (!target)
            return Result::failure(keyJumpInvalidMessage(page, i));
        jumps[i] = unsigned(*target) & 0xFF;
    }
    for (std::uint8_t b : kx::kPageMarker)
        image.u8(b);
    image.u8(unsigned(*number) & 0xFF);
    const qsizetype countersAt = image.size();
    image.zeros(kx::kCounterCount);
    image.u16(windowsColorTo565(project.pageBackColor(page)));
    if (protocolHasPageOffset(protocol)) {
        const unsigned offset = unsigned(project.pageRegisterOffset(page)) & 0xFFFF;
        jumps[20] = offset & 0xFF;
        jumps[21] = offset >> 8;
    }
    for (unsigned b : jumps)
        image.u8(b);
    records = 0;
    const PageEncoding out{image, countersAt, protocol, &records};
    for (int slot = 0; slot < kSlotCount; ++slot)
        encodeElement(out, project, page, slot);
    return Result::success();
}

} // namespace brevix
