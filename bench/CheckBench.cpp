// The layout check on a 30,000-rail layout: the whole design check, the gap readout of one
// mouse move at a free end, and the gap closer's search over a catalogue of 30 pieces.
#include <benchmark/benchmark.h>

#include <string>

#include "core/compute/check/DesignCheck.h"
#include "core/compute/check/GapCloser.h"
#include "core/compute/check/NearestFreeEnd.h"
#include "core/compute/geometry/StraightGeometry.h"
#include "core/values/model/Layout.h"
#include "core/values/model/RailIndex.h"

using namespace ferrovane;

namespace {

constexpr int Columns = 300; // straights of 100 along a row: x = 0 .. 30000
constexpr int Rows = 100;    // rows 290 apart: y = 100 .. 28810

// A board of 30000 x 30000 filled with rows of joined straights.
model::Layout BigLayout() {
    model::Layout layout;
    layout.LayoutWidth = layout.LayoutHeight = 30000;
    for (int row = 0; row < Rows; ++row)
        for (int col = 0; col < Columns; ++col) {
            model::Rail& r = layout.AppendRail();
            const int n = layout.RailCount;
            r.Valid = true;
            r.No = static_cast<std::int16_t>(n);
            r.Name = "S100";
            geometry::LayStraight(
                r,
                {{100.0f * static_cast<float>(col), 100.0f + 290.0f * static_cast<float>(row)},
                 270},
                100, 5);
            r.Free0 = r.Free1 = true;
            model::UpdateCells(r);
            if (col > 0) {
                model::Rail& prev = layout.Rails[static_cast<std::size_t>(n - 1)];
                prev.Free1 = false, prev.Link1 = static_cast<std::int16_t>(n), prev.LinkEnd1 = 0;
                r.Free0 = false, r.Link0 = static_cast<std::int16_t>(n - 1), r.LinkEnd0 = 1;
            }
        }
    model::RebuildRailIndex(layout);
    return layout;
}

const model::Layout& Shared() {
    static const model::Layout layout = BigLayout();
    return layout;
}

void BM_DesignCheck30000(benchmark::State& state) {
    const model::Layout& layout = Shared();
    std::size_t findings = 0;
    for (auto _ : state)
        findings = check::RunDesignCheck(layout, {5, 8}).size();
    state.counters["rails"] = layout.RailCount;
    state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_DesignCheck30000)->Unit(benchmark::kMillisecond);

// The readout of one mouse move: the previewed straight at the free end 0 of a row,
// measured against the free ends round its far end.
void BM_GapReadout30000(benchmark::State& state) {
    const model::Layout& layout = Shared();
    const int row = 50, first = row * Columns + 1;
    const model::Rail& at = layout.Rails[static_cast<std::size_t>(first)];
    model::Rail piece;
    geometry::LayStraight(piece, {{at.X0, at.Y0}, at.Angle0}, 248, 5);
    piece.Kind = model::KindStraight;
    for (auto _ : state)
        benchmark::DoNotOptimize(check::GapOfPreview(layout, piece, 0, first));
}
BENCHMARK(BM_GapReadout30000)->Unit(benchmark::kMicrosecond);

// Ten straights and ten curves (both ways: thirty pieces to try at each step), closing
// a gap of 520 units that only a few sequences fit.
void BM_GapCloser30Pieces(benchmark::State& state) {
    catalogue::Catalogue cat;
    for (int i = 0; i < 10; ++i) {
        catalogue::RType s;
        s.Name = "S" + std::to_string(40 + 22 * i);
        s.Length = static_cast<float>(40 + 22 * i);
        cat.StraightTypes.push_back(s);
        catalogue::RType c;
        c.Name = "R" + std::to_string(200 + 33 * i);
        c.Kind = model::KindCurve;
        c.Radius = static_cast<float>(200 + 33 * i);
        c.Angle = i % 2 ? 30 : 45;
        cat.CurveTypes.push_back(c);
    }
    cat.StraightTypeMax = cat.CurveTypeMax = 9;
    std::size_t found = 0;
    for (auto _ : state)
        found = check::FindClosers(cat, 5, {{1000, 1000}, 90}, {{480, 1000}, 270}).size();
    state.counters["suggestions"] = static_cast<double>(found);
}
BENCHMARK(BM_GapCloser30Pieces)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
