#pragma once

#include "emulatorconfig.h"
#include "wire.h"

#include <array>
#include <deque>
#include <mutex>
#include <optional>

namespace panelemu {

// The panel's side of the download: answers the probe, echoes register writes, answers
// register reads, and rebuilds KX.bin and the serial flash from the blocks.
class PanelSide
{
public:
    PanelSide(const EmulatorConfig &config, PtyLine &line, Wire &wire, PanelResults &results,
              std::mutex &resultsLock);

    void feed(const std::uint8_t *bytes, std::size_t count);
    // Called when the line has been idle a while: the moment for injected noise.
    void idle();
    bool wantsIdleCall() const { return m_noiseDue.has_value(); }
    Clock::time_point idleDue() const { return *m_noiseDue; }

private:
    bool takeFrame();
    void onProbe();
    void onWrite(int first, int count, const std::uint8_t *frame, std::size_t length);
    void onRead(int first, int count);
    void takeBlock();
    void reply(std::vector<std::uint8_t> bytes);
    const LineFormat &format() const;

    const EmulatorConfig &m_config;
    PtyLine &m_line;
    Wire &m_wire;
    PanelResults &m_results;
    std::mutex &m_lock;
    std::deque<std::uint8_t> m_in;
    int m_questionRun = 0;
    int m_matchingProbes = 0;
    bool m_synced = false;
    bool m_downloadMode = false;
    std::array<std::uint16_t, 5000> m_regs{};
    std::optional<Clock::time_point> m_noiseDue;
    std::uint32_t m_noiseState = 12345;
    LineFormat m_transfer{115200, 8, 'E', 1};
};

std::uint16_t modbusCrc(const std::uint8_t *bytes, std::size_t length);

} // namespace panelemu
