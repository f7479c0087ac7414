// Save and open of a full project (240 pages of 200 elements with varied texts), in MB/s of
// record image, beside plain zlib compress/uncompress of the same bytes at the same level.
#include "model/gzipfile.h"
#include "model/projectfile.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

using namespace brevix;

namespace {

Project &fullProject()
{
    static Project project = [] {
        Project p;
        p.resetToNew();
        for (int n = 1; n <= kMaxPage; ++n) {
            p.createPage(n, QByteArray("Page ") + QByteArray::number(n));
            PageRecord &r = p.record(n);
            for (int s = 0; s < 200; ++s) {
                r.Kind[s] = std::uint8_t(1 + (s % 11));
                r.TextA[s].setText(QStringLiteral("温度 %1 / Temp %2").arg(n * 7 + s).arg(s * 13));
                r.Left[s] = std::uint16_t(5 + (s * 17) % 300);
                r.Top[s] = std::uint16_t(5 + (s * 29) % 200);
                r.WordA[s] = std::uint16_t(n * 200 + s);
                r.BackColor[s] = s * 0x010203;
            }
        }
        return p;
    }();
    return project;
}

using Clock = std::chrono::steady_clock;

// Seconds for one run of f, the best of three (the floor the ratios are taken against).
template <typename F> double bestOfThree(F &&f)
{
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        const auto start = Clock::now();
        f();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

// Times the loop body itself so the ratio to plain zlib is reported beside the throughput.
template <typename F>
void runTimed(benchmark::State &state, double zlibSeconds, qint64 bytes, F &&body)
{
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        body();
        total += std::chrono::duration<double>(Clock::now() - start).count();
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["x_plain_zlib"] = total / double(state.iterations()) / zlibSeconds;
}

void BM_SaveProject(benchmark::State &state)
{
    QTemporaryDir dir;
    WorkFolder work(dir.filePath(QStringLiteral("work")));
    const QString path = dir.filePath(QStringLiteral("full.KX3"));
    Project &project = fullProject();
    const QByteArray image = recordImage(project);
    const double zlib = bestOfThree([&] { benchmark::DoNotOptimize(gzipDeflate(image, 6)); });
    runTimed(state, zlib, image.size(),
             [&] { benchmark::DoNotOptimize(saveProject(project, path, work).ok()); });
}

void BM_OpenProject(benchmark::State &state)
{
    QTemporaryDir dir;
    WorkFolder work(dir.filePath(QStringLiteral("work")));
    const QString path = dir.filePath(QStringLiteral("full.KX3"));
    Project &project = fullProject();
    saveProject(project, path, work);
    const QByteArray image = recordImage(project);
    const QByteArray packed = gzipDeflate(image, 6);
    QByteArray out;
    const double zlib =
        bestOfThree([&] { benchmark::DoNotOptimize(gzipInflate(packed, image.size(), out)); });
    Project loaded;
    runTimed(state, zlib, image.size(),
             [&] { benchmark::DoNotOptimize(openProject(loaded, path, work).ok()); });
}

// The floor: zlib alone on the same bytes at the same level, no files.
void BM_ZlibCompress(benchmark::State &state)
{
    const QByteArray image = recordImage(fullProject());
    for (auto _ : state)
        benchmark::DoNotOptimize(gzipDeflate(image, 6));
    state.SetBytesProcessed(state.iterations() * image.size());
}

void BM_ZlibUncompress(benchmark::State &state)
{
    const QByteArray image = recordImage(fullProject());
    const QByteArray packed = gzipDeflate(image, 6);
    QByteArray out;
    for (auto _ : state)
        benchmark::DoNotOptimize(gzipInflate(packed, image.size(), out));
    state.SetBytesProcessed(state.iterations() * image.size());
}

} // namespace

BENCHMARK(BM_SaveProject)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZlibCompress)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenProject)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZlibUncompress)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
