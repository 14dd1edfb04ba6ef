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

constexpr int RailTotal = 30000;
constexpr float HalfWidth = 5;
constexpr double Pi = 3.14159265358979323846;

// Walks like a track layer: each piece starts where the last one ended, joined to it,
// and every few hundred pieces a new line starts somewhere else on the board.
class TrackLayer {
public:
    explicit TrackLayer(model::Layout& layout) : mLayout(layout), mRandom(11) {}

    void Lay(int total) {
        while (mLayout.RailCount < total) {
            const bool offBoard = mX < 200 || mY < 200 || mX > 11800 || mY > 11800;
            if (mLayout.RailCount % 300 == 0 || offBoard) StartLine();
            const int pick = static_cast<int>(mRandom() % 10);
            if (pick < 4)
                Straight();
            else if (pick < 8)
                Curve();
            else
                Point();
        }
        // A few deleted rails, their neighbours freed as a delete leaves them.
        for (int n = 7; n <= mLayout.RailCount; n += 53) {
            model::Rail& r = mLayout.Rails[static_cast<std::size_t>(n)];
            r.Valid = false;
            for (int e = 0; e < 3; ++e)
                if (!r.Free(e))
                    mLayout.Rails[static_cast<std::size_t>(r.Link(e))].Free(r.LinkEnd(e)) = true;
        }
    }

private:
    void StartLine() {
        std::uniform_real_distribution<float> pos(300, 11700);
        mX = pos(mRandom);
        mY = pos(mRandom);
        mHeading = static_cast<float>(mRandom() % 24) * 15.0f + 7.3f;
        mPrevious = 0;
    }

    model::Rail& Begin(const char* name, std::uint8_t kind) {
        model::Rail& r = mLayout.AppendRail();
        r.Valid = true;
        r.No = static_cast<std::int16_t>(mLayout.RailCount);
        r.Name = name;
        r.Kind = kind;
        r.Color = kind == model::KindPoint ? 0x008000 : 0x0000C0;
        r.Free0 = r.Free1 = r.Free2 = true;
        r.X0 = mX;
        r.Y0 = mY;
        r.Angle0 = model::NormalizeAngle(mHeading);
        Corners(r.C1X, r.C1Y, r.C2X, r.C2Y, mX, mY, mHeading);
        return r;
    }

    static void Corners(float& ax, float& ay, float& bx, float& by, float x, float y, float a) {
        const double rad = a * Pi / 180;
        const float nx = static_cast<float>(std::cos(rad)), ny = static_cast<float>(-std::sin(rad));
        ax = x - HalfWidth * nx;
        ay = y - HalfWidth * ny;
        bx = x + HalfWidth * nx;
        by = y + HalfWidth * ny;
    }

    void Finish(model::Rail& r, float x1, float y1, float heading1) {
        r.X1 = x1;
        r.Y1 = y1;
        r.Angle1 = model::NormalizeAngle(heading1 + 180);
        Corners(r.C4X, r.C4Y, r.C3X, r.C3Y, x1, y1, heading1);
        if (r.Kind != model::KindCurve) {
            r.MidX = (r.X0 + x1) / 2;
            r.MidY = (r.Y0 + y1) / 2;
        }
        model::UpdateCells(r);
        if (mPrevious != 0) {
            model::Rail& p = mLayout.Rails[static_cast<std::size_t>(mPrevious)];
            p.Free1 = false;
            p.Link1 = r.No;
            p.LinkEnd1 = 0;
            r.Free0 = false;
            r.Link0 = static_cast<std::int16_t>(mPrevious);
            r.LinkEnd0 = 1;
        }
        mPrevious = r.No;
        mX = x1;
        mY = y1;
        mHeading = heading1;
    }

    void Straight() {
        static const char* const names[] = {"S248", "S186", "S124", "直線 S64"};
        static const float lengths[] = {248, 186, 124, 64};
        const int k = static_cast<int>(mRandom() % 4);
        model::Rail& r = Begin(names[k], model::KindStraight);
        r.Length = lengths[k];
        const double rad = mHeading * Pi / 180;
        Finish(r, mX + static_cast<float>(lengths[k] * std::sin(rad)),
               mY + static_cast<float>(lengths[k] * std::cos(rad)), mHeading);
    }

    // An arc of radius radius turning by sweep degrees (positive: to the right).
    void Arc(float radius, float sweep, float& x1, float& y1, float& cx, float& cy, float& midX,
             float& midY, double& start) const {
        const double a = mHeading * Pi / 180;
        const double side = sweep > 0 ? 1 : -1;
        cx = mX + static_cast<float>(side * radius * std::cos(a));
        cy = mY - static_cast<float>(side * radius * std::sin(a));
        start = std::atan2(mX - cx, mY - cy);
        const double end = start + sweep * Pi / 180;
        const double mid = start + sweep * Pi / 360;
        x1 = cx + static_cast<float>(radius * std::sin(end));
        y1 = cy + static_cast<float>(radius * std::cos(end));
        midX = cx + static_cast<float>(radius * std::sin(mid));
        midY = cy + static_cast<float>(radius * std::cos(mid));
    }

    void Curve() {
        static const char* const names[] = {"R481-15", "R541-15", "R315-45", "曲線 R718-15"};
        static const float radii[] = {481, 541, 315, 718};
        static const float sweeps[] = {15, 15, 45, 15};
        const int k = static_cast<int>(mRandom() % 4);
        const float sweep = (mRandom() % 2 ? 1.0f : -1.0f) * sweeps[k];
        model::Rail& r = Begin(names[k], model::KindCurve);
        r.Radius = radii[k];
        r.Angle = sweeps[k];
        r.Dir = sweep > 0 ? 0 : 255;
        float x1, y1;
        double start;
        Arc(radii[k], sweep, x1, y1, r.CenterX, r.CenterY, r.MidX, r.MidY, start);
        r.ArcStart = static_cast<float>(start);
        r.ArcSweep = static_cast<float>(sweep * Pi / 180);
        Finish(r, x1, y1, mHeading + sweep);
    }

    void Point() {
        static const char* const names[] = {"ポイント#4 左", "ポイント#4 右", "ポイント#6 左",
                                            "ポイント#6 右"};
        const int k = static_cast<int>(mRandom() % 4);
        model::Rail& r = Begin(names[k], model::KindPoint);
        const float length = k < 2 ? 126.0f : 186.0f;
        const float radius = k < 2 ? 481.0f : 718.0f;
        const float sweep = k % 2 ? 15.0f : -15.0f;
        r.Length = length;
        r.Radius = radius;
        r.Angle = 15;
        r.Dir = static_cast<std::uint8_t>(k % 2);
        float x2, y2, mx, my;
        double start;
        Arc(radius, sweep, x2, y2, r.CenterX, r.CenterY, mx, my, start);
        r.X2 = x2;
        r.Y2 = y2;
        r.Angle2 = model::NormalizeAngle(mHeading + sweep + 180);
        Corners(r.C5X, r.C5Y, r.C6X, r.C6Y, x2, y2, mHeading + sweep);
        r.Cell2X = model::CellOf(x2);
        r.Cell2Y = model::CellOf(y2);
        const double rad = mHeading * Pi / 180;
        Finish(r, mX + static_cast<float>(length * std::sin(rad)),
               mY + static_cast<float>(length * std::cos(rad)), mHeading);
        r.Cell2X = model::CellOf(x2);
        r.Cell2Y = model::CellOf(y2);
    }

    model::Layout& mLayout;
    std::mt19937 mRandom;
    float mX = 0, mY = 0, mHeading = 0;
    int mPrevious = 0;
};

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
