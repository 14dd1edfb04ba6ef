// Placement on a 30,000-rail layout: one committed rail with its joints and index
// upkeep (inside the index grid, and growing it), the hit test, and the preview geometry.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <optional>
#include <string>

#include "core/commands/placement/Detection.h"
#include "core/commands/placement/Placement.h"
#include "core/commands/workspace/Workspace.h"
#include "core/values/model/RailIndex.h"
#include "core/values/platform/UiHost.h"

using namespace ferrovane;

namespace {

constexpr int RowLength = 200; // straights of 100: x = 0 .. 20000 on the first row
constexpr int Rows = 200;      // rows 140 apart
constexpr int ShortRow = 150;  // later rows stop at x = 15000, so they can grow inside the grid

// A host that answers nothing and shows nothing.
class QuietHost : public platform::UiHost {
public:
    platform::Answer ShowMessage(const platform::Message&) override { return platform::Answer::Ok; }
    std::optional<std::string> InputText(const std::string&, const std::string&,
                                         const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseOpenFile(const platform::FileRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseSaveFile(const platform::FileRequest&) override {
        return std::nullopt;
    }
    std::optional<long> ChooseColour(long) override { return std::nullopt; }
};

// Rows of joined straights, each laid by the editor's own placement; the last rail of
// row r is returned in rowEnd[r].
struct BigLayout {
    QuietHost host;
    app::Workspace ws{host};
    std::vector<int> rowEnd;

    BigLayout() {
        catalogue::RType s;
        s.Name = "S100";
        s.Length = 100;
        ws.Catalogue.StraightTypes = {s};
        ws.Editor.PlaceKind = model::PieceKind::Straight;
        int total = 0;
        for (int row = 0; row < Rows; ++row) {
            const int length = row == 0 ? RowLength : ShortRow;
            const int wanted = std::min(length, 30000 - total);
            if (wanted <= 0) break;
            ws.Editor.MouseX = 0;
            ws.Editor.MouseY = 100.0f + 140.0f * static_cast<float>(row);
            float angle = 270; // leaves towards +x
            int last = geometry::PlaceRail(ws, angle, 0, geometry::PlaceCommit, false);
            for (int i = 1; i < wanted; ++i) {
                geometry::SnapToEnd(ws, last, 1);
                float a = 0;
                last = geometry::PlaceRail(ws, a, 0, geometry::PlaceCommit, true);
            }
            total += wanted;
            rowEnd.push_back(last);
        }
        ws.Undo.Clear();
    }
};

BigLayout& Layout() {
    static BigLayout big;
    return big;
}

void BM_CommitInsideGrid(benchmark::State& state) {
    BigLayout& big = Layout();
    app::Workspace& ws = big.ws;
    std::size_t row = 1;
    for (auto _ : state) {
        // Round the shorter rows, so the layout grows by a rail per row at a time.
        geometry::SnapToEnd(ws, big.rowEnd[row], 1);
        float a = 0;
        const int n = geometry::PlaceRail(ws, a, 0, geometry::PlaceCommit, true);
        benchmark::DoNotOptimize(n);
        big.rowEnd[row] = n;
        row = row + 1 < big.rowEnd.size() - 1 ? row + 1 : 1;
    }
    state.counters["rails"] = ws.Layout.RailCount;
}

void BM_CommitGrowingGrid(benchmark::State& state) {
    BigLayout& big = Layout();
    app::Workspace& ws = big.ws;
    for (auto _ : state) {
        // The first row is the longest: every rail there widens the extents.
        geometry::SnapToEnd(ws, big.rowEnd[0], 1);
        float a = 0;
        const int n = geometry::PlaceRail(ws, a, 0, geometry::PlaceCommit, true);
        benchmark::DoNotOptimize(n);
        big.rowEnd[0] = n;
    }
    state.counters["rails"] = ws.Layout.RailCount;
}

void BM_DetectRail(benchmark::State& state) {
    app::Workspace& ws = Layout().ws;
    // A joint in the middle of the board: both joined ends and neighbours in the cells.
    ws.Editor.MouseX = 10003;
    ws.Editor.MouseY = 100 + 140 * 75 + 2;
    ws.Editor.MouseCellX = model::CellOf(ws.Editor.MouseX);
    ws.Editor.MouseCellY = model::CellOf(ws.Editor.MouseY);
    for (auto _ : state)
        benchmark::DoNotOptimize(geometry::DetectRail(ws));
}

void BM_PreviewNextRail(benchmark::State& state) {
    BigLayout& big = Layout();
    app::Workspace& ws = big.ws;
    geometry::SnapToEnd(ws, big.rowEnd[10], 1);
    for (auto _ : state) {
        geometry::PreviewNextRail(ws);
        benchmark::DoNotOptimize(ws.Layout.Rails[0].X1);
    }
}

} // namespace

BENCHMARK(BM_DetectRail);
BENCHMARK(BM_PreviewNextRail);
// The layout grows with every iteration and stays below the 32767-rail limit.
BENCHMARK(BM_CommitInsideGrid)->Iterations(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CommitGrowingGrid)->Iterations(200)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
