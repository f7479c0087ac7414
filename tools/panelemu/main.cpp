// panelemu: a panel on a pseudo-terminal for trying the download and the firmware upgrade
// without hardware. Prints the port to open, runs until interrupted, then stores what it got.
#include "panelemulator.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

std::sig_atomic_t volatile g_stop = 0;

void onSignal(int)
{
    g_stop = 1;
}

int usage()
{
    std::fprintf(stderr,
                 "usage: panelemu [--boot] [--baud N] [--format 8E1] [--pace] [--fault NAME]\n"
                 "                [--drop-every N] [--skip-probes N] [--probe-delay MS]\n"
                 "                [--link PATH] [--out DIR]\n"
                 "faults: none silent no-ack drop bad-crc noise refuse-sync dead-after-sync\n");
    return 64;
}

bool parseFormat(const std::string &text, panelemu::LineFormat *format)
{
    if (text.size() != 3 || text[0] < '5' || text[0] > '8' || !std::strchr("NOE", text[1]) ||
        (text[2] != '1' && text[2] != '2'))
        return false;
    format->dataBits = text[0] - '0';
    format->parity = text[1];
    format->stopBits = text[2] - '0';
    return true;
}

void save(const std::string &path, const std::vector<std::uint8_t> &bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

} // namespace

int main(int argc, char **argv)
{
    panelemu::EmulatorConfig config;
    std::string link;
    std::string outDir;
    bool baudGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&]() -> const char * { return i + 1 < argc ? argv[++i] : nullptr; };
        if (arg == "--boot") {
            config.mode = panelemu::Mode::BootLoader;
        } else if (arg == "--pace") {
            config.pace = true;
        } else if (arg == "--baud") {
            const char *v = value();
            if (!v)
                return usage();
            config.own.baud = std::atoi(v);
            baudGiven = true;
        } else if (arg == "--format") {
            const char *v = value();
            if (!v || !parseFormat(v, &config.own))
                return usage();
        } else if (arg == "--fault") {
            const char *v = value();
            if (!v || !panelemu::faultFromName(v, &config.fault))
                return usage();
        } else if (arg == "--drop-every") {
            const char *v = value();
            if (!v || std::atoi(v) < 1)
                return usage();
            config.dropEvery = std::atoi(v);
        } else if (arg == "--skip-probes") {
            const char *v = value();
            if (!v)
                return usage();
            config.skipMatchingProbes = std::atoi(v);
        } else if (arg == "--probe-delay") {
            const char *v = value();
            if (!v)
                return usage();
            config.probeAnswerDelayMs = std::atoi(v);
        } else if (arg == "--link") {
            const char *v = value();
            if (!v)
                return usage();
            link = v;
        } else if (arg == "--out") {
            const char *v = value();
            if (!v)
                return usage();
            outDir = v;
        } else {
            return usage();
        }
    }
    if (config.mode == panelemu::Mode::BootLoader && !baudGiven)
        config.own = {115200, 8, 'E', 1};

    panelemu::PanelEmulator emulator(config);
    std::string error;
    if (!emulator.start(&error)) {
        std::fprintf(stderr, "panelemu: %s\n", error.c_str());
        return 2;
    }
    if (!link.empty()) {
        ::unlink(link.c_str());
        if (::symlink(emulator.hostPath().c_str(), link.c_str()) != 0)
            std::fprintf(stderr, "panelemu: cannot link %s\n", link.c_str());
    }
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::printf("%s\n", emulator.hostPath().c_str());
    std::fflush(stdout);
    while (!g_stop)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    emulator.stop();
    if (!link.empty())
        ::unlink(link.c_str());

    if (config.mode == panelemu::Mode::Panel) {
        const auto results = emulator.panelResults();
        std::fprintf(stderr, "probes %d answered %d, blocks %zu, write frames %d, bad %d\n",
                     results.probesSeen, results.probesAnswered, results.controls.size(),
                     results.writeFrames, results.badFrames);
        if (!outDir.empty()) {
            save(outDir + "/KX.bin", results.image);
            if (!results.pictures.empty())
                save(outDir + "/SPI.bin", results.pictures);
        }
    } else {
        const auto results = emulator.bootResults();
        std::size_t end = 0;
        for (std::size_t i = 0; i < results.writeAddresses.size(); ++i)
            end = std::max<std::size_t>(end, results.writeAddresses[i] - 0x08000000 +
                                                 static_cast<std::size_t>(results.writeSizes[i]));
        std::fprintf(stderr, "syncs %d, writes %zu, erase checksum %d\n", results.syncs,
                     results.writeAddresses.size(), results.eraseChecksum);
        if (!outDir.empty())
            save(outDir + "/flash.bin",
                 std::vector<std::uint8_t>(results.flash.begin(),
                                           results.flash.begin() + static_cast<long>(end)));
    }
    return 0;
}
