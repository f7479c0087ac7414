#pragma once

#include "elements/devicetable.h"

#include <functional>

namespace brevix {

class Project;

// Where the address choosers get the device lists of both links for a project: the working
// parameters' device database. Replaceable so tests and tools can supply fixed lists.
using AddressDevicesSource = std::function<AddressDevices(const Project &)>;
void setAddressDevicesSource(AddressDevicesSource source);
AddressDevices addressDevicesFor(const Project &project);

// The "?" button beside a device chooser asks for the device help of the link (0 or 1).
using DeviceHelpHandler = std::function<void(int link)>;
void setDeviceHelpHandler(DeviceHelpHandler handler);
void showDeviceHelp(int link);

} // namespace brevix
