// The page refresh walk of the simulator over a page of 200 elements, every one of which changes
// on every tick (the worst case), and over the same page with nothing changing. Reports the CPU
// time of one 100 ms tick as a share of one core.
#include "simulator/pageruntime.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <ctime>

using namespace brevix::sim;

namespace {

double processSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// 120 registers, 40 bar graphs, 25 dynamic texts and 15 lamps on a 480 × 320 page.
DecodedPage busyPage()
{
    DecodedPage page;
    page.BackColorText = QByteArray::number(0xF8FCF8);
    SlotTables &t = page.tables;
    auto place = [&t](int s, int kind, int index) {
        t.Kind[s] = static_cast<std::uint8_t>(kind);
        t.Left[s] = static_cast<std::uint16_t>((index % 8) * 60);
        t.Top[s] = static_cast<std::uint16_t>((index / 8) * 13 % 300);
        t.Width[s] = 56;
        t.Height[s] = 20;
        t.BackColor[s] = 0xFFFFFF;
        t.ForeColor[s] = 0x000000;
        t.WordA[s] = static_cast<std::uint16_t>(100 + s);
    };
    int s = 0;
    for (; s < 120; ++s) {
        place(s, 2, s);
        t.WordB[s] = 0x0501;
        t.WordC[s] = 0x2010;
    }
    for (; s < 160; ++s) {
        place(s, 5, s);
        t.LongA[s] = 64;
        t.WordC[s] = 2 << 8;
    }
    for (; s < 175; ++s) {
        place(s, 3, s);
        t.ByteA[s] = 0x00;
        t.ByteE[s] = 1;
    }
    for (int d = 0; d < 25; ++d) {
        const int slot = 175 + d;
        place(slot, 7, s + d);
        t.ByteA[slot] = 4;
        for (int state = 1; state <= 4; ++state)
            page.ListStrings[listEntryIndex(slot, state, false)] =
                "State " + QByteArray::number(state);
    }
    return page;
}

// Registers, lamps (bit 0) and dynamic texts (value modulo 4) change by one step; bars move by
// 7 pixels of their 56.
void changeEverything(RegisterMemory &memory, int tick)
{
    for (int address = 100; address < 100 + 201; ++address) {
        const bool bar = address >= 100 + 120 && address < 100 + 160;
        memory.setWord(
            0, address,
            static_cast<std::uint16_t>(bar ? (tick * 8 + address) % 64 : tick + address));
    }
}

void BM_RefreshWalkAllChanging(benchmark::State &state)
{
    RegisterMemory memory;
    PageRuntime runtime(busyPage(), memory, 0);
    int tick = 0;
    const double start = processSeconds();
    for (auto _ : state) {
        changeEverything(memory, ++tick);
        benchmark::DoNotOptimize(runtime.refresh());
    }
    const double perTick = (processSeconds() - start) / double(state.iterations());
    state.counters["cpu_ms_per_tick"] = perTick * 1e3;
    state.counters["core_share_percent_at_100ms"] = perTick / 0.1 * 100.0;
}
BENCHMARK(BM_RefreshWalkAllChanging)->Unit(benchmark::kMillisecond);

void BM_RefreshWalkUnchanged(benchmark::State &state)
{
    RegisterMemory memory;
    PageRuntime runtime(busyPage(), memory, 0);
    changeEverything(memory, 1);
    runtime.refresh();
    const double start = processSeconds();
    for (auto _ : state)
        benchmark::DoNotOptimize(runtime.refresh());
    const double perTick = (processSeconds() - start) / double(state.iterations());
    state.counters["cpu_us_per_tick"] = perTick * 1e6;
    state.counters["core_share_percent_at_100ms"] = perTick / 0.1 * 100.0;
}
BENCHMARK(BM_RefreshWalkUnchanged)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
