#include "wire.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace panelemu {

namespace {

Clock::duration characters(std::size_t count, const LineFormat &format)
{
    return std::chrono::nanoseconds(
        static_cast<long long>(count * format.characterMicros() * 1000));
}

void writeAll(int fd, const std::uint8_t *bytes, std::size_t count)
{
    while (count > 0) {
        const ssize_t n = ::write(fd, bytes, count);
        if (n > 0) {
            bytes += n;
            count -= static_cast<std::size_t>(n);
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd p{fd, POLLOUT, 0};
            ::poll(&p, 1, 5);
        } else {
            return;
        }
    }
}

} // namespace

Clock::time_point Wire::arrived(std::size_t count, const LineFormat &format)
{
    if (!m_pace)
        return Clock::now();
    // The host handed the bytes over at once; on a real line they follow one another.
    m_lineFreeAt = std::max(m_lineFreeAt, Clock::now()) + characters(count, format);
    return m_lineFreeAt;
}

void Wire::waitUntil(Clock::time_point when) const
{
    if (m_pace)
        std::this_thread::sleep_until(when);
}

void Wire::send(const std::vector<std::uint8_t> &bytes, const LineFormat &format)
{
    send(bytes.data(), bytes.size(), format);
}

void Wire::send(const std::uint8_t *bytes, std::size_t count, const LineFormat &format)
{
    std::vector<std::uint8_t> out(bytes, bytes + count);
    // At another speed the host reads framing garbage, never the bytes sent.
    if (m_line.hostSettings().baud != format.baud) {
        for (auto &b : out)
            b = static_cast<std::uint8_t>(b ^ 0xA5) | 0x80;
    }
    if (!m_pace) {
        writeAll(m_line.masterFd(), out.data(), out.size());
        return;
    }
    // Chunks of about half a millisecond keep the pace without a write per character.
    const std::size_t chunk =
        std::max<std::size_t>(1, static_cast<std::size_t>(500 / format.characterMicros()));
    Clock::time_point at = std::max(m_lineFreeAt, Clock::now());
    for (std::size_t i = 0; i < out.size(); i += chunk) {
        const std::size_t n = std::min(chunk, out.size() - i);
        // A chunk is handed over when its last character would have arrived.
        at += characters(n, format);
        std::this_thread::sleep_until(at);
        writeAll(m_line.masterFd(), out.data() + i, n);
    }
    m_lineFreeAt = at;
}

} // namespace panelemu
