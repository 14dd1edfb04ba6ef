#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/tools/LabelTool.h"
#include "core/app/tools/ToolBoard.h"
#include "core/commands/edit/PerformUndo.h"

namespace ferrovane::editor {
namespace {

// 10 units per character, as high as the font size.
render::TextExtent FixedMetric(const render::Font& font, const std::string& text) {
    int chars = 0;
    for (char c : text)
        chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return {10.0f * static_cast<float>(chars), font.Size};
}

geometry::LabelStyle Style(float size, std::int32_t colour = 0x123456) {
    geometry::LabelStyle style;
    style.FontName = "Sans";
    style.Size = size;
    style.Color = colour;
    return style;
}

struct LabelBoard : testing::ToolBoard {
    LabelBoard() {
        PlaceFree(0, 0, 1000, 1000, 90);
        Ws.Undo.Clear();
        Layout().Modified = false;
        Redraw.BackScreenRails.clear();
    }
    EditorMode Mode() const { return Ws.Editor.AStatus; }
    const model::Rail& Preview() { return Rail(0); }

    LabelTool Tool{Board, FixedMetric};
};

TEST(LabelTool, ClickLaysTheTextAtThePointerAndThePreviewFollowsIt) {
    LabelBoard t;
    t.Tool.Open("Main", Style(12));
    EXPECT_EQ(t.Mode(), EditorMode::TextLabel);
    EXPECT_EQ(model::ModeNumber(t.Mode()), 700);
    EXPECT_EQ(t.Host.ToolBoxHides, 1);

    t.Hover(2000, 1500);
    EXPECT_TRUE(t.Preview().Valid);
    EXPECT_EQ(t.Preview().Kind, model::KindText);
    EXPECT_EQ(t.Preview().Name, "SansMain");
    EXPECT_EQ(t.Preview().C1X, 2000);
    EXPECT_EQ(t.Preview().C1Y, 1500);
    EXPECT_EQ(t.Preview().C3X, 2040);
    EXPECT_EQ(t.Preview().C3Y, 1512);
    EXPECT_EQ(t.Redraw.PreviewDraws, 1);
    EXPECT_EQ(t.View.Pointers.back(), BoardPointer::Cross);
    EXPECT_EQ(t.Layout().RailCount, 1) << "hovering lays nothing";

    // The preview follows; the window's new text shows at the next move.
    t.Tool.SetLabel("Yard", Style(20));
    t.Hover(2500, 1700);
    EXPECT_EQ(t.Preview().Name, "SansYard");
    EXPECT_EQ(t.Preview().C1X, 2500);
    EXPECT_EQ(t.Preview().C3Y, 1720);

    t.Click(3000, 1800);
    ASSERT_EQ(t.Layout().RailCount, 2);
    const model::Rail& label = t.Rail(2);
    EXPECT_TRUE(label.Valid);
    EXPECT_EQ(label.Kind, model::KindText);
    EXPECT_EQ(label.No, 2);
    EXPECT_EQ(label.Name, "SansYard");
    EXPECT_EQ(label.Length, 20);
    EXPECT_EQ(label.Color, 0x123456);
    EXPECT_EQ(label.C1X, 3000);
    EXPECT_EQ(label.C1Y, 1800);
    EXPECT_EQ(label.C3X, 3040);
    EXPECT_TRUE(t.Layout().Modified);
    EXPECT_EQ(t.Redraw.BackScreenRails, std::vector<int>{2});
    EXPECT_EQ(testing::UndoActions(t.Ws.Undo), 1);
    // The window stays open for the next label.
    EXPECT_EQ(t.Mode(), EditorMode::TextLabel);
    t.Click(3000, 2400);
    EXPECT_EQ(t.Layout().RailCount, 3);

    PerformUndo(t.Ws);
    EXPECT_FALSE(t.Rail(3).Valid);
    EXPECT_TRUE(t.Rail(2).Valid);
}

// A text of blanks or past the limit lays nothing, and the preview does not take it.
TEST(LabelTool, TextThatDoesNotFitIsNeitherShownNorLaid) {
    const struct {
        const char* what;
        std::string text;
    } cases[] = {{"empty", ""}, {"blanks", "   "}, {"81 columns", std::string(81, 'x')}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        LabelBoard t;
        t.Tool.Open(c.text, Style(12));
        EXPECT_EQ(t.Mode(), EditorMode::TextLabel);
        t.Hover(2000, 1500);
        EXPECT_FALSE(t.Preview().Valid);
        EXPECT_EQ(t.Redraw.PreviewDraws, 0);
        t.Click(2000, 1500);
        EXPECT_EQ(t.Layout().RailCount, 1);
        EXPECT_EQ(t.Ws.Undo.UndoCount(), 0);
    }
}

// Without a usable size the board refuses clicks with a beep until the window has one.
TEST(LabelTool, UnusableSizeRefusesClicksUntilCorrected) {
    const float sizes[] = {0.0f, -3.0f, 1001.0f};
    for (const float size : sizes) {
        SCOPED_TRACE(size);
        LabelBoard t;
        t.Tool.Open("Main", Style(size));
        EXPECT_EQ(t.Mode(), EditorMode::BadTextSize);
        EXPECT_EQ(model::ModeNumber(t.Mode()), 9999);
        t.Hover(2000, 1500);
        EXPECT_FALSE(t.Preview().Valid);
        EXPECT_EQ(t.View.Pointers.back(), BoardPointer::NoDrop);
        t.Click(2000, 1500);
        EXPECT_EQ(t.Host.Beeps, 1);
        EXPECT_EQ(t.Layout().RailCount, 1);
        EXPECT_EQ(t.Ws.Undo.UndoCount(), 0);

        // The size typed again: clicks lay labels.
        t.Tool.SetLabel("Main", Style(14));
        EXPECT_EQ(t.Mode(), EditorMode::TextLabel);
        t.Click(2000, 1500);
        EXPECT_EQ(t.Layout().RailCount, 2);
        EXPECT_EQ(t.Host.Beeps, 1);

        // And spoiled while open: back to refusing.
        t.Tool.SetLabel("Main", Style(size));
        EXPECT_EQ(t.Mode(), EditorMode::BadTextSize);
        t.Click(2500, 1500);
        EXPECT_EQ(t.Layout().RailCount, 2);
        EXPECT_EQ(t.Host.Beeps, 2);
    }
}

// Closing from either mode clears the preview slot and gives the board back.
TEST(LabelTool, CloseClearsThePreviewAndReturnsToPlacing) {
    for (const float size : {12.0f, 0.0f}) {
        SCOPED_TRACE(size);
        LabelBoard t;
        t.Tool.Open("Main", Style(12));
        t.Hover(2000, 1500);
        ASSERT_TRUE(t.Preview().Valid);
        t.Tool.SetLabel("Main", Style(size));
        const int refreshes = t.Redraw.Refreshes;
        t.Tool.Close();
        EXPECT_FALSE(t.Preview().Valid);
        EXPECT_EQ(t.Mode(), EditorMode::Place);
        EXPECT_EQ(model::ModeNumber(t.Mode()), 0);
        EXPECT_FALSE(t.Tool.IsOpen());
        EXPECT_EQ(t.Host.ToolBoxShows, 1);
        EXPECT_GT(t.Redraw.Refreshes, refreshes) << "the preview leaves the picture";
        t.Tool.Close();
        EXPECT_EQ(t.Host.ToolBoxShows, 1) << "a second close does nothing";

        // The window's fields changing as it goes do not take the board back.
        t.Tool.SetLabel("Main", Style(0));
        EXPECT_EQ(t.Mode(), EditorMode::Place);
        t.Tool.SetLabel("Main", Style(12));
        EXPECT_EQ(t.Mode(), EditorMode::Place);
        // The tool no longer answers the board: an empty-board click opens the
        // typed-angle window instead of laying a label.
        t.Click(3000, 3000);
        EXPECT_EQ(t.Layout().RailCount, 1);
        EXPECT_EQ(t.View.AngleWindows, 1);
    }
}

// The kind keys change the tool box's choice, but the board stays with the open window.
TEST(LabelTool, KindAndListKeysLeaveTheToolsMode) {
    for (const float size : {12.0f, 0.0f}) {
        SCOPED_TRACE(size);
        LabelBoard t;
        t.Tool.Open("Main", Style(size));
        const EditorMode mode = t.Mode();
        const PieceKind kind = t.Ws.Editor.PlaceKind;
        for (const int key :
             {KeyRightArrow, KeyRightArrow, KeyLeftArrow, KeyDownArrow, KeyUpArrow}) {
            t.Board.KeyDown(key, 0);
            EXPECT_EQ(t.Mode(), mode) << key;
        }
        EXPECT_NE(t.Ws.Editor.PlaceKind, kind);
        t.Click(2000, 1500);
        EXPECT_EQ(t.Layout().RailCount, size > 0 ? 2 : 1);
        t.Tool.Close();
        EXPECT_EQ(t.Mode(), EditorMode::Place);
    }
}

} // namespace
} // namespace ferrovane::editor
