#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/commands/edit/DeleteRail.h"
#include "core/commands/edit/PerformUndo.h"
#include "core/commands/placement/Detection.h"
#include "core/commands/placement/TextLabel.h"
#include "core/compute/render/TextLabelDrawer.h"
#include "support/CatalogueFixtures.h"
#include "support/LayoutSnapshot.h"

namespace ferrovane::geometry {
namespace {

using testing::CatalogueWorkspace;

// A fixed metric: 10 units per character, as high as the font size. Every call is kept.
struct FakeMetric {
    std::vector<render::Font> Fonts;
    std::vector<std::string> Texts;

    TextMeasure Measure() {
        return [this](const render::Font& font, const std::string& text) {
            Fonts.push_back(font);
            Texts.push_back(text);
            int chars = 0;
            for (char c : text)
                chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
            return render::TextExtent{10.0f * static_cast<float>(chars), font.Size};
        };
    }
};

// The new label is drawn over the off-screen image, not with a full redraw.
struct RedrawCount : render::RedrawTarget {
    int BackScreens = 0;
    int LabelDrawn = -1;
    void ReDrawBackScreen() override { ++BackScreens; }
    void DrawRailOnBackScreen(int rail) override { LabelDrawn = rail; }
};

std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

TEST(MakeTextLabel, RecordHoldsFontTextStyleAndMeasuredExtent) {
    // The style's font name as plain characters: GCC 12 takes a table of records with a
    // string member inside a nested brace for uninitialised at -O3.
    struct StyleSpec {
        const char* FontName;
        float Size;
        bool Bold, Italic;
        std::int32_t Color;
        LabelStyle Style() const { return {FontName, Size, Bold, Italic, Color}; }
    };
    struct Case {
        const char* what;
        float x, y;
        std::string text;
        StyleSpec style;
        std::string name;     // font name and text as stored
        float radius;         // characters of the font name
        std::string measured; // the text the drawer writes
        float width, height;  // from the fake metric
        float midCellX, midCellY;
    };
    const Case cases[] = {
        {"plain",
         500,
         2000,
         "Main",
         {"Sans", 12, false, false, 0},
         "SansMain",
         4,
         "Main",
         40,
         12,
         5,
         20},
        {"full-width font name counts characters, not bytes",
         -150,
         30,
         "駅前",
         {"ＭＳ ゴシック", 9, true, true, 0x0000FF},
         "ＭＳ ゴシック駅前",
         7,
         "駅前",
         20,
         9,
         -2,
         0},
        {"blanks around the text dropped, a quote stored as the file holds it",
         0,
         0,
         "  a\"b  ",
         {"Serif", 20, false, true, 0x123456},
         "Serifa＂b",
         5,
         "a＂b",
         30,
         20,
         0,
         0},
    };
    for (const Case& c : cases) {
        FakeMetric metric;
        const model::Rail r = MakeTextLabel(c.x, c.y, c.text, c.style.Style(), metric.Measure());
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(r.Valid);
        EXPECT_EQ(r.No, 0);
        EXPECT_EQ(r.Kind, model::KindText);
        EXPECT_EQ(r.Name, c.name);
        EXPECT_EQ(r.Radius, c.radius);
        EXPECT_EQ(r.Length, c.style.Size);
        EXPECT_EQ(r.Free0, c.style.Bold);
        EXPECT_EQ(r.Free1, c.style.Italic);
        EXPECT_EQ(r.Color, c.style.Color);
        // The drawer reads back what was measured, in the font it will use.
        EXPECT_EQ(render::LabelText(r), c.measured);
        EXPECT_EQ(render::LabelFontName(r), c.style.FontName);
        ASSERT_EQ(metric.Texts, std::vector<std::string>{c.measured});
        EXPECT_EQ(metric.Fonts[0], render::LabelFont(r));
        const float right = c.x + c.width, bottom = c.y + c.height;
        EXPECT_EQ(std::vector<float>({r.C1X, r.C1Y, r.C2X, r.C2Y, r.C3X, r.C3Y, r.C4X, r.C4Y}),
                  std::vector<float>({c.x, c.y, right, c.y, right, bottom, c.x, bottom}));
        EXPECT_EQ(r.MidX, c.x + c.width / 2);
        EXPECT_EQ(r.MidY, c.y + c.height / 2);
        EXPECT_EQ(r.MidCellX, c.midCellX);
        EXPECT_EQ(r.MidCellY, c.midCellY);
    }
}

TEST(HalfWidthLength, FullWidthCountsTwo) {
    EXPECT_EQ(HalfWidthLength(""), 0);
    EXPECT_EQ(HalfWidthLength("abc 1"), 5);
    EXPECT_EQ(HalfWidthLength("駅"), 2);
    EXPECT_EQ(HalfWidthLength("ＡＢ"), 4); // full-width forms
    EXPECT_EQ(HalfWidthLength("ｴｷ"), 2);   // half-width katakana
    EXPECT_EQ(HalfWidthLength("A駅ｴ"), 4);
}

TEST(AddTextLabel, TextsWithinTheLimitAreLaidOthersChangeNothing) {
    struct Case {
        std::string text;
        bool laid;
    };
    const Case cases[] = {
        {Repeat("a", 80), true},
        {Repeat("a", 81), false},
        {Repeat("駅", 40), true},
        {Repeat("駅", 41), false},
        {Repeat("a", 79) + "駅", false},
        {"  " + Repeat("a", 80) + "  ", true}, // the blanks are not kept
        {"", false},
        {"   ", false},
    };
    for (const Case& c : cases) {
        CatalogueWorkspace t;
        FakeMetric metric;
        const auto before = testing::Snapshot(t.Layout());
        EXPECT_EQ(AddTextLabel(t.Ws, 100, 100, c.text, {"Sans", 12}, metric.Measure()), c.laid)
            << c.text;
        EXPECT_EQ(LabelTextFits(c.text), c.laid) << c.text;
        EXPECT_EQ(t.Layout().RailCount, c.laid ? 1 : 0) << c.text;
        EXPECT_EQ(t.Layout().Modified, c.laid) << c.text;
        EXPECT_EQ(t.Ws.Undo.UndoCount(), c.laid ? 1 : 0) << c.text;
        if (!c.laid) testing::ExpectRestored(before, t.Layout());
    }
}

TEST(AddTextLabel, RefusesASizeThatIsNoNumberAndAFullLayout) {
    CatalogueWorkspace t;
    FakeMetric metric;
    for (float size : {0.0f, -3.0f, std::nanf(""), INFINITY})
        EXPECT_FALSE(AddTextLabel(t.Ws, 0, 0, "x", {"Sans", size}, metric.Measure())) << size;
    EXPECT_EQ(t.Layout().RailCount, 0);
    t.Layout().RailCount = model::MaxRailCount;
    t.Layout().Rails.resize(model::MaxRailCount + 1);
    EXPECT_FALSE(AddTextLabel(t.Ws, 0, 0, "x", {"Sans", 12}, metric.Measure()));
    EXPECT_EQ(t.Layout().RailCount, model::MaxRailCount);
    ASSERT_EQ(t.Host.Messages.size(), 1u);
    EXPECT_EQ(t.Host.Messages[0].Title, "警告");
}

TEST(AddTextLabel, TheHitTestFindsItAndOneUndoTakesItBack) {
    CatalogueWorkspace t;
    t.PlaceFree(0, 0, 1000, 1000, 90);
    RedrawCount redraw;
    t.Ws.Redraw = &redraw;
    const auto before = testing::Snapshot(t.Layout());
    FakeMetric metric;
    ASSERT_TRUE(AddTextLabel(t.Ws, 300, 400, "Yard", {"Sans", 12}, metric.Measure()));
    EXPECT_EQ(redraw.BackScreens, 0);
    EXPECT_EQ(redraw.LabelDrawn, 2);
    const model::Rail& label = t.Rail(2);
    EXPECT_EQ(label.No, 2);
    EXPECT_EQ(label.Name, "SansYard");
    // The middle of the 40 by 12 text.
    auto& ed = t.Ws.Editor;
    ed.MouseX = 320, ed.MouseY = 406;
    ed.MouseCellX = model::CellOf(ed.MouseX), ed.MouseCellY = model::CellOf(ed.MouseY);
    EXPECT_EQ(DetectRail(t.Ws), DetectMiddle);
    EXPECT_EQ(ed.PointedRail, 2);

    editor::UndoCommand(t.Ws);
    testing::ExpectRestored(before, t.Layout());
    EXPECT_EQ(DetectRail(t.Ws), DetectNothing);
    t.Ws.Redraw = &render::NullRedrawTarget();
}

TEST(AddTextLabel, BoldAndItalicSurviveDeleteAndUndoBesideAFreeEnd) {
    CatalogueWorkspace t;
    // End 0 of the straight lies where a label's unused end fields point: (0, 0).
    t.PlaceFree(0, 0, 0, 0, 90);
    FakeMetric metric;
    ASSERT_TRUE(
        AddTextLabel(t.Ws, 300, 400, "Yard", {"Sans", 12, true, true, 0}, metric.Measure()));
    ASSERT_TRUE(editor::DeleteRailNo(t.Ws, 2));
    editor::UndoCommand(t.Ws);
    ASSERT_TRUE(t.Rail(2).Valid);
    EXPECT_TRUE(t.Rail(2).Free0);
    EXPECT_TRUE(t.Rail(2).Free1);
    EXPECT_TRUE(t.Rail(1).Free0) << "the label joined the straight";
}

} // namespace
} // namespace ferrovane::geometry
