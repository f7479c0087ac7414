#include "emulatorconfig.h"

namespace panelemu {

namespace {

struct FaultName
{
    Fault fault;
    const char *name;
};

constexpr FaultName kFaultNames[] = {
    {Fault::None, "none"},
    {Fault::Silent, "silent"},
    {Fault::NeverAcknowledge, "no-ack"},
    {Fault::DropFrames, "drop"},
    {Fault::BadCrc, "bad-crc"},
    {Fault::Noise, "noise"},
    {Fault::RefuseSync, "refuse-sync"},
    {Fault::DeadAfterSync, "dead-after-sync"},
};

} // namespace

bool faultFromName(const std::string &name, Fault *fault)
{
    for (const auto &entry : kFaultNames) {
        if (name == entry.name) {
            *fault = entry.fault;
            return true;
        }
    }
    return false;
}

const char *faultName(Fault fault)
{
    for (const auto &entry : kFaultNames) {
        if (entry.fault == fault)
            return entry.name;
    }
    return "none";
}

} // namespace panelemu
