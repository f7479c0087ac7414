#pragma once

#include "emulatorconfig.h"
#include "wire.h"

#include <deque>
#include <mutex>

namespace panelemu {

// The STM32 system-memory boot loader's USART protocol: sync, Get, Get Version, Get ID, Read
// Memory, Go, Write Memory, Erase and the protection commands, over a 1 MB flash.
class BootSide
{
public:
    static constexpr std::uint32_t kFlashBase = 0x08000000;
    static constexpr std::size_t kFlashSize = 1024 * 1024;
    static constexpr std::size_t kPageSize = 2048;

    BootSide(const EmulatorConfig &config, Wire &wire, BootResults &results, std::mutex &lock);
    void feed(const std::uint8_t *bytes, std::size_t count);

private:
    enum class Step { Command, ReadAddress, ReadCount, GoAddress, WriteAddress, WriteData, Erase };

    bool step();
    void ack() { send({0x79}); }
    void nack();
    void send(std::vector<std::uint8_t> bytes);
    bool takeAddress(std::uint32_t *address);
    std::uint8_t memoryAt(std::uint32_t address) const;

    const EmulatorConfig &m_config;
    Wire &m_wire;
    BootResults &m_results;
    std::mutex &m_lock;
    std::deque<std::uint8_t> m_in;
    Step m_step = Step::Command;
    std::uint32_t m_address = 0;
    LineFormat m_format{115200, 8, 'E', 1};
};

} // namespace panelemu
