#pragma once

#include "elements/devicetable.h"

#include <functional>

namespace brevix {

class Project;
struct DeviceLists;

// The address choosers' view of the working parameters' device lists.
AddressDevices addressDevicesFrom(const DeviceLists &lists);

// Where the address choosers get the device lists of both links for a project: by default the
// device database for the project's two controller families. Replaceable so the working
// parameters can hand over their lists and tests can supply fixed ones.
using AddressDevicesSource = std::function<AddressDevices(const Project &)>;
void setAddressDevicesSource(AddressDevicesSource source);
AddressDevices addressDevicesFor(const Project &project);

// The "?" button beside a device chooser asks for the device help of the link (0 or 1).
using DeviceHelpHandler = std::function<void(int link)>;
void setDeviceHelpHandler(DeviceHelpHandler handler);
void showDeviceHelp(int link);

} // namespace brevix
