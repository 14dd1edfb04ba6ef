#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <vector>

#include "gui/render/ImageSurface.h"
#include "gui/render/SmoothLine.h"

namespace ferrovane::gui {
namespace {

const QRect Everywhere(-1000, -1000, 4000, 4000);

QImage White(int w = 20, int h = 12) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// How much of the black line a pixel took: 0 (white) to 255 (black).
int Ink(const QImage& image, int x, int y) {
    return 255 - qRed(image.pixel(x, y));
}

std::vector<QPoint> Inked(const QImage& image) {
    std::vector<QPoint> pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Ink(image, x, y) > 0) pixels.emplace_back(x, y);
    return pixels;
}

TEST(SmoothLineTest, CoverageFallsOnThePixelsTheLineCrosses) {
    struct Case {
        const char* what;
        double x0, y0, x1, y1;
        std::vector<QPoint> full; // black
        std::vector<QPoint> half; // about half covered
    };
    const Case cases[] = {
        // Through pixel centres, the square ends half a pixel further on.
        {"along a row", 2.5, 5.5, 5.5, 5.5, {{2, 5}, {3, 5}, {4, 5}, {5, 5}}, {}},
        {"down a column", 7.5, 1.5, 7.5, 3.5, {{7, 1}, {7, 2}, {7, 3}}, {}},
        // On the edge between two rows: both half covered.
        {"between rows", 2.5, 5.0, 4.5, 5.0, {}, {{2, 4}, {3, 4}, {4, 4}, {2, 5}, {3, 5}, {4, 5}}},
        // A point is a pixel square.
        {"a point", 3.5, 3.5, 3.5, 3.5, {{3, 3}}, {}},
    };
    for (const Case& c : cases) {
        QImage image = White();
        ASSERT_TRUE(DrawSmoothLine(image, 0, 0, Everywhere, c.x0, c.y0, c.x1, c.y1, qRgb(0, 0, 0)))
            << c.what;
        std::vector<QPoint> expected = c.full;
        expected.insert(expected.end(), c.half.begin(), c.half.end());
        std::vector<QPoint> inked = Inked(image);
        const auto order = [](QPoint a, QPoint b) {
            return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
        };
        std::sort(expected.begin(), expected.end(), order);
        EXPECT_EQ(inked, expected) << c.what;
        for (const QPoint p : c.full)
            EXPECT_EQ(Ink(image, p.x(), p.y()), 255) << c.what;
        for (const QPoint p : c.half)
            EXPECT_NEAR(Ink(image, p.x(), p.y()), 128, 2) << c.what;
    }
}

TEST(SmoothLineTest, ASlopingLineSharesEachColumnBetweenTwoPixels) {
    QImage image = White(40, 20);
    ASSERT_TRUE(DrawSmoothLine(image, 0, 0, Everywhere, 3.5, 2.5, 33.5, 13.7, qRgb(0, 0, 0)));
    // Between the ends every column holds one pixel's worth of ink, in at most two rows
    // next to each other.
    for (int x = 5; x <= 31; ++x) {
        int ink = 0, rows = 0, lastRow = -1;
        for (int y = 0; y < image.height(); ++y) {
            if (Ink(image, x, y) == 0) continue;
            ink += Ink(image, x, y);
            if (rows > 0) {
                EXPECT_EQ(y, lastRow + 1) << x;
            }
            lastRow = y;
            ++rows;
        }
        EXPECT_LE(rows, 2) << x;
        EXPECT_NEAR(ink, 255, 3) << x;
    }
}

TEST(SmoothLineTest, ClipAndOriginChooseThePixelsButNeverChangeThem) {
    // Each stroke drawn whole, and again as the picture from (100, 50) on, clipped to a
    // window of it.
    const QRect window(110, 58, 13, 9);
    using Draw = bool (*)(QImage&, int, int, const QRect&);
    const Draw strokes[] = {
        [](QImage& i, int ox, int oy, const QRect& clip) {
            return DrawSmoothLine(i, ox, oy, clip, ox + 1.2, oy + 27.9, ox + 38.6, oy + 3.3,
                                  qRgb(200, 40, 0));
        },
        [](QImage& i, int ox, int oy, const QRect& clip) {
            return DrawSmoothRing(i, ox, oy, clip, ox + 14.3, oy + 11.6, 4.5, qRgb(0, 90, 200));
        },
    };
    for (const Draw draw : strokes) {
        QImage whole = White(40, 30), part = White(40, 30);
        ASSERT_TRUE(draw(whole, 0, 0, Everywhere));
        ASSERT_TRUE(draw(part, 100, 50, window));
        int compared = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x) {
                const bool inside = window.contains(x + 100, y + 50);
                EXPECT_EQ(part.pixel(x, y), inside ? whole.pixel(x, y) : qRgb(255, 255, 255))
                    << x << "," << y;
                compared += inside && Ink(whole, x, y) > 0;
            }
        EXPECT_GT(compared, 5);
    }
}

TEST(SmoothLineTest, ASmallRingIsInkedAroundItsRadiusOnly) {
    struct Case {
        double cx, cy, radius;
    };
    const Case cases[] = {{10.5, 6.5, 3}, {10.2, 5.9, 1.25}, {9.0, 6.0, 5}};
    for (const Case& c : cases) {
        QImage image = White(24, 16);
        ASSERT_TRUE(DrawSmoothRing(image, 0, 0, Everywhere, c.cx, c.cy, c.radius, qRgb(0, 0, 0)));
        int inked = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const double off = std::abs(std::hypot(x + 0.5 - c.cx, y + 0.5 - c.cy) - c.radius);
                if (off >= 1.0) {
                    EXPECT_EQ(Ink(image, x, y), 0) << c.radius << " " << x << "," << y;
                } else {
                    EXPECT_NEAR(Ink(image, x, y), (1.0 - off) * 255, 2) << c.radius;
                    inked += Ink(image, x, y) > 0;
                }
            }
        // About one pixel's worth of ink per pixel of circumference.
        EXPECT_GT(inked, static_cast<int>(2 * 3.14 * c.radius));
    }
    // Larger circles are left to the painter.
    QImage image = White();
    EXPECT_FALSE(
        DrawSmoothRing(image, 0, 0, Everywhere, 10, 6, MaxSmoothRingRadius + 1, qRgb(0, 0, 0)));
    EXPECT_TRUE(Inked(image).empty());
}

TEST(SmoothLineTest, LinesItCannotTakeAreLeftUntouched) {
    QImage image = White();
    EXPECT_FALSE(DrawSmoothLine(image, 0, 0, Everywhere, 0, 0, 1e12, 5, qRgb(0, 0, 0)));
    QImage argb(20, 12, QImage::Format_ARGB32_Premultiplied);
    argb.fill(Qt::white);
    EXPECT_FALSE(DrawSmoothLine(argb, 0, 0, Everywhere, 0, 0, 10, 5, qRgb(0, 0, 0)));
    // Wholly outside the clip: nothing drawn, but nothing left to draw either.
    EXPECT_TRUE(DrawSmoothLine(image, 0, 0, QRect(15, 0, 5, 5), 1, 8, 10, 8, qRgb(0, 0, 0)));
    EXPECT_TRUE(Inked(image).empty());
}

TEST(SmoothLineTest, ASmoothedSurfaceDrawsThinLinesThisWay) {
    // Through the board's drawing surface: the same pixels as the line drawn directly.
    ImageSurface surface(20, 12);
    surface.SetSmooth(true);
    surface.SetScale(2); // layout units per pixel
    surface.Clear();
    surface.Line({5, 7}, {31, 19}, 0x000000);
    surface.Flush();
    QImage direct = White();
    ASSERT_TRUE(DrawSmoothLine(direct, 0, 0, Everywhere, 2.5, 3.5, 15.5, 9.5, qRgb(0, 0, 0)));
    EXPECT_TRUE(surface.Image() == direct);
}

} // namespace
} // namespace ferrovane::gui
