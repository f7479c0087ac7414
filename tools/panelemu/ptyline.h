#pragma once

#include <cstdint>
#include <string>

namespace panelemu {

// A serial line format as the panel is set to.
struct LineFormat
{
    int baud = 115200;
    int dataBits = 8;
    char parity = 'E'; // 'N', 'O', 'E'
    int stopBits = 1;

    int bitsPerCharacter() const { return 1 + dataBits + (parity == 'N' ? 0 : 1) + stopBits; }
    // Microseconds one character occupies on the wire.
    double characterMicros() const { return 1e6 * bitsPerCharacter() / baud; }
};

// What the host has set on its end of the line. A pty keeps the speed and stop bits but
// forces 8 data bits without parity, so those two are reported as unknown (0 / '?').
struct HostSettings
{
    int baud = 0;
    int dataBits = 0;
    char parity = '?';
    int stopBits = 0;
};

// The panel's end of a pseudo-terminal: the master for traffic, plus an open handle on the
// host's end so its line settings can be read and the line does not hang up between the
// host's opens.
class PtyLine
{
public:
    PtyLine() = default;
    ~PtyLine();
    PtyLine(const PtyLine &) = delete;
    PtyLine &operator=(const PtyLine &) = delete;

    bool open(std::string *error);
    void close();
    const std::string &hostPath() const { return m_hostPath; }
    int masterFd() const { return m_master; }
    HostSettings hostSettings() const;
    // True when the host's settings can carry `format` (fields the pty cannot show are taken
    // as matching).
    bool hostMatches(const LineFormat &format) const;

private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_hostPath;
};

int baudFromSpeed(unsigned speed);

} // namespace panelemu
