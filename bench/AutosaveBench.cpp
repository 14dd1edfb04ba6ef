// An autosave of a 30,000-rail layout: the part the editor's own thread pays (copying the
// rails and starting the worker) and the write the worker does.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "TrackLayer.h"
#include "core/app/autosave/Autosaver.h"
#include "core/commands/document/AutosaveSnapshot.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/document/AutosaveFiles.h"
#include "core/compute/document/LayoutWriter.h"
#include "core/values/platform/ConsoleUiHost.h"

namespace {

using namespace ferrovane;

struct AutosaveBench {
    std::filesystem::path Dir = std::filesystem::temp_directory_path() /
                                ("ferrovane-autosave-bench-" + std::to_string(::getpid()));
    platform::ConsoleUiHost Host;
    app::Workspace Ws{Host};

    AutosaveBench() {
        Ws.Layout.LayoutWidth = Ws.Layout.LayoutHeight = 12000;
        bench::TrackLayer(Ws.Layout).Lay(bench::RailTotal);
        model::RebuildRailIndex(Ws.Layout);
        Ws.Layout.LayoutFileName = "/home/user/layouts/large.fvl";
        Ws.Layout.Modified = true;
    }
    ~AutosaveBench() {
        std::error_code ec;
        std::filesystem::remove_all(Dir, ec);
    }
};

double Seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// What Tick costs the editor's thread when a write is due: the copy of the rails and
// the start of the worker. Each round changes one rail so every write is a real one.
void BM_AutosaveOnEditorThread(benchmark::State& state) {
    AutosaveBench b;
    auto now = std::chrono::steady_clock::time_point{};
    app::Autosaver::Options options;
    options.Folder = (b.Dir / "autosave").string();
    options.Clock = {[&now] { return now; }, [] { return std::int64_t{1700000000}; }};
    app::Autosaver autosaver(options);
    autosaver.SetIntervalOverride(std::chrono::seconds(1));
    autosaver.Tick(b.Ws); // starts the interval
    for (auto _ : state) {
        now += std::chrono::seconds(1);
        b.Ws.Layout.Rails[5].X0 += 1;
        const auto t0 = std::chrono::steady_clock::now();
        const bool started = autosaver.Tick(b.Ws);
        const auto t1 = std::chrono::steady_clock::now();
        autosaver.WaitForWrite(); // the worker's time is not the editor's
        if (!started) state.SkipWithError("no write started");
        state.SetIterationTime(Seconds(t1 - t0));
    }
    if (autosaver.LastError()) state.SkipWithError("write failed");
}
BENCHMARK(BM_AutosaveOnEditorThread)->UseManualTime()->Unit(benchmark::kMillisecond);

// The worker's whole write: layout bytes, record and layout through temporary files.
void BM_AutosaveWrite(benchmark::State& state) {
    AutosaveBench b;
    const auto files =
        document::SessionAutosaveFiles((b.Dir / "autosave").string(), ::getpid(), "bench");
    const auto snapshot = document::TakeAutosaveSnapshot(b.Ws, 1700000000);
    for (auto _ : state) {
        document::FileError error;
        if (!document::WriteAutosaveFiles(files, document::WriteLayout(snapshot.Layout),
                                          snapshot.Record, error))
            state.SkipWithError("write failed");
    }
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(files.Layout)) / 1e6;
}
BENCHMARK(BM_AutosaveWrite)->Unit(benchmark::kMillisecond);

// The copy alone.
void BM_AutosaveSnapshot(benchmark::State& state) {
    AutosaveBench b;
    for (auto _ : state)
        benchmark::DoNotOptimize(document::TakeAutosaveSnapshot(b.Ws, 0).Layout.RailCount);
}
BENCHMARK(BM_AutosaveSnapshot)->Unit(benchmark::kMillisecond);

} // namespace
