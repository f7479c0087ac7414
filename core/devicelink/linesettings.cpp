#include "devicelink/linesettings.h"

namespace brevix {

namespace {

constexpr LineSettings e8(int baud)
{
    return {baud, 8, Parity::Even, 1};
}
constexpr LineSettings e7(int baud)
{
    return {baud, 7, Parity::Even, 1};
}

} // namespace

QString LineSettings::text() const
{
    static const char parityLetters[] = {'N', 'O', 'E', 'M', 'S'};
    const QString stop = stopBits == 15 ? QStringLiteral("1.5") : QString::number(stopBits);
    return QStringLiteral("%1 %2%3%4")
        .arg(baud)
        .arg(dataBits)
        .arg(QLatin1Char(parityLetters[static_cast<int>(parity)]))
        .arg(stop);
}

int LineSettings::bitsPerCharacter() const
{
    // 1.5 stop bits round up: pacing errs on the slow side.
    return 1 + dataBits + (parity == Parity::None ? 0 : 1) + (stopBits == 1 ? 1 : 2);
}

const std::array<LineSettings, kProbeRowCount> &ProbeSettings()
{
    static const std::array<LineSettings, kProbeRowCount> rows = {
        e8(57600), e8(115200), e8(9600), e8(115200), e8(19200), e7(115200), e8(38400), e7(115200),
        e7(57600), e8(115200), e7(9600), e7(19200),  e7(38400), e7(57600),  e8(57600), e7(115200),
        e8(57600), e8(115200), e8(9600), e8(115200), e8(19200), e7(115200), e7(9600),  e7(115200),
        e7(57600), e8(115200), e7(9600), e7(19200),  e7(38400), e8(9600),   e8(57600), e7(115200)};
    return rows;
}

LineSettings transferSettings()
{
    return e8(115200);
}

QByteArray PanelSignature()
{
    return QByteArray("\x79\x16\x55\x7A\x0E\x7E", 6);
}

QByteArray probeFrame()
{
    return QByteArray(15, '\x3F');
}

} // namespace brevix
