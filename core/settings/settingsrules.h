#pragma once

#include "model/project.h"
#include "settings/devicedatabase.h"
#include "text/message.h"

#include <QString>
#include <QStringList>

namespace brevix {

// Fixed choice lists of the working parameters (index = stored value).
QStringList panelModelNames();
QStringList baudRateNames();
QStringList parityNames();
QStringList dataBitsNames();
QStringList stopBitsNames();
QStringList link1PortNames();
QStringList link2PortNames();
QStringList canBaudNames();
// 100, 200, ..., 2000: the registers-per-ID list.
QStringList registersPerIdNames();

// Builds both links' device lists from the database for the project's two families.
DeviceLists loadDeviceLists(const DeviceDatabase &database, const ProjectRecord &settings);

// Result of ProInitialize: the lists plus the texts the status bar shows.
struct InitializedSettings
{
    DeviceLists lists;
    QString statusModel; // " " + model name
    QString statusLink1; // " " + family + " ( " + baud parity data stop + " )"
};

// Rebuilds the device lists from the project's settings and applies the rules that do not need
// a window: an RS232 link 1 has a single controller, and every register bound that follows the
// first word device clamps its field.
InitializedSettings ProInitialize(ProjectRecord &settings, const DeviceDatabase &database);

// Link 1 on RS232 talks to one controller: ID mode "单台" and no registers-per-ID choice.
void applyPortRule(ProjectRecord &settings);
// Clamps the fields whose upper bound is the first word device's highest number max:
// page-switch and page-report registers 0..max, AD/DA registers 0..max, fast write start
// 0..max - length (length 0..50), fast read start 0..max - length (length 0..100).
void clampToFirstWordDevice(ProjectRecord &settings, int max);

// Register captions of the working parameters, with the first word-device name n.
struct RegisterCaptions
{
    QString fastRead, pageRegister, fastWriteStart, analogue;
};
RegisterCaptions registerCaptions(Language language, const QString &fastReadDevice,
                                  const QString &n);

// Both links on the same port: refused with this message (nothing is stored).
Result checkLinkPorts(int link1Port, int link2Port);

// A station number typed as text: digits only, empty = 0, above 255 = 0 with a message.
struct CorrectedField
{
    int value = 0;
    Message message; // empty when the input was accepted as it was
};
CorrectedField correctStationId(const QString &text);
// A communication time-out: empty = 1, 0 or above 255 = 255 with a message.
CorrectedField correctTimeout(const QString &text);

// Keyboard keys and LEDs: the second register of each pair follows the first.
inline int secondKeyRegister(int first)
{
    return first + 1;
}
QString keyLedCaption(Language language, bool highHalf, const QString &deviceName);

// Alarm k's address as the alarm grids show it.
QString alarmAddress(const QString &deviceName, int deviceIndex, int start, int k);
// The history-size list entry i means (i + 1) * 100 records.
inline int alarmRecordsForIndex(int i)
{
    return (i + 1) * 100;
}

// The analogue block hints: one line per register from the first one on.
QStringList adRegisterHint(int adType, int firstRegister, const QString &caption);
QStringList daRegisterHint(int firstRegister, const QString &caption);

} // namespace brevix
