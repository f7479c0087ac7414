#pragma once

#include <QByteArray>
#include <QString>
#include <array>

namespace brevix {

enum class Parity { None, Odd, Even, Mark, Space };

// One serial line format: baud rate, data bits, parity and stop bits (1 or 2; 15 = 1.5).
struct LineSettings
{
    int baud = 9600;
    int dataBits = 8;
    Parity parity = Parity::None;
    int stopBits = 1;

    bool operator==(const LineSettings &) const = default;
    // "115200 8E1"
    QString text() const;
    // Bits one character occupies on the wire: start, data, parity, stop.
    int bitsPerCharacter() const;
};

// The rows tried in order while searching for the panel. Row 1 is also the transfer setting.
inline constexpr int kProbeRowCount = 32;
const std::array<LineSettings, kProbeRowCount> &ProbeSettings();
// The setting of every transfer after the panel has been found, and of the boot loader.
LineSettings transferSettings();

// The panel's answer to the probe.
QByteArray PanelSignature();
// The probe itself: 15 question marks, no CRC.
QByteArray probeFrame();

} // namespace brevix
