#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <vector>

#include "gui/render/ImageSurface.h"
#include "gui/render/SmoothArc.h"
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

TEST(SmoothStrokeTest, CoverageFallsOnThePixelsTheLineCrosses) {
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

TEST(SmoothStrokeTest, ASlopingLineSharesEachColumnBetweenTwoPixels) {
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

TEST(SmoothStrokeTest, ClipAndOriginChooseThePixelsButNeverChangeThem) {
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
        [](QImage& i, int ox, int oy, const QRect& clip) {
            return DrawSmoothLine(i, ox, oy, clip, ox + 2.2, oy + 3.9, ox + 37.1, oy + 24.3,
                                  qRgb(0, 120, 0), 3);
        },
        [](QImage& i, int ox, int oy, const QRect& clip) {
            return DrawSmoothArc(i, ox, oy, clip, ox + 20.4, oy + 26.1, 15.3, 0.4, 2.1,
                                 qRgb(90, 0, 90));
        },
        [](QImage& i, int ox, int oy, const QRect& clip) {
            return DrawSmoothArc(i, ox, oy, clip, ox + 21.7, oy + 14.2, 9.6, 5.9, 4.4,
                                 qRgb(0, 0, 0), 3);
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

TEST(SmoothStrokeTest, ASmallRingIsInkedAroundItsRadiusOnly) {
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
}

// The same stroke through a smoothed painter, the way the painter draws it when the
// writers refuse it.
QImage PaintedArc(int w, int h, double cx, double cy, double r, double start, double sweep,
                  int width) {
    QImage image = White(w, h);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(Qt::black);
    pen.setWidth(width);
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    const QRectF rect(cx - r, cy - r, 2 * r, 2 * r);
    constexpr double degrees = 180 / std::numbers::pi;
    if (sweep >= 2 * std::numbers::pi) {
        painter.drawEllipse(rect);
    } else {
        QPainterPath path;
        path.arcMoveTo(rect, start * degrees);
        path.arcTo(rect, start * degrees, sweep * degrees);
        painter.drawPath(path);
    }
    return image;
}

int TotalInk(const QImage& image) {
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += Ink(image, x, y);
    return ink;
}

// Whether every pixel of `a` inked at least half lies within a pixel of one `b` inks.
bool HalfInkedNear(const QImage& a, const QImage& b) {
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (Ink(a, x, y) < 128) continue;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx)
                    near = b.valid(x + dx, y + dy) && Ink(b, x + dx, y + dy) > 0;
            if (!near) return false;
        }
    return true;
}

TEST(SmoothStrokeTest, ArcsLieWhereThePainterDrawsThemWithAsMuchInk) {
    constexpr double pi = std::numbers::pi;
    struct Case {
        const char* what;
        double cx, cy, r, start, sweep;
        int width;
    };
    const Case cases[] = {
        {"thin, within the upper quarter", 40.3, 44.6, 30.2, 1.7, 0.5, 1},
        {"thin, over the 45 degree points", 40.0, 40.0, 25.5, 0.2, 1.2, 1},
        {"thin, round past the start angle", 40.5, 40.5, 20.3, 5.8, 1.1, 1},
        {"thin, more than half", 41.2, 39.7, 18.4, 2.5, 4.2, 1},
        {"thin, whole", 40.0, 40.5, 33.3, 0.0, 2 * pi, 1},
        {"wide, within the lower quarter", 40.3, 20.6, 30.2, 4.3, 0.6, 3},
        {"wide, over three quarters", 39.6, 40.2, 22.7, 2.9, 2.4, 3},
        {"wide, round past the start angle", 40.5, 40.5, 26.0, 5.5, 1.9, 3},
        {"wide, whole", 40.0, 40.0, 15.5, 1.0, 2 * pi, 3},
        {"a quarter of a small circle", 40.0, 40.0, 4.5, 0.0, pi / 2, 1},
    };
    for (const Case& c : cases) {
        QImage written = White(80, 80);
        ASSERT_TRUE(DrawSmoothArc(written, 0, 0, Everywhere, c.cx, c.cy, c.r, c.start, c.sweep,
                                  qRgb(0, 0, 0), c.width))
            << c.what;
        const QImage painted = PaintedArc(80, 80, c.cx, c.cy, c.r, c.start, c.sweep, c.width);
        EXPECT_NEAR(TotalInk(written), TotalInk(painted), TotalInk(painted) * 0.07) << c.what;
        EXPECT_TRUE(HalfInkedNear(written, painted)) << c.what;
        EXPECT_TRUE(HalfInkedNear(painted, written)) << c.what;
    }
}

TEST(SmoothStrokeTest, CirclesHaveNoSeamWhereTheirQuartersMeet) {
    // Round the circle, each small part of it holds about the ink the painter gives it:
    // no pixel is inked twice or left out where one quarter hands over to the next.
    constexpr double pi = std::numbers::pi;
    const double cx = 45.3, cy = 44.8;
    for (const int width : {1, 3}) {
        const double r = 36.2;
        QImage written = White(90, 90);
        ASSERT_TRUE(
            DrawSmoothArc(written, 0, 0, Everywhere, cx, cy, r, 0, 2 * pi, qRgb(0, 0, 0), width));
        const QImage painted = PaintedArc(90, 90, cx, cy, r, 0, 2 * pi, width);
        // Sectors centred on the quarters' edges and between them.
        constexpr int sectors = 16;
        std::vector<double> ours(sectors, 0.0), theirs(sectors, 0.0);
        for (int y = 0; y < 90; ++y)
            for (int x = 0; x < 90; ++x) {
                const double a = std::atan2(cy - (y + 0.5), x + 0.5 - cx) + pi / 4 + pi / sectors;
                const int sector = static_cast<int>(std::floor(a / (2 * pi) * sectors)) % sectors;
                ours[static_cast<std::size_t>((sector + sectors) % sectors)] += Ink(written, x, y);
                theirs[static_cast<std::size_t>((sector + sectors) % sectors)] +=
                    Ink(painted, x, y);
            }
        for (int i = 0; i < sectors; ++i)
            EXPECT_NEAR(ours[static_cast<std::size_t>(i)] / theirs[static_cast<std::size_t>(i)],
                        1.0, 0.1)
                << "width " << width << " sector " << i;
    }
}

TEST(SmoothStrokeTest, AWideLineCoversItsWidthWithSquareEnds) {
    struct Case {
        const char* what;
        double x0, y0, x1, y1;
    };
    const Case cases[] = {
        {"along a row", 5.5, 10.5, 25.5, 10.5},
        {"down a column", 12.5, 3.5, 12.5, 26.5},
        {"sloping", 4.0, 5.0, 26.0, 21.0},
    };
    for (const Case& c : cases) {
        QImage image = White(32, 32);
        ASSERT_TRUE(
            DrawSmoothLine(image, 0, 0, Everywhere, c.x0, c.y0, c.x1, c.y1, qRgb(0, 0, 0), 3))
            << c.what;
        // A rectangle three pixels wide and three longer than the line.
        const double length = std::hypot(c.x1 - c.x0, c.y1 - c.y0);
        EXPECT_NEAR(TotalInk(image) / 255.0, 3 * (length + 3), 0.04 * 3 * (length + 3)) << c.what;
        // The middle of the line is black, and so is one pixel either side of it.
        const double mx = (c.x0 + c.x1) / 2, my = (c.y0 + c.y1) / 2;
        const double nx = -(c.y1 - c.y0) / length, ny = (c.x1 - c.x0) / length;
        for (const int side : {-1, 0, 1})
            EXPECT_EQ(
                Ink(image, static_cast<int>(mx + side * nx), static_cast<int>(my + side * ny)), 255)
                << c.what << " " << side;
    }
    // The pixels two past an end of the horizontal line are white, those within it black.
    QImage image = White(32, 32);
    ASSERT_TRUE(DrawSmoothLine(image, 0, 0, Everywhere, 5.5, 10.5, 25.5, 10.5, qRgb(0, 0, 0), 3));
    EXPECT_EQ(Ink(image, 4, 10), 255);
    EXPECT_EQ(Ink(image, 3, 10), 0);
    EXPECT_EQ(Ink(image, 26, 11), 255);
    EXPECT_EQ(Ink(image, 27, 11), 0);
}

TEST(SmoothStrokeTest, StrokesItCannotTakeAreLeftUntouched) {
    QImage argb(40, 40, QImage::Format_ARGB32_Premultiplied);
    argb.fill(Qt::white);
    QImage image = White(40, 40);
    struct Case {
        const char* what;
        QImage* target;
        bool (*draw)(QImage&);
    };
    const Case cases[] = {
        {"a line too far out", &image,
         [](QImage& i) { return DrawSmoothLine(i, 0, 0, Everywhere, 0, 0, 1e12, 5, 0); }},
        {"a line on an image of another format", &argb,
         [](QImage& i) { return DrawSmoothLine(i, 0, 0, Everywhere, 0, 0, 10, 5, 0); }},
        {"a ring larger than the small marks", &image,
         [](QImage& i) {
             return DrawSmoothRing(i, 0, 0, Everywhere, 10, 6, MaxSmoothRingRadius + 1, 0);
         }},
        {"a pen wider than the writers take", &image,
         [](QImage& i) {
             return DrawSmoothLine(i, 0, 0, Everywhere, 1, 1, 30, 20, 0, MaxSmoothWidth + 1);
         }},
        {"an arc of a pen wider than they take", &image,
         [](QImage& i) {
             return DrawSmoothArc(i, 0, 0, Everywhere, 20, 20, 10, 0, 1, 0, MaxSmoothWidth + 1);
         }},
        {"a circle hardly wider than its pen", &image,
         [](QImage& i) { return DrawSmoothArc(i, 0, 0, Everywhere, 20, 20, 3.5, 0, 1, 0, 3); }},
        {"no sweep", &image,
         [](QImage& i) { return DrawSmoothArc(i, 0, 0, Everywhere, 20, 20, 10, 1, 0, 0); }},
        {"a circle too far out", &image,
         [](QImage& i) { return DrawSmoothArc(i, 0, 0, Everywhere, 1e12, 20, 10, 0, 1, 0); }},
        {"an image of another format", &argb,
         [](QImage& i) { return DrawSmoothArc(i, 0, 0, Everywhere, 20, 20, 10, 0, 1, 0); }},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(c.draw(*c.target)) << c.what;
        EXPECT_TRUE(Inked(image).empty()) << c.what;
    }
    EXPECT_EQ(argb.pixel(20, 10), qRgb(255, 255, 255));
    EXPECT_EQ(argb.pixel(5, 2), qRgb(255, 255, 255));
    // Wholly outside the clip: nothing drawn, but nothing left to draw either.
    EXPECT_TRUE(DrawSmoothLine(image, 0, 0, QRect(15, 0, 5, 5), 1, 8, 10, 8, qRgb(0, 0, 0)));
    EXPECT_TRUE(Inked(image).empty());
}

TEST(SmoothStrokeTest, ASmoothedSurfaceWritesItsStrokesThisWay) {
    // Through the board's drawing surface, a rail's pen, an elevated rail's pen and a
    // curve: the same pixels as drawn directly.
    ImageSurface surface(40, 40);
    surface.SetSmooth(true);
    surface.SetScale(2); // layout units per pixel
    surface.Clear();
    surface.Line({5, 57}, {31, 69}, 0x000000);
    surface.SetDrawWidth(3);
    surface.Line({5, 7}, {61, 39}, 0x000000);
    surface.SetDrawWidth(1);
    surface.Arc({40, 42}, 30, 0x0000ff, 0.5F, 2.0F);
    surface.SetDrawWidth(3);
    surface.Arc({40, 42}, 20, 0x00ff00, 0.0F, 0.0F);
    surface.Flush();
    QImage direct = White(40, 40);
    ASSERT_TRUE(DrawSmoothLine(direct, 0, 0, Everywhere, 2.5, 28.5, 15.5, 34.5, qRgb(0, 0, 0)));
    ASSERT_TRUE(DrawSmoothLine(direct, 0, 0, Everywhere, 2.5, 3.5, 30.5, 19.5, qRgb(0, 0, 0), 3));
    ASSERT_TRUE(
        DrawSmoothArc(direct, 0, 0, Everywhere, 20, 21, 15, 0.5F, 2.0F - 0.5F, qRgb(255, 0, 0)));
    ASSERT_TRUE(DrawSmoothArc(direct, 0, 0, Everywhere, 20, 21, 10, 0, 2 * std::numbers::pi,
                              qRgb(0, 255, 0), 3));
    EXPECT_TRUE(surface.Image() == direct);

    // Two physical pixels per pixel: the pen twice as wide, an odd pen moved half a
    // pixel to cover the pixels right and below its coordinates as at one to one.
    ImageSurface dense(20, 12);
    dense.SetDevicePixelRatio(2);
    dense.SetSmooth(true);
    dense.SetScale(2);
    dense.Clear();
    dense.Line({5, 7}, {31, 19}, 0x000000);
    dense.Flush();
    QImage denseDirect = White(40, 24);
    ASSERT_TRUE(DrawSmoothLine(denseDirect, 0, 0, Everywhere, 6, 8, 32, 20, qRgb(0, 0, 0), 2));
    EXPECT_TRUE(dense.Image() == denseDirect);
}

TEST(SmoothStrokeTest, AnyStrokeWritesOnlyWithinClipAndImageTheSamePixelsAsWhole) {
    // Strokes of every kind, anywhere near or across a small image whose part of the
    // picture and clip vary: nothing is written outside the clip or the image (the
    // sanitizers watch the memory), and what is written equals the whole picture's.
    std::mt19937 random(17);
    const auto real = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    };
    const auto whole = [&](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(random);
    };
    for (int i = 0; i < 400; ++i) {
        const int ox = whole(-30, 30), oy = whole(-30, 30);
        const QRect clip(ox + whole(-5, 20), oy + whole(-5, 20), whole(0, 30), whole(0, 30));
        const double x0 = real(-60, 90), y0 = real(-60, 90), x1 = real(-60, 90), y1 = real(-60, 90);
        const double radius = real(0.5, 80), start = real(-10, 10), sweep = real(0, 7);
        const int width = whole(1, MaxSmoothWidth);
        const int kind = i % 3;
        const auto draw = [&](QImage& image, int x, int y, const QRect& within) {
            if (kind == 0)
                return DrawSmoothLine(image, x, y, within, x0, y0, x1, y1, qRgb(0, 0, 0), width);
            if (kind == 1)
                return DrawSmoothArc(image, x, y, within, x0, y0, radius, start, sweep,
                                     qRgb(0, 0, 0), width);
            return DrawSmoothRing(image, x, y, within, x0, y0, radius / 10, qRgb(0, 0, 0));
        };
        // The whole picture around the image, from (-150, -150) on.
        QImage all = White(300, 300), part = White(24, 20);
        const bool drawn = draw(all, -150, -150, Everywhere);
        ASSERT_EQ(draw(part, ox, oy, clip), drawn) << i;
        for (int y = 0; y < part.height(); ++y)
            for (int x = 0; x < part.width(); ++x) {
                const bool written = drawn && clip.contains(x + ox, y + oy);
                ASSERT_EQ(part.pixel(x, y),
                          written ? all.pixel(x + ox + 150, y + oy + 150) : qRgb(255, 255, 255))
                    << "stroke " << i << " kind " << kind << " at " << x << "," << y;
            }
    }
}

// The board's surface with the painter drawing every stroke.
class PaintedSurface : public ImageSurface {
public:
    using ImageSurface::ImageSurface;

protected:
    QImage* DirectImage() override { return nullptr; }
};

// A piece of track of each kind on a smoothed surface of that density.
template <class Surface> QImage TrackPieces(double ratio) {
    Surface surface(60, 50);
    surface.SetDevicePixelRatio(ratio);
    surface.SetSmooth(true);
    surface.SetScale(2);
    surface.Clear();
    for (const int width : {1, 3}) {
        const float dy = width == 1 ? 0.0F : 40.0F;
        surface.SetDrawWidth(width);
        surface.Line({6, 9 + dy}, {52, 31 + dy}, 0x000000);
        surface.Arc({70, 90 + dy}, 60, 0x000000, 0.9F, 1.9F);
        surface.Arc({90, 20 + dy}, 9, 0x000000, 0.0F, 0.0F);
    }
    surface.Flush();
    return surface.Image();
}

TEST(SmoothStrokeTest, OnADenseScreenStrokesAreWrittenWhereThePainterDrawsThem) {
    for (const double ratio : {1.0, 2.0, 3.0}) {
        const QImage written = TrackPieces<ImageSurface>(ratio);
        const QImage painted = TrackPieces<PaintedSurface>(ratio);
        ASSERT_EQ(written.size(), painted.size());
        EXPECT_EQ(written.width(), static_cast<int>(60 * ratio));
        EXPECT_NEAR(TotalInk(written), TotalInk(painted), TotalInk(painted) * 0.07) << ratio;
        EXPECT_TRUE(HalfInkedNear(written, painted)) << ratio;
        EXPECT_TRUE(HalfInkedNear(painted, written)) << ratio;
    }
}

} // namespace
} // namespace ferrovane::gui
