#pragma once

#include "emulatorconfig.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace panelemu {

class PtyLine;

// A panel on a pseudo-terminal, run on its own thread: the host opens hostPath() as its
// serial port. Results can be read at any time; they are copies taken under a lock.
class PanelEmulator
{
public:
    explicit PanelEmulator(EmulatorConfig config);
    ~PanelEmulator();
    PanelEmulator(const PanelEmulator &) = delete;
    PanelEmulator &operator=(const PanelEmulator &) = delete;

    bool start(std::string *error = nullptr);
    void stop();
    std::string hostPath() const;
    const EmulatorConfig &config() const { return m_config; }

    PanelResults panelResults() const;
    BootResults bootResults() const;

private:
    void run();

    EmulatorConfig m_config;
    std::unique_ptr<PtyLine> m_line;
    mutable std::mutex m_lock;
    PanelResults m_panel;
    BootResults m_boot;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

} // namespace panelemu
