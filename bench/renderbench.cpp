// Drawing a full page of 200 elements as the page editor does when it opens a page, reported as
// time per element; and each kind alone, to see which look costs most.
#include "render/pagerenderer.h"
#include "samplepage.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

using namespace brevix;

namespace {

constexpr int kKinds[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 20, 21, 22, 25, 26, 27, 34};
constexpr int kElements = 200;

Project &sharedProject()
{
    static Project *project = [] {
        auto *p = new Project;
        p->resetToNew();
        return p;
    }();
    return *project;
}

// 200 elements of every kind in turn, spread over an 800 x 480 page.
void buildFullPage(Project &project)
{
    project.ClearPageStructure(1);
    project.createPage(1, "Bench");
    PageRecord &page = project.record(1);
    page.PageStrings[CustomSizeMark].setBytes("Y");
    page.PageStrings[CustomWidthText].setBytes("800");
    page.PageStrings[CustomHeightText].setBytes("480");
    for (int slot = 0; slot < kElements; ++slot) {
        const int kind = kKinds[slot % std::size(kKinds)];
        const int left = 5 + (slot % 10) * 78, top = 5 + (slot / 10) * 23;
        const int height = kind == 4 ? 60 : 22;
        testing::placeElement(project, 1, slot, kind, left, top, 76, height);
    }
}

void BM_BuildAndDrawPage(benchmark::State &state)
{
    Project &project = sharedProject();
    RenderOptions options;
    options.fontOptimisation = state.range(0) != 0;
    for (auto _ : state) {
        buildFullPage(project);
        QImage page = renderPage(project, 1, options);
        benchmark::DoNotOptimize(page.constBits());
    }
    state.SetItemsProcessed(state.iterations() * kElements);
    state.counters["us_per_element"] = benchmark::Counter(
        double(state.iterations() * kElements),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
    state.SetLabel(options.fontOptimisation ? "texts kept as drawn" : "texts thinned");
}
BENCHMARK(BM_BuildAndDrawPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_DrawOneElement(benchmark::State &state)
{
    Project &project = sharedProject();
    project.ClearPageStructure(1);
    project.createPage(1, "Bench");
    const int kind = int(state.range(0));
    testing::placeElement(project, 1, 0, kind, 10, 10, 76, kind == 4 ? 60 : 22);
    for (auto _ : state) {
        QImage element = renderElement(project, 1, 0, RenderOptions{});
        benchmark::DoNotOptimize(element.constBits());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DrawOneElement)
    ->DenseRange(1, 11)
    ->Arg(20)
    ->Arg(25)
    ->Arg(26)
    ->Arg(27)
    ->Arg(34)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    installPanelFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
