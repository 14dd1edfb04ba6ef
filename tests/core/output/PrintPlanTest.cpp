#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/commands/output/PrintPlan.h"
#include "core/commands/workspace/Workspace.h"
#include "core/render/RecordingSurface.h"
#include "support/FakeUiHost.h"
#include "support/LayoutFixtures.h"

namespace ferrovane::output {
namespace {

using testing::CallsOf;
using testing::RecordingSurface;

constexpr PaperArea A4Portrait{190, 277};
constexpr render::Colour RailColour = 0x0000AA;
constexpr render::Colour MarkGrey = 0xA0A0A0;

// A board of 1000 by 600. At 1:1 on A4Portrait the sheets are 6 columns by 3 rows:
// column c (from 0) covers x from -45 + 180 c to 145 + 180 c, row r covers y from
// -105.5 + 267 r to 171.5 + 267 r.
struct PlanBoard {
    testing::FakeUiHost host;
    app::Workspace ws{host};

    PlanBoard() {
        ws.Layout.LayoutWidth = 1000;
        ws.Layout.LayoutHeight = 600;
    }
    int AddStraight(float x, float y, float length) {
        model::Rail& r = ws.Layout.AppendRail();
        r = testing::layouts::Straight(ws.Layout.RailCount, x, y, length);
        r.Color = RailColour;
        return ws.Layout.RailCount;
    }
    int AddLabel(float x, float y, const std::string& text) {
        model::Rail& label = ws.Layout.AppendRail();
        label.Valid = true;
        label.No = static_cast<std::int16_t>(ws.Layout.RailCount);
        label.Kind = model::KindText;
        label.Name = "Sans" + text;
        label.Radius = 4; // the font name's length
        label.Length = 12;
        label.Color = 0x00FF00;
        label.C1X = x, label.C1Y = y, label.C2X = x + 40, label.C2Y = y;
        label.C3X = x + 40, label.C3Y = y + 12, label.C4X = x, label.C4Y = y + 12;
        label.MidX = x + 20, label.MidY = y + 6;
        model::UpdateCells(label);
        return ws.Layout.RailCount;
    }
    // Rail 1 only on sheet 1-3; rail 2 across sheets 2-3 and 2-4; rail 3 deleted (it
    // alone would reach sheet 3-6).
    void LayThree() {
        AddStraight(400, 50, 20);
        AddStraight(490, 300, 20);
        AddStraight(900, 550, 20);
        ws.Layout.Rails[3].Valid = false;
    }
};

std::vector<std::string> Names(const PrintPlan& plan) {
    std::vector<std::string> names;
    for (const PlanPage& page : plan.Pages)
        names.push_back(PageName(page.Page));
    return names;
}

TEST(PrintPlan, SheetsAreTheReachedOnesWithTheirRailsAndTheCountHasThePartsList) {
    PlanBoard b;
    b.LayThree();
    PrintSettings settings;
    settings.ScaleDenominator = 1;
    const PrintPlan skipping = MakePrintPlan(b.ws, A4Portrait, settings);
    ASSERT_EQ(Names(skipping), (std::vector<std::string>{"1-3", "2-3", "2-4"}));
    EXPECT_EQ(skipping.Pages[0].Rails, std::vector<int>{1});
    EXPECT_EQ(skipping.Pages[1].Rails, std::vector<int>{2});
    EXPECT_EQ(skipping.Pages[2].Rails, std::vector<int>{2});
    EXPECT_EQ(skipping.SheetCount(), 3);

    settings.PartsPage = true;
    EXPECT_EQ(MakePrintPlan(b.ws, A4Portrait, settings).SheetCount(), 4);

    settings.SkipEmptyPages = false;
    settings.PartsPage = false;
    const PrintPlan every = MakePrintPlan(b.ws, A4Portrait, settings);
    ASSERT_EQ(every.Pages.size(), 18u);
    EXPECT_EQ(every.SheetCount(), 18);
    int withRails = 0;
    for (const PlanPage& page : every.Pages) {
        EXPECT_EQ(page.Page.HasRails, !page.Rails.empty()) << PageName(page.Page);
        withRails += page.Page.HasRails ? 1 : 0;
    }
    EXPECT_EQ(withRails, 3);
    EXPECT_EQ(every.Pages[2].Rails, std::vector<int>{1}); // 1-3, row by row
    EXPECT_TRUE(every.Pages[17].Rails.empty());           // 3-6: only the deleted rail
}

TEST(PrintPlan, OneSheetWhenFittedOrWhenNothingIsOnAnySheet) {
    struct Case {
        const char* name;
        int scale;
        bool rails;
        std::size_t railsOnSheet;
        bool hasRails;
    };
    for (const Case& c :
         {Case{"fit", 0, true, 2, true}, Case{"fit, empty board", 0, false, 0, false},
          Case{"1:1, empty board", 1, false, 0, false}}) {
        PlanBoard b;
        if (c.rails) b.LayThree();
        PrintSettings settings;
        settings.ScaleDenominator = c.scale;
        const PrintPlan plan = MakePrintPlan(b.ws, A4Portrait, settings);
        ASSERT_EQ(plan.Pages.size(), 1u) << c.name;
        EXPECT_EQ(plan.Pages[0].Rails.size(), c.railsOnSheet) << c.name;
        EXPECT_EQ(plan.Pages[0].Page.HasRails, c.hasRails) << c.name;
    }
}

// The rail's outline lines: those drawn at its corners, in sheet coordinates.
std::vector<std::string> RailLines(const std::vector<std::string>& calls) {
    std::vector<std::string> lines;
    for (const std::string& call : CallsOf(calls, 'L'))
        if (call.find(" #" + std::to_string(MarkGrey) + " ") == std::string::npos &&
            call.find(" #12632256 ") == std::string::npos) // the grid's grey
            lines.push_back(call);
    return lines;
}

bool HasText(const std::vector<std::string>& calls, const std::string& text) {
    for (const std::string& call : CallsOf(calls, 'T'))
        if (call.find("'" + text + "'") != std::string::npos) return true;
    return false;
}

TEST(PrintPlan, SheetDrawsItsRailsBlackUnlessInColourAndLabelsOnlyWithTexts) {
    PlanBoard b;
    b.LayThree();
    b.AddLabel(420, 100, "Yard");
    struct Case {
        bool colour, texts;
    };
    for (const Case& c : {Case{false, true}, Case{true, true}, Case{false, false}}) {
        SCOPED_TRACE(::testing::Message() << "colour " << c.colour << " texts " << c.texts);
        PrintSettings settings;
        settings.ScaleDenominator = 1;
        settings.InColour = c.colour;
        settings.Texts = c.texts;
        const PrintPlan plan = MakePrintPlan(b.ws, A4Portrait, settings);
        ASSERT_EQ(Names(plan)[0], "1-3");
        RecordingSurface sheet(1900, 2770);
        sheet.SetScale(PlanSurfaceScale(plan, 10));
        DrawPlanPage(b.ws, sheet, plan, plan.Pages[0], settings);
        // Rail 1 (400..420 by 45..55) on the sheet whose corner is at (315, -105.5).
        const std::string colour = " #" + std::to_string(c.colour ? RailColour : 0) + " w1";
        const std::vector<std::string> lines = RailLines(sheet.Calls);
        // Corner to corner, from C1 (400, 45) round to C1.
        EXPECT_EQ(lines, (std::vector<std::string>{
                             "L 85,150.5 85,160.5" + colour, "L 85,160.5 105,160.5" + colour,
                             "L 105,160.5 105,150.5" + colour, "L 105,150.5 85,150.5" + colour}));
        EXPECT_EQ(HasText(sheet.Calls, "Yard"), c.texts);
    }
}

TEST(PrintPlan, SheetNameOnManySheetsAndTheCheckRulerOnlyAtFullSize) {
    PlanBoard b;
    b.LayThree();
    struct Case {
        int scale;
        const char* name; // the first sheet's mark
        bool ruler;
    };
    for (const Case& c :
         {Case{1, "1-3  1:1", true}, Case{2, "1-2  1:2", false}, Case{10, "1:10", false}}) {
        SCOPED_TRACE(c.scale);
        PrintSettings settings;
        settings.ScaleDenominator = c.scale;
        const PrintPlan plan = MakePrintPlan(b.ws, A4Portrait, settings);
        RecordingSurface sheet(1900, 2770);
        DrawPlanPage(b.ws, sheet, plan, plan.Pages[0], settings);
        EXPECT_TRUE(HasText(sheet.Calls, c.name));
        EXPECT_EQ(HasText(sheet.Calls, "100 mm"), c.ruler);
        if (c.ruler) {
            // 100 mm at 1:1 is 100 units, from 5 mm in, 6 mm above the bottom of 277.
            const std::string line = "L 5,271 105,271 #" + std::to_string(MarkGrey) + " w1";
            EXPECT_NE(std::find(sheet.Calls.begin(), sheet.Calls.end(), line), sheet.Calls.end());
        }
    }
    // The sheet 2-3 of the 1:1 plan: the name of its row and column.
    PrintSettings settings;
    settings.ScaleDenominator = 1;
    const PrintPlan plan = MakePrintPlan(b.ws, A4Portrait, settings);
    RecordingSurface sheet(1900, 2770);
    DrawPlanPage(b.ws, sheet, plan, plan.Pages[1], settings);
    EXPECT_TRUE(HasText(sheet.Calls, "2-3  1:1"));
}

TEST(PrintPlan, TextsWarningOnlyWhenLabelsArePrinted) {
    struct Case {
        bool label, deleted, texts, warned;
    };
    for (const Case& c : {Case{true, false, true, true}, Case{true, false, false, false},
                          Case{true, true, true, false}, Case{false, false, true, false}}) {
        SCOPED_TRACE(::testing::Message() << c.label << c.deleted << c.texts);
        PlanBoard b;
        b.AddStraight(100, 100, 248);
        if (c.label) b.AddLabel(300, 300, "Yard");
        if (c.deleted) b.ws.Layout.Rails[2].Valid = false;
        PrintSettings settings;
        settings.Texts = c.texts;
        WarnAboutTexts(b.ws, settings);
        ASSERT_EQ(b.host.Messages.size(), c.warned ? 1u : 0u);
        if (!c.warned) continue;
        EXPECT_EQ(b.host.Messages[0].Title, "フォントの問題 - Ferrovane");
        EXPECT_EQ(b.host.Messages[0].Text,
                  "文字が含まれています。文字はフォントによって適切な位置に印刷されるとは限りませ"
                  "ん。\r\nまた、現時点では多少小さめに印刷されます");
    }
}

} // namespace
} // namespace ferrovane::output
