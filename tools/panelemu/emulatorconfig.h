#pragma once

#include "ptyline.h"

#include <cstdint>
#include <string>
#include <vector>

namespace panelemu {

enum class Mode { Panel, BootLoader };

// Faults the panel can be told to show.
enum class Fault {
    None,
    Silent,           // answers nothing at all
    NeverAcknowledge, // takes blocks but never reports register 3900 = 0
    DropFrames,       // ignores every dropEvery-th write message
    BadCrc,           // register read answers carry a wrong CRC
    Noise,            // stray bytes on the idle line between frames
    RefuseSync,       // finds the probe, then ignores the synchronise message
    DeadAfterSync,    // takes the synchronise message, then ignores everything
};

bool faultFromName(const std::string &name, Fault *fault);
const char *faultName(Fault fault);

struct EmulatorConfig
{
    Mode mode = Mode::Panel;
    // The panel's own setting, at which it answers the probe (the boot loader: 115200 8E1).
    LineFormat own{57600, 8, 'E', 1};
    // Matching probes to let pass before answering (a pty cannot show data bits or parity, so
    // this is how a test makes the host walk on to a later row with the same speed).
    int skipMatchingProbes = 0;
    // Delay of the probe answer after the probe has fully arrived; with answerProbeOnce the
    // panel answers the first matching probe only.
    int probeAnswerDelayMs = 0;
    bool answerProbeOnce = false;
    // Time bytes as the real line would (character time of the current format).
    bool pace = false;
    Fault fault = Fault::None;
    int dropEvery = 3;
    int noiseDelayMs = 20;
    std::uint8_t bootVersion = 0x22;
    std::uint16_t productId = 0x0430; // a 1 MB STM32F1
};

// A block-ready control message as the panel received it.
struct ControlRecord
{
    std::uint16_t block = 0;
    std::uint16_t endMark = 0;
    std::uint16_t percent = 0;
    std::uint32_t flashAddress = 0;
    std::uint16_t flashSize = 0;
    std::uint16_t stamp[4] = {}; // registers 3975..3978 at the time
};

struct PanelResults
{
    int probesSeen = 0;
    int probesAnswered = 0;
    std::vector<int> probeBauds; // host speed at each probe
    int synchronisations = 0;
    int writeFrames = 0;
    int droppedFrames = 0;
    int badFrames = 0;                  // CRC or shape wrong
    std::vector<std::uint8_t> image;    // KX blocks reassembled (whole 2048-byte blocks)
    std::vector<std::uint8_t> pictures; // serial flash from 0x200000
    std::vector<ControlRecord> controls;
};

struct BootResults
{
    int syncs = 0;
    std::vector<std::uint8_t> flash; // 1 MB from 0x08000000
    std::vector<int> erasedPages;
    int eraseChecksum = -1;
    bool globalErase = false;
    std::vector<std::uint32_t> writeAddresses;
    std::vector<int> writeSizes;
    int reads = 0;
    int nacks = 0;
};

} // namespace panelemu
