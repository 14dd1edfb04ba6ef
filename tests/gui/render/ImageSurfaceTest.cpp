#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <cerrno>
#include <cmath>
#include <deque>
#include <numbers>
#include <vector>

#include "core/commands/render/ScreenRenderer.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/render/CurveDrawer.h"
#include "core/compute/render/RailOutline.h"
#include "core/compute/render/StraightDrawer.h"
#include "core/values/platform/AtomicFile.h"
#include "core/values/platform/ConsoleUiHost.h"
#include "gui/render/ImageFileWriter.h"
#include "gui/render/ImageSurface.h"

namespace ferrovane::gui {
namespace {

const QRgb WhitePixel = qRgb(255, 255, 255);
const render::Colour RailBlue = 0x800000;

bool IsColour(const QImage& image, int x, int y, render::Colour colour) {
    return image.valid(x, y) && image.pixel(x, y) == ToQColor(colour).rgb();
}

int CountColour(const QImage& image, const QRect& area, render::Colour colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += IsColour(image, x, y, colour);
    return n;
}

int CountNonWhite(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) != WhitePixel;
    return n;
}

// What a flood fill from the seed bounded by the colour would paint.
void FloodFill(QImage& image, QPoint seed, render::Colour colour) {
    const QRgb c = ToQColor(colour).rgb();
    std::deque<QPoint> todo{seed};
    while (!todo.empty()) {
        const QPoint p = todo.front();
        todo.pop_front();
        if (!image.valid(p) || image.pixel(p) == c) continue;
        image.setPixel(p, c);
        todo.push_back(p + QPoint(1, 0));
        todo.push_back(p - QPoint(1, 0));
        todo.push_back(p + QPoint(0, 1));
        todo.push_back(p - QPoint(0, 1));
    }
}

struct Rails {
    std::vector<model::Rail> rails = std::vector<model::Rail>(2);
    app::Settings settings;
    render::DrawContext Context() const { return {rails, settings, {}, false}; }
};

model::Rail StraightRail(float x0, float y0, float x1, float y1) {
    model::Rail r;
    r.Valid = true;
    r.Kind = 0;
    r.C1X = x0, r.C1Y = y0, r.C2X = x0, r.C2Y = y1, r.C3X = x1, r.C3Y = y1, r.C4X = x1, r.C4Y = y0;
    r.MidX = (x0 + x1) / 2, r.MidY = (y0 + y1) / 2;
    r.Color = RailBlue;
    return r;
}

model::Rail QuarterCurve(float cx, float cy, float radius) {
    model::Rail r;
    r.Valid = true;
    r.Kind = 1;
    r.CenterX = cx, r.CenterY = cy, r.Radius = radius;
    r.ArcStart = 0, r.ArcSweep = static_cast<float>(std::numbers::pi / 2);
    r.C1X = cx + radius - 5, r.C1Y = cy, r.C2X = cx + radius + 5, r.C2Y = cy;
    r.C3X = cx, r.C3Y = cy - radius - 5, r.C4X = cx, r.C4Y = cy - radius + 5;
    r.MidX = cx + radius * 0.7071f, r.MidY = cy - radius * 0.7071f;
    r.Color = 0x00FF00;
    return r;
}

TEST(ImageSurfaceTest, CurveArcLiesInsideItsSweepOnly) {
    Rails r;
    r.rails[1] = QuarterCurve(100, 100, 60);
    for (int dir : {0, 255}) {
        r.rails[1].Dir = static_cast<std::uint8_t>(dir);
        ImageSurface s(200, 200);
        render::DrawCurveRail(r.Context(), 1, 0x00FF00, s, false);
        const QImage& image = s.Image();
        const int drawn = CountColour(image, image.rect(), 0x00FF00);
        ASSERT_GT(drawn, 100);
        // Dir 0 runs counter-clockwise from east to north: the upper right quadrant.
        // Dir 255 is the mirrored arc, from A + pi - S to A + pi: north to west.
        const QRect inside = dir == 0 ? QRect(99, 34, 68, 68) : QRect(34, 34, 68, 68);
        const int within = CountColour(image, inside, 0x00FF00);
        const int endLines = dir == 0 ? 0 : 22; // the end lines stay at C1-C2 and C3-C4
        EXPECT_GE(within + endLines, drawn) << dir;
        // Both edges are there at 45 degrees on the sweep's side.
        const int sign = dir == 0 ? 1 : -1;
        for (float radius : {55.0f, 65.0f}) {
            const int x = static_cast<int>(std::lround(100 + sign * radius * 0.70710678));
            const int y = static_cast<int>(std::lround(100 - radius * 0.70710678));
            EXPECT_GT(CountColour(image, QRect(x - 1, y - 1, 3, 3), 0x00FF00), 0) << dir;
        }
    }
}

TEST(ImageSurfaceTest, FillRailPaintsWhatAFloodFillOfTheClosedOutlineWould) {
    const render::Colour highlight = 0xFF0000;
    for (int kind : {0, 1}) {
        Rails r;
        r.rails[1] =
            kind == 0 ? StraightRail(20.3f, 30.6f, 170.2f, 52.4f) : QuarterCurve(40, 160, 110);
        ImageSurface flooded(200, 200), filled(200, 200);
        for (ImageSurface* s : {&flooded, &filled}) {
            if (kind == 0)
                render::DrawStraightRail(r.Context(), 1, highlight, *s, false);
            else
                render::DrawCurveRail(r.Context(), 1, highlight, *s, false);
        }
        render::FillRail(r.Context(), 1, highlight, filled);
        QImage expected = flooded.Image();
        FloodFill(expected,
                  QPoint(static_cast<int>(std::lround(r.rails[1].MidX)),
                         static_cast<int>(std::lround(r.rails[1].MidY))),
                  highlight);
        const QImage& actual = filled.Image();
        int differ = 0, painted = 0;
        for (int y = 0; y < 200; ++y) {
            for (int x = 0; x < 200; ++x) {
                differ += expected.pixel(x, y) != actual.pixel(x, y);
                painted += actual.pixel(x, y) != WhitePixel;
            }
        }
        EXPECT_GT(painted, kind == 0 ? 3200 : 1700) << kind;
        EXPECT_EQ(differ, 0) << kind;
    }
}

TEST(ImageSurfaceTest, FlexFillStaysOnTheBand) {
    Rails r;
    model::Rail& flex = r.rails[1];
    flex.Valid = true;
    flex.Kind = 3;
    flex.X0 = 20, flex.Y0 = 180, flex.C1X = 20, flex.C1Y = 20, flex.C2X = 180, flex.C2Y = 20;
    flex.X1 = 180, flex.Y1 = 180;
    flex.MidX = 100, flex.MidY = 180; // off the track, in the open middle
    ImageSurface s(200, 200);
    render::FillRail(r.Context(), 1, 0xFF0000, s);
    const QImage& image = s.Image();
    EXPECT_TRUE(image.pixel(100, 180) == WhitePixel);
    EXPECT_TRUE(image.pixel(100, 100) == WhitePixel);
    EXPECT_TRUE(IsColour(image, 100, 60, 0xFF0000)); // the curve's top: B(0.5) = (100, 60)
    EXPECT_LT(CountNonWhite(image), 200 * 200 / 8);
}

struct Board {
    platform::ConsoleUiHost host{stderr};
    app::Workspace ws{host};
    ImageSurface back{1, 1};
    ImageSurface main{200, 200};
    render::ScreenRenderer renderer{ws, back, main};
    Board() {
        ws.Layout.LayoutWidth = 400;
        ws.Layout.LayoutHeight = 400;
        ws.View.IsGrid = false;
        ws.Redraw = &renderer;
        renderer.ChangeZoomie();
    }
    int Add(const model::Rail& rail) {
        ws.Layout.AppendRail() = rail;
        return ws.Layout.RailCount;
    }
};

TEST(ScreenRenderingTest, VisibleWindowIsTheBackScreenFromTheScrollPosition) {
    Board b;
    b.Add(StraightRail(250, 250, 350, 260));
    b.renderer.ReDrawBackScreen();
    b.ws.View.HScroll.Value = 200;
    b.ws.View.VScroll.Value = 200;
    b.renderer.SetScroll();
    const QImage& shown = b.main.Image();
    const QImage& back = b.back.Image();
    for (QPoint p : {QPoint(50, 50), QPoint(100, 55), QPoint(150, 60), QPoint(0, 0)}) {
        EXPECT_EQ(shown.pixel(p), back.pixel(p + QPoint(200, 200))) << p.x() << "," << p.y();
    }
    // Beyond the board's image the window is white.
    EXPECT_EQ(shown.pixel(199, 199), back.pixel(399, 399));
    b.ws.View.HScroll.Value = 300;
    b.renderer.SetScroll();
    EXPECT_EQ(b.main.Image().pixel(150, 50), WhitePixel);
}

TEST(ImageFileWriterTest, WritesTheFormatTheNameAsksForAndReportsFailure) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ImageSurface s(30, 20);
    s.Line({0, 0}, {29, 19}, 0x0000FF);
    s.Flush();
    struct Case {
        const char* name;
        const char* format;
    };
    for (const Case c : {Case{"plan.bmp", "bmp"}, Case{"plan.JPG", "jpeg"}, Case{"plan.png", "png"},
                         Case{"plan.png.bmp", "bmp"}, Case{"plan.jpg.bmp", "jpeg"}}) {
        const std::string path = dir.filePath(c.name).toStdString();
        document::FileError error;
        ASSERT_TRUE(WriteImageFile(s.Image(), path, output::ImageFormatForName(path), error))
            << c.name;
        QImageReader reader(QString::fromStdString(path));
        reader.setDecideFormatFromContent(true);
        EXPECT_EQ(reader.format().toStdString(), c.format) << c.name;
        EXPECT_EQ(reader.size(), QSize(30, 20));
    }
    const std::string missing = dir.filePath("no/such/dir/plan.png").toStdString();
    document::FileError error;
    EXPECT_FALSE(WriteImageFile(s.Image(), missing, output::ImageFormat::Png, error));
    EXPECT_EQ(error.Number, document::ErrFileNotFound);
    EXPECT_EQ(error.Description,
              "ファイルが見つかりません。 保存先のフォルダーがありません。 (" + missing + ")");
    EXPECT_FALSE(QDir(dir.path()).exists("no"));
}

// PNG encoders do not all report a failed last write; the image is therefore encoded
// in memory and written by the program's own writer, which does.
TEST(ImageFileWriter, FullDiskAtTheLastBlockKeepsTheOldImage) {
    QTemporaryDir dir;
    ImageSurface s(300, 200);
    s.Line({0, 0}, {299, 199}, 0x0000FF);
    s.Flush();
    const std::string path = dir.filePath("plan.png").toStdString();
    document::FileError error;
    ASSERT_TRUE(WriteImageFile(s.Image(), path, output::ImageFormat::Png, error));
    QFile written(QString::fromStdString(path));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray old = written.readAll();
    written.close();
    s.Line({0, 199}, {299, 0}, 0xFF0000);
    s.Flush();
    for (const auto format : {output::ImageFormat::Png, output::ImageFormat::Bmp}) {
        platform::LimitWritesForTesting(static_cast<std::size_t>(old.size()) - 1, ENOSPC);
        EXPECT_FALSE(WriteImageFile(s.Image(), path, format, error));
        platform::ResetWriteLimitForTesting();
        EXPECT_EQ(error.Number, document::ErrDiskFull);
        EXPECT_EQ(error.Description, "ディスクの空き容量が不足しています。 (" + path + ")");
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(written.readAll(), old);
        written.close();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
}

} // namespace
} // namespace ferrovane::gui
