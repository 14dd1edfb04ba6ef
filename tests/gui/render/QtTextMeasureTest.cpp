#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <vector>

#include "core/commands/placement/TextLabel.h"
#include "core/compute/render/TextLabelDrawer.h"
#include "core/values/settings/Settings.h"
#include "gui/render/ImageSurface.h"
#include "gui/render/QtTextMeasure.h"

namespace ferrovane::gui {
namespace {

// The box that holds every pixel of the image that is not white; empty when none is.
QRect InkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
    return box;
}

TEST(QtTextMeasure, TheLabelsBoxHoldsWhatTheSurfaceDraws) {
    const std::string family = FirstFontFamily();
    ASSERT_FALSE(family.empty());
    struct Case {
        const char* text;
        float size;
        bool bold, italic;
    };
    for (const Case& c : {Case{"Main station", 12, false, false}, Case{"Yard 7", 30, true, false},
                          Case{"HHHH", 20, false, true}}) {
        const geometry::LabelStyle style{family, c.size, c.bold, c.italic, 0};
        const model::Rail label = geometry::MakeTextLabel(40, 30, c.text, style, QtTextMeasure());
        const std::vector<model::Rail> rails{model::Rail{}, label};
        const app::Settings settings;
        ImageSurface surface(600, 200);
        render::DrawTextLabel({rails, settings, {}, false}, 1, render::Black, surface);
        surface.Flush();
        const QRect ink = InkBox(surface.Image());
        ASSERT_FALSE(ink.isEmpty()) << c.text;
        // A slanted glyph may lean a little past its advance on either side.
        const int lean = c.italic ? static_cast<int>(std::ceil(label.C3Y - label.C1Y) / 4) : 1;
        EXPECT_GE(ink.left(), std::floor(label.C1X) - lean) << c.text;
        EXPECT_GE(ink.top(), std::floor(label.C1Y)) << c.text;
        EXPECT_LE(ink.right(), std::ceil(label.C3X) + lean) << c.text;
        EXPECT_LE(ink.bottom(), std::ceil(label.C3Y)) << c.text;
        // And the box is not much larger than the text: the middle lies within the ink.
        EXPECT_TRUE(ink.contains(static_cast<int>(label.MidX), static_cast<int>(label.MidY)))
            << c.text;
        // The surface measures the same at one unit per pixel.
        surface.SetFont(render::LabelFont(label));
        const render::TextExtent e = surface.MeasureText(render::LabelText(label));
        EXPECT_FLOAT_EQ(label.C3X - label.C1X, e.Width) << c.text;
        EXPECT_FLOAT_EQ(label.C3Y - label.C1Y, e.Height) << c.text;
    }
}

} // namespace
} // namespace ferrovane::gui
