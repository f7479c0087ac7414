// The page editor's two hot paths: building and drawing a full page, and one step of dragging
// an element (pointer event, record update, repaint of the page).
#include "editing/placement.h"
#include "editor/editorsession.h"
#include "editor/pagecanvas.h"
#include "editor/structurep.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace brevix;

namespace {

const int kKinds[] = {1, 2, 3, 4, 5, 8, 9, 10, 11, 20, 25, 26, 27, 34};

// A page of 200 elements of every kind, spread over an 800 x 480 panel.
void fillPage(Project &project)
{
    project.resetToNew();
    project.settings().WordA[0] = 8;
    for (int slot = 0; slot < 200; ++slot) {
        const int kind = kKinds[slot % std::size(kKinds)];
        writePlacementDefaults(project, 1, slot, kind, 6 + (slot * 37) % 600,
                               6 + (slot * 23) % 360);
        project.record(1).Width[slot] = std::min<std::uint16_t>(project.record(1).Width[slot], 120);
        project.record(1).Height[slot] =
            std::min<std::uint16_t>(project.record(1).Height[slot], 80);
    }
}

void paintOnce(StructureP &editor, QImage &target)
{
    QPainter painter(&target);
    editor.paintPage(painter, target.rect());
}

void BM_BuildAndDrawPageOf200(benchmark::State &state)
{
    QTemporaryDir dir;
    EditorSession session{WorkFolder(dir.path())};
    fillPage(session.project);
    session.project.currentPage = 1;
    QImage target(820, 500, QImage::Format_RGB32);
    for (auto _ : state) {
        StructureP editor(session, 1);
        paintOnce(editor, target);
        benchmark::DoNotOptimize(target.constBits());
    }
    state.SetItemsProcessed(state.iterations() * 200);
    state.SetLabel("items = elements built and drawn");
}
BENCHMARK(BM_BuildAndDrawPageOf200)->Unit(benchmark::kMillisecond);

void BM_DragStepAcrossPage(benchmark::State &state)
{
    QTemporaryDir dir;
    EditorSession session{WorkFolder(dir.path())};
    fillPage(session.project);
    session.project.currentPage = 1;
    StructureP editor(session, 1);
    PageCanvas *canvas = editor.canvas();
    editor.selectSlot(0);
    const QPoint start(session.project.record(1).Left[0] + 2, session.project.record(1).Top[0] + 2);
    QImage target(820, 500, QImage::Format_RGB32);
    auto send = [canvas](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(at), canvas->mapToGlobal(QPointF(at)), Qt::LeftButton,
                          buttons, Qt::NoModifier);
        QApplication::sendEvent(canvas, &event);
    };
    send(QEvent::MouseButtonPress, start, Qt::LeftButton);
    int step = 0;
    for (auto _ : state) {
        // Back and forth across the page, one pixel column per step.
        const int x = 10 + (step++ % 1560);
        const QPoint at(x < 780 ? x : 1570 - x, 200);
        send(QEvent::MouseMove, at, Qt::LeftButton);
        paintOnce(editor, target);
        benchmark::DoNotOptimize(target.constBits());
    }
    send(QEvent::MouseButtonRelease, start, Qt::NoButton);
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("items = move steps (event + full repaint)");
}
BENCHMARK(BM_DragStepAcrossPage)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installPanelFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
