#include "devicelink/portchoice.h"

#include <QCollator>
#include <QDir>
#include <QSerialPortInfo>
#include <algorithm>

namespace brevix {

QStringList availableSerialPorts()
{
    QStringList ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        ports << info.systemLocation();
    const QDir dev(QStringLiteral("/dev"));
    for (const QString &name : dev.entryList({QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*"),
                                              QStringLiteral("ttyS*"), QStringLiteral("ttyAMA*")},
                                             QDir::System | QDir::Files))
        ports << dev.filePath(name);
    const QDir byId(QStringLiteral("/dev/serial/by-id"));
    for (const QString &name : byId.entryList(QDir::System | QDir::Files))
        ports << byId.filePath(name);
    ports.removeDuplicates();
    QCollator collator;
    collator.setNumericMode(true);
    std::sort(ports.begin(), ports.end(), [&collator](const QString &a, const QString &b) {
        return collator.compare(a, b) < 0;
    });
    return ports;
}

QString readDownloadPort(QSettings &ini)
{
    const QString value = ini.value(QStringLiteral("configure/ComPort")).toString().trimmed();
    bool isIndex = false;
    const int index = value.toInt(&isIndex);
    if (isIndex)
        return index >= 0 && index <= 7 ? QStringLiteral("/dev/ttyS%1").arg(index) : QString();
    return value;
}

void writeDownloadPort(QSettings &ini, const QString &path)
{
    ini.setValue(QStringLiteral("configure/ComPort"), path);
}

QString downloadPortStatusText(const QString &path)
{
    return QLatin1Char(' ') + path;
}

} // namespace brevix

#include <QStandardPaths>

namespace brevix {

QString builderIniPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Brevix/Builder.ini");
}

QString defaultDownloadPort()
{
    QSettings ini(builderIniPath(), QSettings::IniFormat);
    const QString kept = readDownloadPort(ini);
    if (!kept.isEmpty())
        return kept;
    const QStringList ports = availableSerialPorts();
    return ports.size() == 1 ? ports.first() : QString();
}

} // namespace brevix
