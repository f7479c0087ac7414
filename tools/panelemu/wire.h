#pragma once

#include "ptyline.h"

#include <chrono>
#include <cstdint>
#include <vector>

namespace panelemu {

using Clock = std::chrono::steady_clock;

// The panel's side of the wire: writes bytes, optionally at the line's character rate, and
// garbles them when the host listens at another speed (as a real line would).
class Wire
{
public:
    Wire(PtyLine &line, bool pace) : m_line(line), m_pace(pace) {}

    // Notes bytes just read from the host; returns when their last one has fully arrived.
    Clock::time_point arrived(std::size_t count, const LineFormat &format);
    void waitUntil(Clock::time_point when) const;
    void send(const std::vector<std::uint8_t> &bytes, const LineFormat &format);
    void send(const std::uint8_t *bytes, std::size_t count, const LineFormat &format);
    bool pacing() const { return m_pace; }

private:
    PtyLine &m_line;
    bool m_pace;
    Clock::time_point m_lineFreeAt{};
};

} // namespace panelemu
