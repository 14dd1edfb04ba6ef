#include <gtest/gtest.h>

#include <vector>

#include "gui/render/ImageSurface.h"

namespace ferrovane::gui {
namespace {

const QRgb WhitePixel = qRgb(255, 255, 255);
const render::Colour RailBlue = 0x800000;

// Physical rows of the image's column x that are not white.
std::vector<int> InkedRows(const QImage& image, int x) {
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixel(x, y) != WhitePixel) rows.push_back(y);
    return rows;
}

// What the same drawing at ratio 1 becomes at ratio r: each row r rows.
std::vector<int> Spread(const std::vector<int>& rows, int r) {
    std::vector<int> out;
    for (int y : rows)
        for (int i = 0; i < r; ++i)
            out.push_back(y * r + i);
    return out;
}

// Whether the ratio-r image shows the ratio-1 image pixel for pixel, each pixel r by r.
int DifferingPixels(const QImage& flat, const QImage& dense, int r) {
    int differ = 0;
    for (int y = 0; y < dense.height(); ++y)
        for (int x = 0; x < dense.width(); ++x)
            differ += dense.pixel(x, y) != flat.pixel(x / r, y / r);
    return differ;
}

// A few axis-parallel lines of every pen width and a filled square: drawings whose
// pixels do not depend on how the rasteriser rounds a slope.
void DrawAxisParallel(ImageSurface& s) {
    for (int width : {1, 2, 3}) {
        s.SetDrawWidth(width);
        const auto at = static_cast<float>(10 + 14 * width);
        s.Line({5, at}, {70, at}, RailBlue);
        s.Line({at + 40, 5}, {at + 40, 50}, 0x00FF00);
    }
    render::Contour square;
    for (model::Point p : {model::Point{80, 60}, {95, 60}, {95, 75}, {80, 75}})
        square.push_back({false, p, {}, 0, 0, 0});
    s.Fill({square}, 0x0000FF);
}

TEST(ImageSurfaceRatioTest, SizesStayInDeviceIndependentPixels) {
    ImageSurface s(120, 90);
    EXPECT_FALSE(s.SetDevicePixelRatio(1.0));
    EXPECT_TRUE(s.SetDevicePixelRatio(2.0));
    EXPECT_EQ(s.PixelWidth(), 120);
    EXPECT_EQ(s.PixelHeight(), 90);
    EXPECT_EQ(s.Image().size(), QSize(240, 180));
    EXPECT_EQ(s.Image().devicePixelRatio(), 2.0);
    EXPECT_FALSE(s.SetDevicePixelRatio(2.0));
    ASSERT_TRUE(s.Resize(50, 30));
    EXPECT_EQ(s.Image().size(), QSize(100, 60));
    EXPECT_EQ(s.ScaleWidth(), 50);
    // A fractional ratio covers the whole surface; nonsense gives one pixel per pixel.
    EXPECT_TRUE(s.SetDevicePixelRatio(1.5));
    EXPECT_EQ(s.Image().size(), QSize(75, 45));
    for (double bad : {0.0, -2.0, 0.5, 1e9}) {
        s.SetDevicePixelRatio(bad);
        EXPECT_EQ(s.DevicePixelRatio(), 1.0) << bad;
        EXPECT_EQ(s.Image().size(), QSize(50, 30)) << bad;
    }
}

TEST(ImageSurfaceRatioTest, ARatioChangeRemakesTheImageWhite) {
    ImageSurface s(40, 40);
    s.Line({0, 20}, {39, 20}, RailBlue);
    ASSERT_TRUE(s.SetDevicePixelRatio(2.0));
    s.Flush();
    EXPECT_TRUE(InkedRows(s.Image(), 40).empty());
}

TEST(ImageSurfaceRatioTest, ARailLineKeepsItsPlaceAndWidthInDeviceIndependentPixels) {
    struct Case {
        int width;
        float scale;
    };
    for (const Case c : {Case{1, 1}, Case{2, 1}, Case{3, 1}, Case{2, 4}, Case{3, 1.3333334f}}) {
        ImageSurface flat(100, 100), dense(100, 100);
        dense.SetDevicePixelRatio(2.0);
        for (ImageSurface* s : {&flat, &dense}) {
            s->SetScale(c.scale);
            s->SetDrawWidth(c.width);
            s->Line({10 * c.scale, 50 * c.scale}, {90 * c.scale, 50 * c.scale}, RailBlue);
            s->Flush();
        }
        const std::vector<int> rows = InkedRows(flat.Image(), 50);
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(c.width));
        EXPECT_EQ(flat.Image().pixel(50, rows[0]), qRgb(0, 0, 128)); // red in the low byte
        EXPECT_TRUE(InkedRows(flat.Image(), 95).empty()) << "past the line's end";
        EXPECT_EQ(InkedRows(dense.Image(), 100), Spread(rows, 2))
            << "width " << c.width << " scale " << c.scale;
        EXPECT_EQ(dense.Image().pixel(100, 2 * rows[0]), ToQColor(RailBlue).rgb());
    }
}

TEST(ImageSurfaceRatioTest, AxisParallelDrawingIsTheFlatOneAtTwiceTheResolution) {
    ImageSurface flat(120, 90), dense(120, 90);
    dense.SetDevicePixelRatio(2.0);
    DrawAxisParallel(flat);
    DrawAxisParallel(dense);
    flat.Flush();
    dense.Flush();
    EXPECT_EQ(DifferingPixels(flat.Image(), dense.Image(), 2), 0);
}

TEST(ImageSurfaceRatioTest, CopyAtAScrollOffsetShowsTheSameLogicalWindow) {
    struct Case {
        double backRatio;
        double mainRatio;
        int sx;
        int sy;
    };
    for (const Case c : {Case{2, 2, 37, 21}, Case{2, 2, 0, 0}, Case{2, 2, 90, 70},
                         Case{1, 2, 37, 21}, Case{2, 1, 37, 21}}) {
        ImageSurface flatBack(120, 90), flatMain(60, 40);
        ImageSurface back(120, 90), main(60, 40);
        back.SetDevicePixelRatio(c.backRatio);
        main.SetDevicePixelRatio(c.mainRatio);
        DrawAxisParallel(flatBack);
        DrawAxisParallel(back);
        main.Line({0, 0}, {59, 39}, 0xFF0000); // stale content the copy must replace
        flatMain.CopyFrom(flatBack, c.sx, c.sy);
        main.CopyFrom(back, c.sx, c.sy);
        flatMain.Flush();
        main.Flush();
        EXPECT_EQ(DifferingPixels(flatMain.Image(), main.Image(), static_cast<int>(c.mainRatio)), 0)
            << c.backRatio << " -> " << c.mainRatio << " at " << c.sx << "," << c.sy;
    }
}

TEST(ImageSurfaceRatioTest, AnImagePastTheSizeCapStaysAtOnePixelPerPixel) {
    ImageSurface s(10, 10);
    s.SetDevicePixelRatio(2.0);
    ASSERT_TRUE(s.Resize(4100, 4100)); // 4 bytes x 8200^2 would pass 256 MB
    EXPECT_EQ(s.DevicePixelRatio(), 1.0);
    EXPECT_EQ(s.Image().size(), QSize(4100, 4100));
    ASSERT_TRUE(s.Resize(100, 100)); // and small again it is sharp again
    EXPECT_EQ(s.DevicePixelRatio(), 2.0);
    EXPECT_EQ(s.PixelWidth(), 100);
}

} // namespace
} // namespace ferrovane::gui
