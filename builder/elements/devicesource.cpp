#include "elements/devicesource.h"

#include "model/project.h"
#include "settings/devicedatabase.h"
#include "settings/settingsrules.h"

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

DeviceTable tableOf(const std::vector<DeviceEntry> &entries)
{
    DeviceTable t;
    for (const DeviceEntry &e : entries) {
        t.names << e.name;
        t.maxima << e.maxText;
        t.bits << QString::number(e.dataBit);
    }
    return t;
}

// The lists of the project's two controller families from the shipped device database.
AddressDevices fromDatabase(const Project &project)
{
    DeviceDatabase database;
    if (!database.open())
        return {};
    return addressDevicesFrom(loadDeviceLists(database, project.settings()));
}

} // namespace

AddressDevices addressDevicesFrom(const DeviceLists &lists)
{
    AddressDevices devices;
    for (int link = 0; link < 2; ++link) {
        devices.word[link] = tableOf(lists.link[link].words);
        devices.bit[link] = tableOf(lists.link[link].bits);
    }
    return devices;
}

void setAddressDevicesSource(AddressDevicesSource s)
{
    source() = std::move(s);
}

AddressDevices addressDevicesFor(const Project &project)
{
    return source() ? source()(project) : fromDatabase(project);
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
