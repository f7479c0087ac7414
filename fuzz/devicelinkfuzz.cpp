// The readers of panel replies: the register-read answer, the write echo and the boot loader's
// answers, fed arbitrary bytes.
#include "devicelink/bootloaderrules.h"
#include "devicelink/modbusframes.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    // The first byte picks the request the answer is read against.
    const int quantity = data[0] % 130;
    const int first = brevix::RegisterImage::kFirst + (data[0] * 7) % 1100;
    const auto *reply = data + 1;
    const int length = static_cast<int>(size > 1025 ? 1024 : size - 1);
    brevix::RegisterImage image;
    brevix::TakeRegisterReply(image, first, quantity, reply, length);
    brevix::writeEchoAccepted(brevix::buildWriteRegisters(image, 3900, 10), reply, length);
    for (int state = 0; state <= 12; ++state)
        brevix::bootReplyAccepted(state, reply, length);
    return 0;
}
