// The tiled board: what a zoom change, a scroll and smoothing cost until the visible
// 1920 x 1080 window is fully drawn, on 30,000 rails over a 12,000 x 12,000 board, and
// the memory the process holds at 100 %. Needs the Qt drawing surfaces.
#if __has_include(<QtGui/QImage>)

#include <QFile>
#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include "ResidentMemory.h"
#include "ScatteredLayout.h"
#include "core/commands/render/ScreenRenderer.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/render/BoardAreaDriver.h"
#include "core/values/platform/ConsoleUiHost.h"
#include "gui/render/BoardImageExport.h"
#include "gui/render/BoardTiles.h"
#include "gui/render/ImageSurface.h"

namespace {

using namespace ferrovane;

// Tiles arrive through the event loop, and text needs a font database.
void EnsureApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "ferrovane_bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

struct TiledScene {
    platform::ConsoleUiHost host{stderr};
    app::Workspace ws{host};
    gui::ImageSurface unusedBack;
    gui::ImageSurface main{1920, 1080};
    render::ScreenRenderer renderer{ws, unusedBack, main};
    gui::BoardTiles tiles{[this] { renderer.RefreshMainPicture(); }};

    TiledScene() {
        bench::FillScatteredLayout(ws.Layout);
        ws.Redraw = &renderer;
        renderer.UseTiles(&tiles);
        Zoom(3);
    }
    void Zoom(float zoom) {
        ws.View.Zoom = zoom;
        renderer.ChangeZoomie();
        ws.View.HScroll.Value = 3000;
        ws.View.VScroll.Value = 3000;
        renderer.SetScroll();
    }
    void Wait() {
        if (!tiles.WaitUntilComplete()) std::abort();
    }
};

TiledScene& Scene() {
    EnsureApplication();
    static TiledScene scene;
    return scene;
}

// From another zoom to this one, until the visible window is drawn.
void BM_TiledZoomChange(benchmark::State& state) {
    TiledScene& s = Scene();
    const float zooms[] = {0, 1.0f / 3, 1, 3};
    const float zoom = zooms[state.range(0)];
    const float other = zooms[(state.range(0) + 1) % 4];
    for (auto _ : state) {
        state.PauseTiming();
        s.Zoom(other);
        s.Wait();
        state.ResumeTiming();
        s.Zoom(zoom);
        s.Wait();
    }
    state.counters["percent"] = 100 / (zoom + 1);
}
BENCHMARK(BM_TiledZoomChange)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime();

// One screen into an area never drawn, at 100 % to the right (0, 0) and at 25 %
// downwards (3, 1; the board is not two screens wide there), until the window is drawn.
// Before each step the window and its margin are ready, as they are once the user has
// looked at a place for a moment.
void BM_TiledScrollOneScreen(benchmark::State& state) {
    TiledScene& s = Scene();
    s.Zoom(static_cast<float>(state.range(0)));
    const bool down = state.range(1) != 0;
    const int step = down ? 1080 : 1920;
    const int board = static_cast<int>(bench::ScatteredBoard / (state.range(0) + 1));
    const auto scrollTo = [&](int pixels) {
        const int units = static_cast<int>(static_cast<float>(pixels) * s.ws.View.UnitsPerPixel());
        (down ? s.ws.View.VScroll : s.ws.View.HScroll).Value = units;
        s.renderer.SetScroll();
    };
    int at = 0;
    for (auto _ : state) {
        state.PauseTiming();
        at = at + 2 * step > board ? 0 : at;
        s.tiles.DropAll();
        scrollTo(at);
        if (!s.tiles.WaitUntilIdle()) std::abort();
        at += step;
        state.ResumeTiming();
        scrollTo(at);
        s.Wait();
    }
    state.counters["MB"] = bench::ResidentMegabytes();
}
BENCHMARK(BM_TiledScrollOneScreen)
    ->Args({0, 0})
    ->Args({3, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// One screen to the right and back again at 100 %: the tiles are still there.
void BM_TiledScrollBackAndForth(benchmark::State& state) {
    TiledScene& s = Scene();
    s.Zoom(0);
    s.Wait();
    int x = 3000;
    for (auto _ : state) {
        x = x == 3000 ? 3000 + 1920 : 3000;
        s.ws.View.HScroll.Value = x;
        s.renderer.SetScroll();
        s.Wait();
    }
}
BENCHMARK(BM_TiledScrollBackAndForth)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole 1920 x 1080 window drawn from nothing at 100 %, smoothing off (0) or on (1).
void BM_TiledFullView(benchmark::State& state) {
    TiledScene& s = Scene();
    s.ws.Settings.SmoothDisplay = state.range(0) != 0;
    s.renderer.ReDrawBackScreen();
    s.Zoom(0);
    s.Wait();
    for (auto _ : state) {
        s.tiles.DropAll();
        s.renderer.RefreshMainPicture();
        s.Wait();
    }
    s.ws.Settings.SmoothDisplay = false;
    s.renderer.ReDrawBackScreen();
}
BENCHMARK(BM_TiledFullView)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Opening at 100 % and looking around the whole board: the resident memory stays
// bounded by the tile budget.
void BM_TiledOpenAt100AndTour(benchmark::State& state) {
    TiledScene& s = Scene();
    for (auto _ : state) {
        s.Zoom(0);
        s.Wait();
        for (int y = 0; y < bench::ScatteredBoard; y += 2160)
            for (int x = 0; x < bench::ScatteredBoard; x += 3840) {
                s.ws.View.HScroll.Value = x;
                s.ws.View.VScroll.Value = y;
                s.renderer.SetScroll();
                s.Wait();
            }
    }
    state.counters["RSS_MB"] = bench::ResidentMegabytes();
    state.counters["tile_MB"] = static_cast<double>(s.tiles.Plan().UsedBytes()) / (1024 * 1024);
}
BENCHMARK(BM_TiledOpenAt100AndTour)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// One 512 x 512 tile in the middle of the board, at 100 % (0) and 25 % (3), smoothing
// off (0) or on (1), on an ordinary (1) or a high-density screen (2 physical pixels
// per pixel each way).
void BM_TiledOneTile(benchmark::State& state) {
    TiledScene& s = Scene();
    const float scale = static_cast<float>(state.range(0)) + 1;
    s.ws.Settings.SmoothDisplay = state.range(1) != 0;
    s.renderer.ReDrawBackScreen();
    const render::BoardSnapshotPtr snapshot = s.renderer.Snapshot();
    const render::PixelRect area{static_cast<std::int64_t>(6000 / scale),
                                 static_cast<std::int64_t>(6000 / scale), 512, 512};
    for (auto _ : state)
        benchmark::DoNotOptimize(
            gui::DrawBoardAreaImage(*snapshot, scale, area, static_cast<double>(state.range(2))));
    const render::PixelRect scratch = render::ScratchRect(*snapshot, scale, area);
    state.counters["scratch_w"] = static_cast<double>(scratch.W);
    state.counters["scratch_h"] = static_cast<double>(scratch.H);
}
BENCHMARK(BM_TiledOneTile)->ArgsProduct({{0, 3}, {0, 1}, {1, 2}})->Unit(benchmark::kMillisecond);

// The whole board at 25 % as one image, drawn in pieces (the export).
void BM_TiledExportImage(benchmark::State& state) {
    TiledScene& s = Scene();
    s.Zoom(3);
    const render::BoardSnapshotPtr snapshot = s.renderer.Snapshot();
    for (auto _ : state)
        benchmark::DoNotOptimize(gui::ExportBoardImage(*snapshot, 4));
}
BENCHMARK(BM_TiledExportImage)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

#endif
