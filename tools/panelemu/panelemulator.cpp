#include "panelemulator.h"

#include "bootside.h"
#include "panelside.h"
#include "ptyline.h"
#include "wire.h"

#include <algorithm>
#include <poll.h>
#include <unistd.h>

namespace panelemu {

PanelEmulator::PanelEmulator(EmulatorConfig config)
    : m_config(config), m_line(std::make_unique<PtyLine>())
{
}

PanelEmulator::~PanelEmulator()
{
    stop();
}

bool PanelEmulator::start(std::string *error)
{
    if (!m_line->open(error))
        return false;
    m_stop = false;
    m_thread = std::thread([this] { run(); });
    return true;
}

void PanelEmulator::stop()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    m_line->close();
}

std::string PanelEmulator::hostPath() const
{
    return m_line->hostPath();
}

PanelResults PanelEmulator::panelResults() const
{
    std::lock_guard guard(m_lock);
    return m_panel;
}

BootResults PanelEmulator::bootResults() const
{
    std::lock_guard guard(m_lock);
    return m_boot;
}

void PanelEmulator::run()
{
    Wire wire(*m_line, m_config.pace);
    std::unique_ptr<PanelSide> panel;
    std::unique_ptr<BootSide> boot;
    if (m_config.mode == Mode::Panel)
        panel = std::make_unique<PanelSide>(m_config, *m_line, wire, m_panel, m_lock);
    else
        boot = std::make_unique<BootSide>(m_config, wire, m_boot, m_lock);
    std::uint8_t buffer[4096];
    while (!m_stop) {
        int timeout = 5;
        if (panel && panel->wantsIdleCall()) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                panel->idleDue() - Clock::now());
            timeout = static_cast<int>(std::clamp<long long>(left.count(), 0, 5));
        }
        pollfd p{m_line->masterFd(), POLLIN, 0};
        const int ready = ::poll(&p, 1, timeout);
        if (ready > 0 && (p.revents & POLLIN)) {
            const ssize_t n = ::read(m_line->masterFd(), buffer, sizeof buffer);
            if (n > 0) {
                if (panel)
                    panel->feed(buffer, static_cast<std::size_t>(n));
                else
                    boot->feed(buffer, static_cast<std::size_t>(n));
                continue;
            }
        }
        if (panel && panel->wantsIdleCall() && Clock::now() >= panel->idleDue())
            panel->idle();
    }
}

} // namespace panelemu
