// Redraw, refresh, preview and export of a large layout. Needs the Qt drawing
// surfaces; without them this file builds to nothing.
#if __has_include(<QtGui/QImage>)

#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <benchmark/benchmark.h>
#include <cmath>
#include <numbers>

#include "ScatteredLayout.h"
#include "core/commands/render/ScreenRenderer.h"
#include "core/commands/workspace/Workspace.h"
#include "core/values/platform/ConsoleUiHost.h"
#include "gui/render/ImageFileWriter.h"
#include "gui/render/ImageSurface.h"

namespace {

using namespace ferrovane;

constexpr int Board = bench::ScatteredBoard;

struct Scene {
    platform::ConsoleUiHost host{stderr};
    app::Workspace ws{host};
    gui::ImageSurface back;
    gui::ImageSurface main{1920, 1080};
    render::ScreenRenderer renderer{ws, back, main};
    Scene() {
        bench::FillScatteredLayout(ws.Layout);
        ws.View.Zoom = 3; // 25 %
        ws.Redraw = &renderer;
        renderer.ChangeZoomie();
        ws.View.HScroll.Value = 4000;
        ws.View.VScroll.Value = 4000;
        renderer.SetScroll();
    }
};

Scene& TheScene() {
    static Scene scene;
    return scene;
}

void BM_ReDrawBackScreen(benchmark::State& state) {
    Scene& s = TheScene();
    for (auto _ : state)
        s.renderer.ReDrawBackScreen();
}
BENCHMARK(BM_ReDrawBackScreen)->Unit(benchmark::kMillisecond);

void BM_RefreshMainPicture(benchmark::State& state) {
    Scene& s = TheScene();
    for (auto _ : state)
        s.renderer.RefreshMainPicture();
}
BENCHMARK(BM_RefreshMainPicture)->Unit(benchmark::kMillisecond);

void BM_PreviewAndRefresh(benchmark::State& state) {
    Scene& s = TheScene();
    s.ws.Layout.Rails[0] = s.ws.Layout.Rails[2];
    s.ws.Layout.Rails[0].CenterX = 5000, s.ws.Layout.Rails[0].CenterY = 5000;
    for (auto _ : state) {
        s.renderer.RefreshMainPicture();
        s.renderer.DrawPreviewOnMainPicture();
    }
}
BENCHMARK(BM_PreviewAndRefresh)->Unit(benchmark::kMillisecond);

void BM_ExportPng(benchmark::State& state) {
    Scene& s = TheScene();
    s.renderer.ReDrawBackScreen();
    s.back.Flush();
    const std::string path = (QDir::tempPath() + "/ferrovane-render-bench.png").toStdString();
    document::FileError error;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            gui::WriteImageFile(s.back.Image(), path, output::ImageFormat::Png, error));
    }
    QFile::remove(QString::fromStdString(path));
}
BENCHMARK(BM_ExportPng)->Unit(benchmark::kMillisecond);

// The same lines and arcs drawn by a plain QPainter loop, for comparison with the
// redraw above.
void BM_PlainPainterLoop(benchmark::State& state) {
    Scene& s = TheScene();
    QImage image(Board / 4, Board / 4, QImage::Format_RGB32);
    constexpr double k = 0.25, deg = 180.0 / std::numbers::pi;
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter p(&image);
        for (int i = 1; i <= s.ws.Layout.RailCount; ++i) {
            const model::Rail& r = s.ws.Layout.Rails[static_cast<std::size_t>(i)];
            p.setPen(QPen(QColor(0, 0, 128), r.Upper ? 3 : 1));
            if (r.Kind == model::KindStraight || r.Kind == model::KindPoint) {
                const QPointF c[4] = {{r.C1X * k, r.C1Y * k},
                                      {r.C2X * k, r.C2Y * k},
                                      {r.C3X * k, r.C3Y * k},
                                      {r.C4X * k, r.C4Y * k}};
                for (int e = 0; e < 4; ++e)
                    p.drawLine(c[e], c[(e + 1) % 4]);
            } else {
                p.drawLine(QPointF(r.C1X * k, r.C1Y * k), QPointF(r.C2X * k, r.C2Y * k));
                p.drawLine(QPointF(r.C3X * k, r.C3Y * k), QPointF(r.C4X * k, r.C4Y * k));
            }
            if (r.Kind != model::KindStraight) {
                for (float rad : {r.Radius - 5, r.Radius + 5}) {
                    const QRectF box((r.CenterX - rad) * k, (r.CenterY - rad) * k, 2 * rad * k,
                                     2 * rad * k);
                    QPainterPath path;
                    path.arcMoveTo(box, r.ArcStart * deg);
                    path.arcTo(box, r.ArcStart * deg, r.ArcSweep * deg);
                    p.drawPath(path);
                }
            }
            p.drawEllipse(QPointF(r.MidX * k, r.MidY * k), 5 * k, 5 * k);
        }
    }
}
BENCHMARK(BM_PlainPainterLoop)->Unit(benchmark::kMillisecond);

} // namespace

#endif
