#include "panelside.h"

#include <algorithm>
#include <thread>

namespace panelemu {

std::uint16_t modbusCrc(const std::uint8_t *bytes, std::size_t length)
{
    // Table-free on purpose: the panel's own CRC, written apart from the editor's.
    std::uint16_t crc = 0xFFFF;
    while (length--) {
        crc ^= *bytes++;
        for (int i = 0; i < 8; ++i)
            crc = (crc >> 1) ^ ((crc & 1) ? 0xA001 : 0);
    }
    return crc;
}

namespace {

constexpr std::uint8_t kSignature[6] = {0x79, 0x16, 0x55, 0x7A, 0x0E, 0x7E};
constexpr int kUnit = 255;

void pushCrc(std::vector<std::uint8_t> &frame, bool spoil)
{
    std::uint16_t crc = modbusCrc(frame.data(), frame.size());
    if (spoil)
        crc ^= 0x5A5A;
    frame.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    frame.push_back(static_cast<std::uint8_t>(crc >> 8));
}

} // namespace

PanelSide::PanelSide(const EmulatorConfig &config, PtyLine &line, Wire &wire, PanelResults &results,
                     std::mutex &resultsLock)
    : m_config(config), m_line(line), m_wire(wire), m_results(results), m_lock(resultsLock)
{
}

const LineFormat &PanelSide::format() const
{
    return m_downloadMode ? m_transfer : m_config.own;
}

void PanelSide::reply(std::vector<std::uint8_t> bytes)
{
    m_wire.send(bytes, format());
    if (m_config.fault == Fault::Noise)
        m_noiseDue = Clock::now() + std::chrono::milliseconds(m_config.noiseDelayMs);
}

void PanelSide::idle()
{
    m_noiseDue.reset();
    if (!m_in.empty())
        return; // a frame is coming in: noise only ever falls between frames
    std::vector<std::uint8_t> noise(3);
    for (auto &b : noise) {
        m_noiseState = m_noiseState * 1103515245u + 12345u;
        b = static_cast<std::uint8_t>(m_noiseState >> 16);
    }
    m_wire.send(noise, format());
}

void PanelSide::feed(const std::uint8_t *bytes, std::size_t count)
{
    const Clock::time_point complete = m_wire.arrived(count, format());
    m_in.insert(m_in.end(), bytes, bytes + count);
    m_noiseDue.reset();
    m_wire.waitUntil(complete);
    while (takeFrame()) {
    }
}

bool PanelSide::takeFrame()
{
    if (m_in.empty())
        return false;
    if (m_in.front() == 0x3F) {
        while (!m_in.empty() && m_in.front() == 0x3F) {
            m_in.pop_front();
            if (++m_questionRun == 15) {
                m_questionRun = 0;
                onProbe();
            }
        }
        return true;
    }
    m_questionRun = 0;
    if (m_in.front() != kUnit) {
        m_in.pop_front();
        return true;
    }
    if (m_in.size() < 2)
        return false;
    const std::uint8_t function = m_in[1];
    std::size_t length = 0;
    if (function == 0x10) {
        if (m_in.size() < 7)
            return false;
        length = 9 + m_in[6];
    } else if (function == 0x03) {
        length = 8;
    } else {
        m_in.pop_front();
        return true;
    }
    if (m_in.size() < length)
        return false;
    std::vector<std::uint8_t> frame(m_in.begin(), m_in.begin() + static_cast<long>(length));
    const std::uint16_t crc = modbusCrc(frame.data(), length - 2);
    if (frame[length - 2] != (crc & 0xFF) || frame[length - 1] != (crc >> 8)) {
        // A broken frame: drop its first byte and look for the next start.
        m_in.pop_front();
        std::lock_guard guard(m_lock);
        ++m_results.badFrames;
        return true;
    }
    m_in.erase(m_in.begin(), m_in.begin() + static_cast<long>(length));
    const int first = frame[2] << 8 | frame[3];
    const int quantity = frame[4] << 8 | frame[5];
    if (m_config.fault == Fault::Silent)
        return true;
    if (function == 0x10) {
        if (quantity * 2 != frame[6] || first + quantity > static_cast<int>(m_regs.size())) {
            std::lock_guard guard(m_lock);
            ++m_results.badFrames;
            return true;
        }
        onWrite(first, quantity, frame.data(), length);
    } else if (first + quantity <= static_cast<int>(m_regs.size()) && quantity > 0 &&
               quantity < 126) {
        onRead(first, quantity);
    }
    return true;
}

void PanelSide::onProbe()
{
    const int hostBaud = m_line.hostSettings().baud;
    bool answer = false;
    {
        std::lock_guard guard(m_lock);
        ++m_results.probesSeen;
        m_results.probeBauds.push_back(hostBaud);
        if (m_config.fault != Fault::Silent && m_line.hostMatches(m_config.own)) {
            ++m_matchingProbes;
            const bool onlyOnce = m_config.answerProbeOnce && m_results.probesAnswered > 0;
            answer = m_matchingProbes > m_config.skipMatchingProbes && !onlyOnce;
            if (answer)
                ++m_results.probesAnswered;
        }
    }
    if (!answer)
        return;
    if (m_config.probeAnswerDelayMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(m_config.probeAnswerDelayMs));
    m_downloadMode = false;
    reply(std::vector<std::uint8_t>(kSignature, kSignature + 6));
    // The panel leaves its run mode and waits for the download at the transfer setting.
    m_downloadMode = true;
}

void PanelSide::onWrite(int first, int count, const std::uint8_t *frame, std::size_t)
{
    const bool isSync = first == 3900 && count >= 3 && (frame[11] << 8 | frame[12]) == 0xE916;
    {
        std::lock_guard guard(m_lock);
        ++m_results.writeFrames;
        if (m_config.fault == Fault::DropFrames &&
            m_results.writeFrames % m_config.dropEvery == 0) {
            ++m_results.droppedFrames;
            return;
        }
    }
    if ((m_config.fault == Fault::RefuseSync && isSync) ||
        (m_config.fault == Fault::DeadAfterSync && m_synced))
        return;
    for (int i = 0; i < count; ++i)
        m_regs[first + i] = static_cast<std::uint16_t>(frame[7 + 2 * i] << 8 | frame[8 + 2 * i]);
    std::vector<std::uint8_t> echo(frame, frame + 6);
    pushCrc(echo, m_config.fault == Fault::BadCrc);
    reply(echo);
    if (first != 3900 || count < 10)
        return;
    if (m_regs[3902] == 0xE916) {
        m_synced = true;
        std::lock_guard guard(m_lock);
        ++m_results.synchronisations;
        m_results.image.clear();
    } else if (m_regs[3902] == 0xAAAA && m_regs[3900] == 0x5555 && m_regs[3901] == 0x8765) {
        takeBlock();
    }
}

void PanelSide::takeBlock()
{
    ControlRecord record;
    record.block = m_regs[3903];
    record.endMark = m_regs[3905];
    record.percent = m_regs[3909];
    record.flashAddress = m_regs[3906] | static_cast<std::uint32_t>(m_regs[3907]) << 16;
    record.flashSize = m_regs[3908];
    for (int i = 0; i < 4; ++i)
        record.stamp[i] = m_regs[3975 + i];
    std::vector<std::uint8_t> data(2048);
    for (int k = 0; k < 1024; ++k) {
        data[2 * k] = static_cast<std::uint8_t>(m_regs[3910 + k] & 0xFF);
        data[2 * k + 1] = static_cast<std::uint8_t>(m_regs[3910 + k] >> 8);
    }
    std::lock_guard guard(m_lock);
    m_results.controls.push_back(record);
    if (record.block == 0x6228) {
        const std::uint32_t base = 0x200000;
        if (record.flashAddress >= base && record.flashSize <= 2048) {
            const std::size_t at = record.flashAddress - base;
            if (m_results.pictures.size() < at + record.flashSize)
                m_results.pictures.resize(at + record.flashSize, 0xFF);
            std::copy_n(data.begin(), record.flashSize,
                        m_results.pictures.begin() + static_cast<long>(at));
        }
    } else if (record.block >= 51) {
        const std::size_t at = static_cast<std::size_t>(record.block - 51) * 2048;
        if (m_results.image.size() < at + 2048)
            m_results.image.resize(at + 2048, 0);
        std::copy(data.begin(), data.end(), m_results.image.begin() + static_cast<long>(at));
    }
    if (m_config.fault != Fault::NeverAcknowledge)
        m_regs[3900] = 0; // taken
}

void PanelSide::onRead(int first, int count)
{
    std::vector<std::uint8_t> answer{static_cast<std::uint8_t>(kUnit), 0x03,
                                     static_cast<std::uint8_t>(2 * count)};
    for (int i = 0; i < count; ++i) {
        answer.push_back(static_cast<std::uint8_t>(m_regs[first + i] >> 8));
        answer.push_back(static_cast<std::uint8_t>(m_regs[first + i] & 0xFF));
    }
    pushCrc(answer, m_config.fault == Fault::BadCrc);
    reply(answer);
}

} // namespace panelemu
