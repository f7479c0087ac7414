// Compile time of a maximal project: 240 pages of 200 mixed elements, pictures and a full macro.
// Such a project is far beyond the 150 KB limit, so the build counts what it cannot store; the
// figures are time per page and per KB of (counted) image.
#include "compiler/compilecheck.h"
#include "compiler/kxbuilder.h"
#include "macros/macroencoder.h"

#include <QBuffer>
#include <QImage>
#include <benchmark/benchmark.h>

using namespace brevix;

namespace {

SlotValues mixedElement(int slot)
{
    static const int kinds[] = {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 20, 25, 26, 27, 34};
    SlotValues v;
    v.Kind = std::uint8_t(slot >= 150 ? 7 : kinds[slot % 15]);
    v.Left = std::uint16_t(5 + (slot % 10) * 40);
    v.Top = std::uint16_t(5 + (slot / 10) * 14);
    v.Width = 38;
    v.Height = 12;
    v.WordA = std::uint16_t(slot);
    v.WordB = 0x0402;
    v.WordC = 0x0100;
    v.ByteA = v.Kind == 7 ? 4 : 0;
    v.TextA.setBytes("Sample text");
    v.TextB.setBytes("Sample");
    return v;
}

Project maximalProject()
{
    Project project;
    project.resetToNew();
    for (int page = 1; page <= kMaxPage; ++page) {
        project.createPage(page, "Page");
        for (int slot = 0; slot < kUsableSlots; ++slot)
            Project::writeSlot(project.record(page), slot, mixedElement(slot));
    }
    project.settings().WordA[102] = 80;
    return project;
}

BuildInputs maximalInputs()
{
    BuildInputs inputs;
    QImage image(120, 80, QImage::Format_RGB888);
    image.fill(qRgb(40, 160, 90));
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    for (int id : {1, 2, 3, 51, 52}) {
        PictureRow row;
        row.ID = id;
        row.Ext = QStringLiteral(".bmp");
        row.Pic = bmp;
        inputs.pictures.push_back(row);
    }
    MacroRows rows(80);
    for (MacroRow &row : rows) {
        row.Code = MacAdd;
        row.A1t = row.A2t = 1;
        row.A1v = row.A2v = 10;
        row.A3v = 1;
    }
    inputs.macro = ChangeMacCmd(rows);
    return inputs;
}

void BM_CompileMaximalProject(benchmark::State &state)
{
    const Project project = maximalProject();
    const BuildInputs inputs = maximalInputs();
    qsizetype size = 0;
    for (auto _ : state) {
        const BuildResult result = BuildDownloadImage(project, inputs, BuildOptions{true});
        size = result.imageSize;
        benchmark::DoNotOptimize(result.kx.data());
    }
    using C = benchmark::Counter;
    state.counters["s/page"] = C(kMaxPage, C::kIsIterationInvariantRate | C::kInvert);
    state.counters["s/KB"] = C(double(size) / 1024.0, C::kIsIterationInvariantRate | C::kInvert);
    state.counters["image_KB"] = double(size) / 1024.0;
}
BENCHMARK(BM_CompileMaximalProject)->Unit(benchmark::kMillisecond);

void BM_CheckMaximalProject(benchmark::State &state)
{
    Project project = maximalProject();
    DeviceLists lists;
    lists.link[0].words = {{"D", "8255", 8255, 0}, {"T", "255", 255, 0}};
    lists.link[0].bits = {{"M", "8255", 8255, 0}, {"X", "267", 267, 0}};
    lists.link[1] = lists.link[0];
    for (auto _ : state) {
        const CheckResult result = StartCheck(project, lists);
        benchmark::DoNotOptimize(result.rows.size());
    }
    using C = benchmark::Counter;
    state.counters["s/page"] = C(kMaxPage, C::kIsIterationInvariantRate | C::kInvert);
}
BENCHMARK(BM_CheckMaximalProject)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
