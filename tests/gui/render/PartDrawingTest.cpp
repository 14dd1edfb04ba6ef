#include <gtest/gtest.h>

#include <QImage>
#include <random>

#include "gui/render/ImageSurface.h"

namespace ferrovane::gui {
namespace {

// Random lines, arcs and circles in a few colours and both pen widths, as the rails of
// a board are drawn: thin ones in runs of one colour, now and then a wide one.
void DrawShapes(ImageSurface& surface, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> pos(-200, 600), size(0, 180), angle(0, 6.2832f);
    const render::Colour colours[] = {0x800000, 0x008000, 0x000080, 0x808080};
    for (int i = 0; i < 400; ++i) {
        const render::Colour colour = colours[(i / 7) % 4];
        surface.SetDrawWidth(i % 11 == 0 ? 3 : 1);
        const model::Point p{pos(random), pos(random)};
        switch (i % 4) {
        case 0:
        case 1:
            surface.Line(p, {p.X + size(random) - 90, p.Y + size(random) - 90}, colour);
            break;
        case 2:
            surface.Arc(p, size(random) + 1, colour, angle(random), angle(random));
            break;
        default:
            surface.Arc(p, size(random) / 20 + 0.5f, colour, 0, 0); // a whole circle
            break;
        }
    }
    surface.SetDrawWidth(1);
}

QImage Drawn(bool smooth, float scale, const QRect* part, unsigned seed) {
    ImageSurface surface(400, 300);
    surface.SetSmooth(smooth);
    surface.SetScale(scale);
    surface.Clear();
    if (part != nullptr)
        surface.KeepOnlyPixels(part->x(), part->y(), part->width(), part->height());
    DrawShapes(surface, seed);
    surface.KeepAllPixels();
    surface.Flush();
    return surface.Image();
}

TEST(PartDrawingTest, DrawingOnlyForAPartChangesNoPixelOfThatPart) {
    // While only a part is kept, thin strokes are drawn together and whatever cannot
    // reach the part is left out; the kept part must come out as drawn one by one.
    struct Case {
        bool smooth;
        float scale;
        QRect part;
    };
    const Case cases[] = {
        {false, 1, QRect(0, 0, 400, 300)},        {true, 1, QRect(0, 0, 400, 300)},
        {false, 1, QRect(120, 80, 64, 64)},       {true, 1, QRect(120, 80, 64, 64)},
        {false, 4, QRect(10, 10, 100, 50)},       {true, 4, QRect(10, 10, 100, 50)},
        {false, 0.5f, QRect(300, 200, 100, 100)},
    };
    for (const Case& c : cases) {
        for (unsigned seed = 1; seed <= 6; ++seed) {
            const QImage plain = Drawn(c.smooth, c.scale, nullptr, seed);
            const QImage part = Drawn(c.smooth, c.scale, &c.part, seed);
            int differing = 0;
            for (int y = c.part.top(); y <= c.part.bottom(); ++y)
                for (int x = c.part.left(); x <= c.part.right(); ++x)
                    differing += plain.pixel(x, y) != part.pixel(x, y);
            EXPECT_EQ(differing, 0) << "smooth " << c.smooth << " scale " << c.scale << " part "
                                    << c.part.x() << "," << c.part.y() << " seed " << seed;
        }
    }
}

} // namespace
} // namespace ferrovane::gui
