// The editor through its widgets: start-up to a shown main window, a mouse move over a
// 30,000-rail board (hit test, refresh, preview or hover, repaint) and a click that
// commits a piece, until the board is repainted; a flexible rail's handle dragged.
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QTest>

#include <benchmark/benchmark.h>

#include "../ResidentMemory.h"
#include "core/app/settings/ApplicationRecords.h"
#include "core/app/settings/SettingsStore.h"
#include "core/app/startup/StartUp.h"
#include "core/commands/edit/PerformUndo.h"
#include "core/commands/placement/Detection.h"
#include "core/commands/placement/Placement.h"
#include "gui/app/frmMain.h"
#include "gui/editor/MainPicture.h"
#include "gui/output/PlanPreview.h"
#include "gui/output/frmPreview.h"

using namespace ferrovane;

namespace {

const std::string Catalogue = std::string(FERROVANE_CATALOGUE_DIR) + "/n-33mm.rtr";

struct Editor {
    app::MemorySettingsStore user, records;
    std::unique_ptr<gui::frmMain> window;

    explicit Editor(int zoomItem) {
        user.Set(app::RootSection, "RTypeFileName", Catalogue);
        user.Set(app::StartupSection, "ZoomPosition", std::to_string(zoomItem));
        records.Set(app::OptionsSection, app::CurrentVersionKey, app::CurrentVersionText());
        window =
            std::make_unique<gui::frmMain>(QCoreApplication::applicationDirPath(), user, records);
        window->resize(1280, 900);
        app::RunStartUp(window->Ws(), window->Context());
        if (!QTest::qWaitForWindowExposed(window.get())) std::abort();
    }

    // Rows of joined straights: rows x perRow rails, 50 units apart.
    void Lay(int rows, int perRow) {
        app::Workspace& ws = window->Ws();
        ws.Layout.LayoutWidth = 30000;
        ws.Layout.LayoutHeight = rows * 50 + 200;
        ws.Editor.PlaceKind = model::PieceKind::Straight;
        ws.Editor.SelStraight = 0;
        render::RedrawTarget* redraw = ws.Redraw;
        ws.Redraw = &render::NullRedrawTarget(); // draw once at the end
        for (int row = 0; row < rows; ++row) {
            ws.Editor.MouseX = 100;
            ws.Editor.MouseY = 100 + row * 50.0f;
            float angle = 270; // the rail runs to the right of its end 0
            geometry::PlaceRail(ws, angle, 0, geometry::PlaceCommit, false);
            for (int i = 1; i < perRow; ++i) {
                const model::Rail& last = ws.Layout.Rails[ws.Layout.RailCount];
                geometry::SnapToEnd(ws, ws.Layout.RailCount, 1);
                float a = ws.Editor.SnapAngle;
                ws.Editor.MouseX = last.X1;
                ws.Editor.MouseY = last.Y1;
                geometry::PlaceRail(ws, a, 0, geometry::PlaceCommit, true);
            }
        }
        ws.Undo.Clear();
        ws.Redraw = redraw;
        ws.Redraw->ReDrawBackScreen();
    }

    QPoint PixelOf(float x, float y) {
        const auto& view = window->Ws().View;
        return QPoint(static_cast<int>((x - view.Screen.Left) / view.UnitsPerPixel()),
                      static_cast<int>((y - view.Screen.Top) / view.UnitsPerPixel()));
    }

    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button) {
        gui::MainPicture* picture = window->Picture();
        const QPointF local(at);
        const QPointF global(picture->mapToGlobal(at));
        QMouseEvent event(type, local, global, type == QEvent::MouseMove ? Qt::NoButton : button,
                          type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(picture, &event);
        picture->repaint();
    }
};

Editor& Big() {
    // 25 %. Never destroyed: its window must not outlive the application, which main
    // owns and which is gone before static objects are destroyed.
    static Editor& editor = *new Editor(3);
    static bool laid = false;
    if (!laid) {
        editor.Lay(300, 100);
        laid = true;
    }
    return editor;
}

void BM_StartToShownMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        Editor editor(1);
        benchmark::DoNotOptimize(editor.window.get());
    }
}
BENCHMARK(BM_StartToShownMainWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_MouseMoveOverBoard(benchmark::State& state) {
    Editor& e = Big();
    app::Workspace& ws = e.window->Ws();
    const model::Rail& rail = ws.Layout.Rails[ws.Layout.RailCount / 2];
    const model::Rail& rowEnd = ws.Layout.Rails[100];               // its end 1 is free
    const QPoint points[] = {e.PixelOf(rail.MidX, rail.MidY),       // hover a rail
                             e.PixelOf(rowEnd.X1, rowEnd.Y1),       // preview at a free end
                             e.PixelOf(rail.MidX, rail.MidY + 25)}; // empty board
    std::size_t i = 0;
    for (auto _ : state) {
        e.Send(QEvent::MouseMove, points[i++ % 3], Qt::NoButton);
    }
    state.counters["rails"] = ws.Layout.RailCount;
}
BENCHMARK(BM_MouseMoveOverBoard)->Unit(benchmark::kMillisecond);

void BM_ClickCommitsAPiece(benchmark::State& state) {
    Editor& e = Big();
    app::Workspace& ws = e.window->Ws();
    const model::Rail& rowEnd = ws.Layout.Rails[100];
    const QPoint end = e.PixelOf(rowEnd.X1, rowEnd.Y1);
    for (auto _ : state) {
        state.PauseTiming();
        e.Send(QEvent::MouseMove, end, Qt::NoButton);
        const int before = ws.Layout.RailCount;
        state.ResumeTiming();
        e.Send(QEvent::MouseButtonPress, end, Qt::LeftButton);
        state.PauseTiming();
        if (ws.Layout.RailCount != before + 1) state.SkipWithError("nothing was placed");
        e.Send(QEvent::MouseButtonRelease, end, Qt::LeftButton);
        editor::UndoCommand(ws);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ClickCommitsAPiece)->Unit(benchmark::kMillisecond)->Iterations(30);

void BM_FlexHandleDrag(benchmark::State& state) {
    Editor& e = Big();
    app::Workspace& ws = e.window->Ws();
    e.window->OpenToolWindow(editor::ToolCommand::FlexibleRail);
    const model::Rail& first = ws.Layout.Rails[100]; // end 1 of rows 1 and 2 are free
    const model::Rail& second = ws.Layout.Rails[200];
    for (const model::Rail* r : {&first, &second}) {
        const QPoint end = e.PixelOf(r->X1, r->Y1);
        e.Send(QEvent::MouseMove, end, Qt::NoButton);
        e.Send(QEvent::MouseButtonPress, end, Qt::LeftButton);
        e.Send(QEvent::MouseButtonRelease, end, Qt::LeftButton);
    }
    if (ws.Editor.AStatus != model::EditorMode::FlexShaping) state.SkipWithError("not shaping");
    const auto& def = ws.Editor.FlexDef;
    const QPoint handle = e.PixelOf(def.Ctl1X, def.Ctl1Y);
    e.Send(QEvent::MouseMove, handle, Qt::NoButton);
    e.Send(QEvent::MouseButtonPress, handle, Qt::LeftButton);
    if (ws.Editor.AStatus != model::EditorMode::FlexDraggingStartHandle)
        state.SkipWithError("the handle was not grabbed");
    int step = 0;
    for (auto _ : state) {
        e.Send(QEvent::MouseMove, handle + QPoint(step % 40, step % 25), Qt::NoButton);
        ++step;
    }
    e.Send(QEvent::MouseButtonRelease, handle, Qt::LeftButton);
    if (auto* tool = e.window->OpenTool()) tool->close();
    state.counters["rails"] = ws.Layout.RailCount;
}
BENCHMARK(BM_FlexHandleDrag)->Unit(benchmark::kMillisecond);

// A zoom menu item chosen, until the visible board is drawn: 25 % and 100 % in turn.
void BM_ZoomMenuUntilDrawn(benchmark::State& state) {
    Editor& e = Big();
    int item = 0;
    for (auto _ : state) {
        e.window->mnuZoom_Click(item);
        if (!e.window->WaitForBoard()) state.SkipWithError("the board was not drawn");
        e.window->Picture()->repaint();
        item = item == 0 ? 3 : 0;
    }
    e.window->mnuZoom_Click(3);
    e.window->WaitForBoard();
    state.counters["RSS_MB"] = bench::ResidentMegabytes();
}
BENCHMARK(BM_ZoomMenuUntilDrawn)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

void BM_PrintPreviewOptionChange(benchmark::State& state) {
    Editor& e = Big();
    gui::PrintChoice choice;
    gui::frmPreview preview(e.window->Ws(), choice, e.window.get());
    preview.show();
    if (!QTest::qWaitForWindowExposed(&preview)) state.SkipWithError("no preview window");
    auto* colour = preview.findChild<QCheckBox*>(QStringLiteral("printColour"));
    for (auto _ : state) {
        colour->toggle(); // the rails are drawn again in the other colours
        preview.Preview()->repaint();
    }
    state.counters["sheets"] = preview.Plan().SheetCount();
}
BENCHMARK(BM_PrintPreviewOptionChange)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(ferrovane);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
