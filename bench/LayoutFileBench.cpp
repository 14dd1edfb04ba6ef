// Loading and saving a 30,000-rail layout file, its memory, and the time `wc -l` takes
// to read the same file as a yardstick for the load.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <malloc.h>
#include <memory>
#include <random>
#include <string>
#include <unistd.h>

#include "TrackLayer.h"
#include "core/commands/document/LayoutFile.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/document/LayoutReader.h"
#include "core/compute/document/LayoutWriter.h"
#include "core/compute/geometry/RepairLinks.h"
#include "core/values/model/Angle.h"
#include "core/values/model/RailIndex.h"
#include "core/values/platform/ConsoleUiHost.h"

namespace {

using namespace ferrovane;

using bench::RailTotal;
using bench::TrackLayer;

// The worst case for the file's size: every Single written with 7 digits and a sign,
// long names. Real layouts leave many fields 0 (end 2 of non-points, arc data of
// straights) and are about two thirds of this size.
void Densify(model::Layout& layout) {
    std::mt19937 random(5);
    std::uniform_int_distribution<int> mantissa(1000000, 9999999);
    for (int n = 1; n <= layout.RailCount; ++n) {
        model::Rail& r = layout.Rails[static_cast<std::size_t>(n)];
        for (float* f : {&r.Length, &r.Radius,   &r.Angle,    &r.BaseAngle, &r.X2,       &r.Y2,
                         &r.C5X,    &r.C5Y,      &r.C6X,      &r.C6Y,       &r.CenterX,  &r.CenterY,
                         &r.Angle2, &r.ArcStart, &r.ArcSweep, &r.MidCellX,  &r.MidCellY, &r.Cell0X,
                         &r.Cell0Y, &r.Cell1X,   &r.Cell1Y,   &r.Cell2X,    &r.Cell2Y})
            *f = -static_cast<float>(mantissa(random)) / 1000.0f;
        r.Name += " (複線間隔33mm)";
    }
}

// The benchmark file, written once per run.
struct BenchFile {
    std::filesystem::path Dir;
    std::string Path;
    std::size_t Bytes = 0;

    explicit BenchFile(bool dense) {
        Dir = std::filesystem::temp_directory_path() /
              ("ferrovane-bench-" + std::to_string(::getpid()) + (dense ? "-dense" : ""));
        std::filesystem::create_directories(Dir);
        Path = (Dir / "large.fvl").string();
        platform::ConsoleUiHost host;
        app::Workspace ws(host);
        ws.Layout.LayoutWidth = ws.Layout.LayoutHeight = 12000;
        TrackLayer(ws.Layout).Lay(RailTotal);
        if (dense) Densify(ws.Layout);
        document::SaveFile(ws, Path);
        Bytes = std::filesystem::file_size(Path);
    }
    ~BenchFile() {
        std::error_code ec;
        std::filesystem::remove_all(Dir, ec);
    }
};

// Argument 0: realistic rails; 1: every field at full length.
const BenchFile& File(std::int64_t dense = 0) {
    static BenchFile realistic(false);
    if (!dense) return realistic;
    static BenchFile full(true);
    return full;
}

std::size_t HeapInUse() {
    const struct mallinfo2 info = ::mallinfo2();
    return info.uordblks + info.hblkhd;
}

double Seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// The best of a few runs of `wc -l` on the file, process start included.
double WcSeconds(const std::string& path) {
    double best = 1e9;
    const std::string command = "wc -l '" + path + "' > /dev/null";
    for (int i = 0; i < 5; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0) return 0;
        best = std::min(best, Seconds(std::chrono::steady_clock::now() - t0));
    }
    return best;
}

document::LoadOptions NoCatalogue() {
    document::LoadOptions options;
    options.ReloadCatalogue = false;
    return options;
}

void BM_LoadFile(benchmark::State& state) {
    const BenchFile& file = File(state.range(0));
    platform::ConsoleUiHost host;
    auto total = std::chrono::steady_clock::duration::zero();
    for (auto _ : state) {
        auto ws = std::make_unique<app::Workspace>(host);
        const auto t0 = std::chrono::steady_clock::now();
        const bool ok = document::LoadFile(*ws, file.Path, NoCatalogue());
        total += std::chrono::steady_clock::now() - t0;
        if (!ok || ws->Layout.RailCount != RailTotal) state.SkipWithError("load failed");
        state.PauseTiming(); // the workspace is freed outside the measurement
        ws.reset();
        state.ResumeTiming();
    }
    const double load = Seconds(total) / static_cast<double>(state.iterations());
    const double wc = WcSeconds(file.Path);
    state.counters["file_MB"] = static_cast<double>(file.Bytes) / 1e6;
    state.counters["lines"] = RailTotal + 3;
    state.counters["wc_ms"] = wc * 1e3;
    state.counters["load_over_wc"] = wc > 0 ? load / wc : 0;
    state.SetBytesProcessed(static_cast<std::int64_t>(file.Bytes) * state.iterations());
}
BENCHMARK(BM_LoadFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_LayoutMemory(benchmark::State& state) {
    const BenchFile& file = File(state.range(0));
    platform::ConsoleUiHost host;
    for (auto _ : state) {
        const std::size_t before = HeapInUse();
        auto ws = std::make_unique<app::Workspace>(host);
        document::LoadFile(*ws, file.Path, NoCatalogue());
        const std::size_t after = HeapInUse();
        // What the structures themselves hold, for comparison with the heap's figure.
        const model::Layout& l = ws->Layout;
        double rails = static_cast<double>(l.Rails.capacity() * sizeof(model::Rail));
        double names = 0;
        for (const auto& r : l.Rails)
            if (r.Name.capacity() > 15) names += static_cast<double>(r.Name.capacity() + 1);
        double index = static_cast<double>(l.Index.Cells.capacity() * sizeof(l.Index.Cells[0]));
        for (const auto& cell : l.Index.Cells)
            index += static_cast<double>(cell.capacity() * sizeof(model::IndexToken));
        state.counters["heap_MB"] = static_cast<double>(after - before) / 1e6;
        state.counters["rails_MB"] = rails / 1e6;
        state.counters["names_MB"] = names / 1e6;
        state.counters["index_MB"] = index / 1e6;
    }
}
BENCHMARK(BM_LayoutMemory)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_SaveFile(benchmark::State& state) {
    const BenchFile& file = File(state.range(0));
    platform::ConsoleUiHost host;
    app::Workspace ws(host);
    document::LoadFile(ws, file.Path, NoCatalogue());
    const std::string out = (file.Dir / "saved.fvl").string();
    for (auto _ : state) {
        if (!document::SaveFile(ws, out)) state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(file.Bytes) * state.iterations());
}
BENCHMARK(BM_SaveFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The parts of a load and a save without the disk.
void BM_ParseLayout(benchmark::State& state) {
    const BenchFile& file = File();
    document::FileError error;
    std::string bytes;
    {
        platform::ConsoleUiHost host;
        app::Workspace ws(host);
        document::LoadFile(ws, file.Path, NoCatalogue());
        bytes = document::WriteLayout(ws.Layout);
    }
    for (auto _ : state) {
        auto result = document::ParseLayout(bytes);
        benchmark::DoNotOptimize(result.Layout.RailCount);
    }
}
BENCHMARK(BM_ParseLayout)->Unit(benchmark::kMillisecond);

void BM_RepairAndIndex(benchmark::State& state) {
    platform::ConsoleUiHost host;
    app::Workspace ws(host);
    document::LoadFile(ws, File().Path, NoCatalogue());
    for (auto _ : state) {
        geometry::RepairLinks(ws.Layout);
        model::RebuildRailIndex(ws.Layout);
    }
}
BENCHMARK(BM_RepairAndIndex)->Unit(benchmark::kMillisecond);

void BM_WriteLayout(benchmark::State& state) {
    platform::ConsoleUiHost host;
    app::Workspace ws(host);
    document::LoadFile(ws, File().Path, NoCatalogue());
    for (auto _ : state)
        benchmark::DoNotOptimize(document::WriteLayout(ws.Layout).size());
}
BENCHMARK(BM_WriteLayout)->Unit(benchmark::kMillisecond);

} // namespace
