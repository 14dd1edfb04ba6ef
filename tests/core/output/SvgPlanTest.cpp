#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/commands/output/SvgPlan.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/render/SvgSurface.h"
#include "support/FakeUiHost.h"
#include "support/LayoutFixtures.h"
#include "support/XmlTree.h"

namespace ferrovane::output {
namespace {

using testing::XmlElement;

constexpr PaperArea A4Portrait{190, 277};
const std::string Label = "Yard & <Depot>";

// A board of 1000 by 600: rail 1 "S20" at (400, 50), rail 2 with reserved characters in
// its name, rail 3 deleted, label 4.
struct SvgBoard {
    testing::FakeUiHost host;
    app::Workspace ws{host};

    SvgBoard() {
        model::Layout& layout = ws.Layout;
        layout.LayoutWidth = 1000;
        layout.LayoutHeight = 600;
        layout.LayoutFileName = "plans/a&b.fvl";
        for (const float x : {400.0f, 600.0f, 800.0f}) {
            model::Rail& r = layout.AppendRail();
            r = testing::layouts::Straight(layout.RailCount, x, 50, 20);
            r.Color = 0x0000AA;
        }
        layout.Rails[2].Name = " A&B <1>  ";
        layout.Rails[3].Valid = false;
        model::Rail& label = layout.AppendRail();
        label.Valid = true;
        label.No = 4;
        label.Kind = model::KindText;
        label.Name = "Sans" + Label;
        label.Radius = 4;
        label.Length = 12;
        label.C1X = 100, label.C1Y = 100;
    }
};

XmlElement Parsed(const std::string& svg) {
    std::string problem;
    const auto root = testing::XmlReader::Parse(svg, problem);
    EXPECT_TRUE(root.has_value()) << problem << "\n" << svg;
    return root.value_or(XmlElement{});
}

std::vector<std::string> GroupTitles(const XmlElement& root) {
    std::vector<std::string> titles;
    for (const XmlElement* g : root.All("g")) {
        const auto title = g->All("title");
        EXPECT_EQ(title.size(), 1u);
        titles.push_back(title.empty() ? "" : title[0]->Text);
    }
    return titles;
}

double Millimetres(const std::string& length) {
    EXPECT_EQ(length.substr(length.size() - 2), "mm") << length;
    return std::stod(length);
}

TEST(SvgPlan, DrawingIsTheRangeAtTheScaleInMillimetres) {
    SvgBoard b;
    struct Case {
        int scale;
        double unitsPerMm;
    };
    for (const Case& c : {Case{1, 1}, Case{2, 2}, Case{10, 10}, Case{0, 1000.0 / 190}}) {
        SCOPED_TRACE(c.scale);
        PrintSettings settings;
        settings.ScaleDenominator = c.scale;
        const XmlElement root = Parsed(LayoutSvg(b.ws, settings, A4Portrait));
        EXPECT_EQ(root.Name, "svg");
        EXPECT_EQ(root.Attributes.at("xmlns"), "http://www.w3.org/2000/svg");
        const double w = Millimetres(root.Attributes.at("width"));
        const double h = Millimetres(root.Attributes.at("height"));
        EXPECT_NEAR(w, 1000 / c.unitsPerMm, 1e-3);
        EXPECT_NEAR(h, 600 / c.unitsPerMm, 1e-3);
        // The lines of rail 1 (x from 400 to 420) sit at its place in millimetres.
        const auto groups = root.All("g");
        ASSERT_GE(groups.size(), 2u);
        std::set<double> xs;
        for (const XmlElement* line : groups[1]->All("line"))
            for (const char* key : {"x1", "x2"})
                xs.insert(std::stod(line->Attributes.at(key)) * c.unitsPerMm);
        ASSERT_EQ(xs.size(), 2u);
        EXPECT_NEAR(*xs.begin(), 400, 0.01 * c.unitsPerMm);
        EXPECT_NEAR(*xs.rbegin(), 420, 0.01 * c.unitsPerMm);
    }
}

TEST(SvgPlan, OneTitledGroupPerPrintedRailLabelsFirstAndOnlyWithTexts) {
    SvgBoard b;
    PrintSettings settings;
    settings.ScaleDenominator = 1;
    const XmlElement root = Parsed(LayoutSvg(b.ws, settings, A4Portrait));
    EXPECT_EQ(root.All("title").at(0)->Text, "plans/a&b.fvl");
    EXPECT_EQ(GroupTitles(root), (std::vector<std::string>{Label, "S20", "A&B <1>"}));
    const auto text = root.All("g").at(0)->All("text");
    ASSERT_EQ(text.size(), 1u);
    EXPECT_EQ(text[0]->Text, Label);

    settings.Texts = false;
    EXPECT_EQ(GroupTitles(Parsed(LayoutSvg(b.ws, settings, A4Portrait))),
              (std::vector<std::string>{"S20", "A&B <1>"}));
}

TEST(SvgPlan, RailsAreBlackUnlessInColour) {
    SvgBoard b;
    for (const bool colour : {false, true}) {
        PrintSettings settings;
        settings.InColour = colour;
        const XmlElement root = Parsed(LayoutSvg(b.ws, settings, A4Portrait));
        std::set<std::string> strokes;
        for (const XmlElement* g : root.All("g"))
            for (const XmlElement* line : g->All("line"))
                strokes.insert(line->Attributes.at("stroke"));
        // The rail's colour has red in its low byte.
        EXPECT_EQ(strokes, std::set<std::string>{colour ? "#aa0000" : "#000000"});
    }
}

TEST(SvgPlan, XmlEscapedWritesReservedCharactersAsReferencesAndDropsControls) {
    const std::pair<std::string, std::string> cases[] = {
        {"a&b", "a&amp;b"},
        {"<g>", "&lt;g&gt;"},
        {"\"q\"", "&quot;q&quot;"},
        {"it's", "it's"},
        {"a\x01"
         "b\x1f",
         "ab"},
        {"tab\there\nline", "tab\there\nline"},
        {"駅 & 車庫", "駅 &amp; 車庫"},
    };
    for (const auto& [text, escaped] : cases)
        EXPECT_EQ(render::XmlEscaped(text), escaped) << text;
}

} // namespace
} // namespace ferrovane::output
