#pragma once

#include "model/project.h"
#include "settings/devicedatabase.h"
#include "text/message.h"

#include <optional>

namespace brevix {

// The messages of the address rules, by name.
enum class CheckMessage {
    Link,
    Device,
    Register,
    Bit,
    IndirectUpper,
    IndirectLower,
    KeyRegister,
    FullScale,
    ZeroScale,
    HorizontalMove,
    VerticalMove,
    Visibility,
};
Message checkMessageText(CheckMessage code);

// The address rules of one element: the message of the last failing rule, or nothing.
// linkCheckActive: the project has no second link.
std::optional<CheckMessage> checkElementAddress(const SlotValues &v, const DeviceLists &lists,
                                                bool linkCheckActive);

} // namespace brevix
