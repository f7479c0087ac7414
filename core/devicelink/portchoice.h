#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

namespace brevix {

// Serial devices the system has: what Qt's port list reports plus /dev/ttyS*, /dev/ttyUSB*,
// /dev/ttyACM* and /dev/serial/by-id links, as full paths, sorted naturally, no duplicates.
QStringList availableSerialPorts();

// The download port kept in Builder.ini, section "configure", key "ComPort". Older files keep a
// COM index 0..7 there; it reads as /dev/ttyS0../dev/ttyS7. Empty when nothing is stored.
QString readDownloadPort(QSettings &ini);
void writeDownloadPort(QSettings &ini, const QString &path);
// What status panel 2 shows for the port: " " followed by the port.
QString downloadPortStatusText(const QString &path);

} // namespace brevix

namespace brevix {

// The per-user settings file of the editor (~/.config/Brevix/Builder.ini).
QString builderIniPath();
// The port a job uses when none is given: the one kept in Builder.ini, else the only port the
// system has; empty when that leaves a choice.
QString defaultDownloadPort();

} // namespace brevix
