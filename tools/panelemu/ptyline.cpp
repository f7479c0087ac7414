#include "ptyline.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace panelemu {

int baudFromSpeed(unsigned speed)
{
    switch (speed) {
    case B110:
        return 110;
    case B300:
        return 300;
    case B600:
        return 600;
    case B1200:
        return 1200;
    case B2400:
        return 2400;
    case B4800:
        return 4800;
    case B9600:
        return 9600;
    case B19200:
        return 19200;
    case B38400:
        return 38400;
    case B57600:
        return 57600;
    case B115200:
        return 115200;
    case B230400:
        return 230400;
    default:
        return static_cast<int>(speed); // Linux keeps other rates as given (BOTHER)
    }
}

PtyLine::~PtyLine()
{
    close();
}

bool PtyLine::open(std::string *error)
{
    const auto fail = [&](const char *what) {
        if (error)
            *error = std::string(what) + ": " + std::strerror(errno);
        close();
        return false;
    };
    m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        return fail("posix_openpt");
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0)
        return fail("grantpt/unlockpt");
    char name[128];
    if (ptsname_r(m_master, name, sizeof name) != 0)
        return fail("ptsname");
    m_hostPath = name;
    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0)
        return fail("open host end");
    // Raw, so nothing the panel sends is echoed or edited before the host reads it.
    termios tio{};
    tcgetattr(m_slave, &tio);
    cfmakeraw(&tio);
    cfsetispeed(&tio, B9600);
    cfsetospeed(&tio, B9600);
    tcsetattr(m_slave, TCSANOW, &tio);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    return true;
}

void PtyLine::close()
{
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
    m_slave = m_master = -1;
}

HostSettings PtyLine::hostSettings() const
{
    HostSettings s;
    termios tio{};
    if (m_slave < 0 || tcgetattr(m_slave, &tio) != 0)
        return s;
    s.baud = baudFromSpeed(cfgetospeed(&tio));
    s.stopBits = (tio.c_cflag & CSTOPB) ? 2 : 1;
    const tcflag_t size = tio.c_cflag & CSIZE;
    const bool parity = tio.c_cflag & PARENB;
    // CS8 without parity is all a pty ever shows; anything else is a real setting.
    if (size != CS8 || parity) {
        s.dataBits = size == CS5 ? 5 : size == CS6 ? 6 : size == CS7 ? 7 : 8;
        s.parity = !parity ? 'N' : (tio.c_cflag & PARODD) ? 'O' : 'E';
    }
    return s;
}

bool PtyLine::hostMatches(const LineFormat &format) const
{
    const HostSettings s = hostSettings();
    if (s.baud != format.baud || s.stopBits != format.stopBits)
        return false;
    if (s.dataBits != 0 && s.dataBits != format.dataBits)
        return false;
    return s.parity == '?' || s.parity == format.parity;
}

} // namespace panelemu
