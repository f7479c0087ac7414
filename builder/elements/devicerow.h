#pragma once

#include <QString>

class QComboBox;
class QGridLayout;
class QToolButton;
class QWidget;

namespace brevix {

// The controls both address choosers share: the link chooser, which exists but is not offered
// (the link an element was written with stays), and the device list with its "?" help button,
// placed in row 0 of grid.
struct DeviceRow
{
    QComboBox *link = nullptr;
    QComboBox *device = nullptr;
    QToolButton *help = nullptr;
};

// deviceName is the device list's objectName, which language files address it by.
DeviceRow addDeviceRow(QWidget *owner, QGridLayout *grid, const QString &deviceName);

} // namespace brevix
