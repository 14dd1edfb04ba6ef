// Edit commands on a 30,000-rail layout: one-rail edits, range selection over the whole
// board, cutting 1,000 selected rails, taking the cut back and doing it again, moving
// everything and taking the move back, the parts list.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

#include "core/commands/edit/Clipboard.h"
#include "core/commands/edit/DeleteRail.h"
#include "core/commands/edit/Elevation.h"
#include "core/commands/edit/MoveAll.h"
#include "core/commands/edit/PerformUndo.h"
#include "core/commands/edit/Recolour.h"
#include "core/commands/edit/Selection.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/output/PartsList.h"
#include "core/values/model/RailIndex.h"
#include "core/values/platform/ConsoleUiHost.h"

using namespace ferrovane;

namespace {

constexpr int Columns = 300; // straights of 100 along a row: x = 0 .. 30000
constexpr int Rows = 100;    // rows 290 apart: y = 100 .. 28810
constexpr int RailTotal = Columns * Rows;

model::Rail Straight(int n, float x0, float y0) {
    model::Rail r;
    r.Valid = true;
    r.No = static_cast<std::int16_t>(n);
    r.Name = (n % 3 == 0) ? "S100" : (n % 3 == 1 ? "S248" : "S124");
    r.Kind = model::KindStraight;
    r.Length = 100;
    r.X0 = x0, r.Y0 = y0, r.X1 = x0 + 100, r.Y1 = y0;
    r.C1X = x0, r.C1Y = y0 - 5, r.C2X = x0, r.C2Y = y0 + 5;
    r.C3X = x0 + 100, r.C3Y = y0 + 5, r.C4X = x0 + 100, r.C4Y = y0 - 5;
    r.MidX = x0 + 50, r.MidY = y0;
    r.Angle0 = 90, r.Angle1 = 270;
    r.Free0 = r.Free1 = r.Free2 = true;
    r.Color = 0x808080;
    model::UpdateCells(r);
    return r;
}

// A board of 30000 x 30000 filled with rows of joined straights.
struct BigLayout {
    platform::ConsoleUiHost Host{stderr};
    app::Workspace Ws{Host};

    BigLayout() {
        Ws.Layout.LayoutWidth = Ws.Layout.LayoutHeight = 30000;
        for (int row = 0; row < Rows; ++row)
            for (int col = 0; col < Columns; ++col) {
                model::Rail& r = Ws.Layout.AppendRail();
                r = Straight(Ws.Layout.RailCount, 100.0f * static_cast<float>(col),
                             100.0f + 290.0f * static_cast<float>(row));
                if (col > 0) {
                    const int n = Ws.Layout.RailCount;
                    model::Rail& prev = Ws.Layout.Rails[static_cast<std::size_t>(n - 1)];
                    prev.Free1 = false, prev.Link1 = static_cast<std::int16_t>(n),
                    prev.LinkEnd1 = 0;
                    r.Free0 = false, r.Link0 = static_cast<std::int16_t>(n - 1), r.LinkEnd0 = 1;
                }
            }
        model::RebuildRailIndex(Ws.Layout);
        catalogue::RType up;
        up.Name = "S100-U";
        up.Level = 2;
        up.Color = 0x0000FF;
        Ws.Catalogue.StraightTypes.insert(Ws.Catalogue.StraightTypes.begin(), up);
        Ws.Catalogue.StraightTypeMax = 1;
    }
};

BigLayout& Shared() {
    static BigLayout layout;
    return layout;
}

void BM_DeleteOneRail(benchmark::State& state) {
    BigLayout big;
    int n = 1;
    for (auto _ : state) {
        editor::DeleteRailNo(big.Ws, n);
        n = n % RailTotal + 1;
    }
}
BENCHMARK(BM_DeleteOneRail)->Unit(benchmark::kMicrosecond)->Iterations(300);

void BM_RecolourOneRail(benchmark::State& state) {
    BigLayout& big = Shared();
    int n = 1;
    for (auto _ : state) {
        editor::RecolourRail(big.Ws, n, n);
        n = n % RailTotal + 1;
    }
    big.Ws.Undo.Clear();
}
BENCHMARK(BM_RecolourOneRail)->Unit(benchmark::kMicrosecond);

void BM_ElevateOneRail(benchmark::State& state) {
    BigLayout& big = Shared();
    int n = 1;
    for (auto _ : state) {
        editor::SetUpperRail(big.Ws, n, "S100-U");
        n = n % RailTotal + 1;
    }
    big.Ws.Undo.Clear();
}
BENCHMARK(BM_ElevateOneRail)->Unit(benchmark::kMicrosecond);

void BM_SelectWholeBoard(benchmark::State& state) {
    BigLayout& big = Shared();
    for (auto _ : state) {
        editor::SelectRailsInBox(big.Ws.Layout, big.Ws.Editor, -1, -1, 30001, 30001);
        benchmark::DoNotOptimize(big.Ws.Editor.SelRailList.data());
    }
    state.counters["selected"] = editor::SelectedCount(big.Ws.Editor);
    editor::ClearSelection(big.Ws.Editor);
}
BENCHMARK(BM_SelectWholeBoard)->Unit(benchmark::kMillisecond);

// Cut of 1,000 rails (every 29th), the undo that brings them back and the redo that
// takes them away again, timed apart. The rails come back with an undo after the redo.
enum class CutStep { Cut, Undo, Redo };

void CutUndoRedo(benchmark::State& state, CutStep timed) {
    BigLayout big;
    for (auto _ : state) {
        for (int k = 1; k <= 1000; ++k)
            editor::ToggleSelection(big.Ws, k * 29);
        const auto t0 = std::chrono::steady_clock::now();
        editor::CutSelection(big.Ws);
        const auto t1 = std::chrono::steady_clock::now();
        editor::PerformUndo(big.Ws);
        const auto t2 = std::chrono::steady_clock::now();
        if (timed == CutStep::Redo) {
            editor::PerformRedo(big.Ws);
            const auto t3 = std::chrono::steady_clock::now();
            editor::PerformUndo(big.Ws);
            state.SetIterationTime(std::chrono::duration<double>(t3 - t2).count());
        } else {
            state.SetIterationTime(
                std::chrono::duration<double>(timed == CutStep::Undo ? t2 - t1 : t1 - t0).count());
        }
    }
}
void BM_CutThousand(benchmark::State& state) {
    CutUndoRedo(state, CutStep::Cut);
}
void BM_UndoCutThousand(benchmark::State& state) {
    CutUndoRedo(state, CutStep::Undo);
}
void BM_RedoCutThousand(benchmark::State& state) {
    CutUndoRedo(state, CutStep::Redo);
}
BENCHMARK(BM_CutThousand)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_UndoCutThousand)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_RedoCutThousand)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// Move all by (37.5, -12.25) and the undo that moves back, timed apart. Each translates
// every rail and rebuilds the index once.
void MoveAndUndo(benchmark::State& state, bool timeUndo) {
    BigLayout big;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        editor::MoveAll(big.Ws, 37.5f, -12.25f);
        const auto t1 = std::chrono::steady_clock::now();
        editor::PerformUndo(big.Ws);
        const auto t2 = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(timeUndo ? t2 - t1 : t1 - t0).count());
    }
    state.counters["rails"] = big.Ws.Layout.RailCount;
}
void BM_MoveAll(benchmark::State& state) {
    MoveAndUndo(state, false);
}
void BM_UndoMoveAll(benchmark::State& state) {
    MoveAndUndo(state, true);
}
BENCHMARK(BM_MoveAll)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(BM_UndoMoveAll)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

void BM_PartsList(benchmark::State& state) {
    BigLayout& big = Shared();
    for (auto _ : state) {
        auto lines = output::BuildPartsList(big.Ws.Layout);
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(BM_PartsList)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
