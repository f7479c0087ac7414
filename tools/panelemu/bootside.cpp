#include "bootside.h"

namespace panelemu {

namespace {

constexpr std::uint8_t kCommands[] = {0x00, 0x01, 0x02, 0x11, 0x21, 0x31,
                                      0x43, 0x63, 0x73, 0x82, 0x92};

} // namespace

BootSide::BootSide(const EmulatorConfig &config, Wire &wire, BootResults &results, std::mutex &lock)
    : m_config(config), m_wire(wire), m_results(results), m_lock(lock), m_format(config.own)
{
    std::lock_guard guard(m_lock);
    // What an earlier firmware left: anything but erased, so a missing erase shows.
    m_results.flash.assign(kFlashSize, 0x5A);
}

void BootSide::send(std::vector<std::uint8_t> bytes)
{
    m_wire.send(bytes, m_format);
}

void BootSide::nack()
{
    {
        std::lock_guard guard(m_lock);
        ++m_results.nacks;
    }
    send({0x1F});
    m_step = Step::Command;
}

void BootSide::feed(const std::uint8_t *bytes, std::size_t count)
{
    m_wire.waitUntil(m_wire.arrived(count, m_format));
    m_in.insert(m_in.end(), bytes, bytes + count);
    while (step()) {
    }
}

bool BootSide::takeAddress(std::uint32_t *address)
{
    std::uint32_t value = 0;
    std::uint8_t sum = 0;
    for (int i = 0; i < 4; ++i) {
        value = value << 8 | m_in[i];
        sum ^= m_in[i];
    }
    const bool ok = sum == m_in[4];
    m_in.erase(m_in.begin(), m_in.begin() + 5);
    *address = value;
    return ok;
}

std::uint8_t BootSide::memoryAt(std::uint32_t address) const
{
    if (address >= kFlashBase && address < kFlashBase + kFlashSize)
        return m_results.flash[address - kFlashBase];
    // The device information block: flash size in KB at 0x1FFFF7E0, then the unique ID.
    if (address >= 0x1FFFF7E0 && address < 0x1FFFF7F8) {
        const std::uint32_t at = address - 0x1FFFF7E0;
        if (at == 0)
            return static_cast<std::uint8_t>((kFlashSize / 1024) & 0xFF);
        if (at == 1)
            return static_cast<std::uint8_t>((kFlashSize / 1024) >> 8);
        return static_cast<std::uint8_t>(0x30 + at);
    }
    return 0xFF;
}

bool BootSide::step()
{
    switch (m_step) {
    case Step::Command: {
        if (m_in.empty())
            return false;
        if (m_in.front() == 0x7F) {
            m_in.pop_front();
            {
                std::lock_guard guard(m_lock);
                ++m_results.syncs;
            }
            ack();
            return true;
        }
        if (m_in.size() < 2)
            return false;
        const std::uint8_t command = m_in[0];
        const bool paired = (m_in[1] ^ command) == 0xFF;
        m_in.erase(m_in.begin(), m_in.begin() + 2);
        if (!paired) {
            nack();
            return true;
        }
        switch (command) {
        case 0x00: {
            std::vector<std::uint8_t> r{0x79, 11, m_config.bootVersion};
            r.insert(r.end(), std::begin(kCommands), std::end(kCommands));
            r.push_back(0x79);
            send(r);
            break;
        }
        case 0x01:
            send({0x79, m_config.bootVersion, 0x00, 0x00, 0x79});
            break;
        case 0x02:
            send({0x79, 1, static_cast<std::uint8_t>(m_config.productId >> 8),
                  static_cast<std::uint8_t>(m_config.productId & 0xFF), 0x79});
            break;
        case 0x11:
            ack();
            m_step = Step::ReadAddress;
            break;
        case 0x21:
            ack();
            m_step = Step::GoAddress;
            break;
        case 0x31:
            ack();
            m_step = Step::WriteAddress;
            break;
        case 0x43:
            ack();
            m_step = Step::Erase;
            break;
        case 0x63:
        case 0x73:
        case 0x82:
        case 0x92:
            send({0x79, 0x79});
            break;
        default:
            nack();
            break;
        }
        return true;
    }
    case Step::ReadAddress:
    case Step::GoAddress:
    case Step::WriteAddress: {
        if (m_in.size() < 5)
            return false;
        const Step was = m_step;
        if (!takeAddress(&m_address)) {
            nack();
            return true;
        }
        ack();
        m_step = was == Step::ReadAddress    ? Step::ReadCount
                 : was == Step::WriteAddress ? Step::WriteData
                                             : Step::Command;
        return true;
    }
    case Step::ReadCount: {
        if (m_in.size() < 2)
            return false;
        const std::uint8_t n = m_in[0];
        const bool paired = (m_in[1] ^ n) == 0xFF;
        m_in.erase(m_in.begin(), m_in.begin() + 2);
        if (!paired) {
            nack();
            return true;
        }
        std::vector<std::uint8_t> r{0x79};
        {
            std::lock_guard guard(m_lock);
            ++m_results.reads;
            for (int i = 0; i <= n; ++i)
                r.push_back(memoryAt(m_address + static_cast<std::uint32_t>(i)));
        }
        send(r);
        m_step = Step::Command;
        return true;
    }
    case Step::WriteData: {
        if (m_in.empty())
            return false;
        const std::size_t n = static_cast<std::size_t>(m_in[0]) + 1;
        if (m_in.size() < n + 2)
            return false;
        std::uint8_t sum = 0;
        for (std::size_t i = 0; i < n + 1; ++i)
            sum ^= m_in[i];
        const bool ok = sum == m_in[n + 1] && m_address >= kFlashBase &&
                        m_address + n <= kFlashBase + kFlashSize;
        if (ok) {
            std::lock_guard guard(m_lock);
            // Flash programming only clears bits: unerased cells show up as wrong data.
            for (std::size_t i = 0; i < n; ++i)
                m_results.flash[m_address - kFlashBase + i] &= m_in[1 + i];
            m_results.writeAddresses.push_back(m_address);
            m_results.writeSizes.push_back(static_cast<int>(n));
        }
        m_in.erase(m_in.begin(), m_in.begin() + static_cast<long>(n + 2));
        if (ok)
            ack();
        else
            nack();
        m_step = Step::Command;
        return true;
    }
    case Step::Erase: {
        if (m_in.empty())
            return false;
        if (m_in[0] == 0xFF) {
            if (m_in.size() < 2)
                return false;
            const bool ok = m_in[1] == 0x00;
            m_in.erase(m_in.begin(), m_in.begin() + 2);
            if (!ok) {
                nack();
                return true;
            }
            {
                std::lock_guard guard(m_lock);
                std::fill(m_results.flash.begin(), m_results.flash.end(), 0xFF);
                m_results.globalErase = true;
            }
            m_step = Step::Command;
            ack();
            return true;
        }
        const std::size_t pages = static_cast<std::size_t>(m_in[0]) + 1;
        if (m_in.size() < pages + 2)
            return false;
        std::uint8_t sum = 0;
        for (std::size_t i = 0; i < pages + 1; ++i)
            sum ^= m_in[i];
        const bool ok = sum == m_in[pages + 1];
        if (ok) {
            std::lock_guard guard(m_lock);
            m_results.eraseChecksum = m_in[pages + 1];
            for (std::size_t i = 0; i < pages; ++i) {
                const int page = m_in[1 + i];
                m_results.erasedPages.push_back(page);
                const std::size_t at = static_cast<std::size_t>(page) * kPageSize;
                std::fill_n(m_results.flash.begin() + static_cast<long>(at), kPageSize, 0xFF);
            }
        }
        m_in.erase(m_in.begin(), m_in.begin() + static_cast<long>(pages + 2));
        if (ok)
            ack();
        else
            nack();
        m_step = Step::Command;
        return true;
    }
    }
    return false;
}

} // namespace panelemu
