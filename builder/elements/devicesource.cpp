#include "elements/devicesource.h"

namespace brevix {

namespace {

AddressDevicesSource &source()
{
    static AddressDevicesSource s;
    return s;
}

DeviceHelpHandler &helpHandler()
{
    static DeviceHelpHandler h;
    return h;
}

} // namespace

void setAddressDevicesSource(AddressDevicesSource s)
{
    source() = std::move(s);
}

AddressDevices addressDevicesFor(const Project &project)
{
    return source() ? source()(project) : AddressDevices{};
}

void setDeviceHelpHandler(DeviceHelpHandler handler)
{
    helpHandler() = std::move(handler);
}

void showDeviceHelp(int link)
{
    if (helpHandler())
        helpHandler()(link);
}

} // namespace brevix
