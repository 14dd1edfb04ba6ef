// Redraw, refresh, preview and export of a large layout. Needs the Qt drawing
// surfaces; without them this file builds to nothing.
#if __has_include(<QtGui/QImage>)

#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <benchmark/benchmark.h>
#include <cmath>
#include <numbers>
#include <random>

#include "core/commands/render/ScreenRenderer.h"
#include "core/commands/workspace/Workspace.h"
#include "core/values/platform/ConsoleUiHost.h"
#include "gui/render/ImageFileWriter.h"
#include "gui/render/ImageSurface.h"

namespace {

using namespace ferrovane;

constexpr int Board = 12000;
constexpr int RailTotal = 30000;

// 30,000 straights, curves and points scattered over the board, each with the corners,
// arc data and middle point placement would store.
void FillLayout(model::Layout& layout) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> pos(400, Board - 400);
    std::uniform_real_distribution<float> turn(0, 2 * std::numbers::pi_v<float>);
    for (int i = 0; i < RailTotal; ++i) {
        model::Rail& r = layout.AppendRail();
        r.Valid = true;
        r.No = static_cast<std::int16_t>(i + 1);
        r.Color = 0x800000 + (i % 3) * 0x40;
        r.Upper = i % 10 == 0;
        const float x = pos(random), y = pos(random), a = turn(random);
        const float dx = std::cos(a), dy = -std::sin(a), nx = -dy * 5, ny = dx * 5;
        switch (i % 3) {
        case 0: // straight of 248
            r.Kind = model::KindStraight;
            r.C1X = x + nx, r.C1Y = y + ny, r.C2X = x - nx, r.C2Y = y - ny;
            r.C3X = x + 248 * dx - nx, r.C3Y = y + 248 * dy - ny;
            r.C4X = x + 248 * dx + nx, r.C4Y = y + 248 * dy + ny;
            r.MidX = x + 124 * dx, r.MidY = y + 124 * dy;
            break;
        case 1: // curve of radius 541 over 30 degrees
        case 2: // point: through track and a diverging arc
            r.Kind = i % 3 == 1 ? model::KindCurve : model::KindPoint;
            r.Radius = 541;
            r.CenterX = x, r.CenterY = y;
            r.ArcStart = a, r.ArcSweep = std::numbers::pi_v<float> / 6;
            r.Dir = i % 2 == 0 ? 0 : 255;
            r.C1X = x + 536 * std::cos(a), r.C1Y = y - 536 * std::sin(a);
            r.C2X = x + 546 * std::cos(a), r.C2Y = y - 546 * std::sin(a);
            r.C3X = x + 546 * std::cos(a + 0.5f), r.C3Y = y - 546 * std::sin(a + 0.5f);
            r.C4X = x + 536 * std::cos(a + 0.5f), r.C4Y = y - 536 * std::sin(a + 0.5f);
            r.C5X = r.C3X + 10, r.C5Y = r.C3Y, r.C6X = r.C4X + 10, r.C6Y = r.C4Y;
            r.MidX = x + 541 * std::cos(a + 0.25f), r.MidY = y - 541 * std::sin(a + 0.25f);
            break;
        }
    }
}

struct Scene {
    platform::ConsoleUiHost host{stderr};
    app::Workspace ws{host};
    gui::ImageSurface back;
    gui::ImageSurface main{1920, 1080};
    render::ScreenRenderer renderer{ws, back, main};
    Scene() {
        ws.Layout.LayoutWidth = Board;
        ws.Layout.LayoutHeight = Board;
        FillLayout(ws.Layout);
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
