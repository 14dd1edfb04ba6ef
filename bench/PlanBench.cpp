// Plans of a large layout for paper: a PDF fitted on one sheet, a full-size PDF of the
// whole board on many sheets, and the SVG drawing. Needs the Qt PDF writer; without it
// this file builds to nothing.
#if __has_include(<QtGui/QPdfWriter>)

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include "ScatteredLayout.h"
#include "core/commands/output/SvgPlan.h"
#include "core/commands/workspace/Workspace.h"
#include "core/values/platform/ConsoleUiHost.h"
#include "gui/render/PlanPainter.h"

namespace {

using namespace ferrovane;

struct PlanScene {
    platform::ConsoleUiHost host{stderr};
    app::Workspace ws{host};
    QPageLayout page = gui::PlanPageLayout(QPageSize::A4, QPageLayout::Portrait);
    std::string path = (QDir::tempPath() + "/ferrovane-plan-bench.pdf").toStdString();

    PlanScene() { bench::FillScatteredLayout(ws.Layout); }
    ~PlanScene() { QFile::remove(QString::fromStdString(path)); }
};

PlanScene& TheScene() {
    // Text on a PDF page needs the font database of a GUI application.
    if (QGuiApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "ferrovane_bench";
        static char* argv[] = {name, nullptr};
        static QGuiApplication application(argc, argv);
    }
    static PlanScene scene;
    return scene;
}

void WritePdf(benchmark::State& state, int scale) {
    PlanScene& s = TheScene();
    output::PrintSettings settings;
    settings.ScaleDenominator = scale;
    int sheets = 0;
    for (auto _ : state) {
        document::FileError error;
        if (!gui::WritePlanPdf(s.ws, settings, s.page, s.path, error, sheets))
            state.SkipWithError(error.Description.c_str());
    }
    state.counters["rails"] = s.ws.Layout.RailCount;
    state.counters["sheets"] = sheets;
    state.counters["MB"] = static_cast<double>(QFile(QString::fromStdString(s.path)).size()) / 1e6;
}

void BM_PlanPdfFit(benchmark::State& state) {
    WritePdf(state, 0);
}
BENCHMARK(BM_PlanPdfFit)->Unit(benchmark::kMillisecond);

void BM_PlanPdfFullSize(benchmark::State& state) {
    WritePdf(state, 1);
}
BENCHMARK(BM_PlanPdfFullSize)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PlanSvgFit(benchmark::State& state) {
    PlanScene& s = TheScene();
    const output::PrintSettings settings;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string svg = output::LayoutSvg(s.ws, settings, gui::PrintableArea(s.page));
        bytes = svg.size();
        benchmark::DoNotOptimize(svg.data());
    }
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_PlanSvgFit)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

#endif
