#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/commands/check/CheckEdits.h"
#include "core/commands/edit/PerformUndo.h"
#include "support/CatalogueFixtures.h"
#include "support/LinkInvariant.h"

namespace ferrovane::testing {
namespace {

struct CloserWorkspace : CatalogueWorkspace {
    CloserWorkspace() {
        auto& c = Ws.Catalogue;
        c.StraightTypes = {Piece(0, 0, "S248", 248, 0, 0), Piece(0, 1, "S124", 124, 0, 0),
                           Piece(0, 2, "S62", 62, 0, 0)};
        c.CurveTypes = {Piece(1, 0, "R249-45", 0, 249, 45), Piece(1, 1, "R282-45", 0, 282, 45)};
        c.PointTypes = {Piece(2, 0, "P186", 186, 481, 15)};
        c.StraightTypeMax = 2;
        c.CurveTypeMax = 1;
    }
    // Rail 1 from (1000, 1000) to (752, 1000), its end 1 facing -x; rail 2 starting at
    // (x, y) and running on in the same direction.
    std::vector<std::string> Suggest(float x, float y) {
        PlaceFree(0, 0, 1000, 1000, 90);
        PlaceFree(0, 0, x, y, 90);
        std::vector<std::string> lines;
        for (const auto& s : check::SuggestClosers(Ws, {1, 1}, {2, 0})) {
            std::string line = check::CheckNumber(s.Gap) + " " + check::CheckNumber(s.Angle);
            for (const auto& p : s.Pieces)
                line += " " + check::ClosePieceName(Ws.Catalogue, p);
            lines.push_back(line);
        }
        return lines;
    }
};

TEST(GapCloser, FindsTheSequencesThatFit) {
    const struct {
        const char* Name;
        float X, Y;
        std::vector<std::string> First; // the best suggestions, in order
    } cases[] = {
        // 248 units straight on: one S248 before every pair that adds up to it.
        {"straight gap", 504, 1000, {"0 0 S248", "0 0 S124 S124", "0 0 S124 S62 S62"}},
        // Left 45 then right 45 on R249: (-249 sin 45 * 2, 249 (1 - cos 45) * 2) from the
        // end: (-352.14, 145.86).
        {"S-bend", 399.86f, 1145.86f, {"0 0 R249-45/L R249-45/R"}},
        {"impossible", 749, 1000, {}},
    };
    for (const auto& c : cases) {
        CloserWorkspace w;
        const auto lines = w.Suggest(c.X, c.Y);
        ASSERT_GE(lines.size(), c.First.size()) << c.Name;
        EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + c.First.size()), c.First)
            << c.Name << ::testing::PrintToString(lines);
        if (c.First.empty()) {
            EXPECT_TRUE(lines.empty()) << c.Name;
        }
        EXPECT_LE(lines.size(), 10u);
    }
}

TEST(GapCloser, LaysASuggestionJoinedAtBothEndsAsOneUndo) {
    CloserWorkspace w;
    w.Suggest(504, 1000);
    const auto suggestions = check::SuggestClosers(w.Ws, {1, 1}, {2, 0});
    ASSERT_GE(suggestions.size(), 2u);
    ASSERT_EQ(check::LayCloser(w.Ws, {1, 1}, {2, 0}, suggestions[1]), 3); // S124 S124
    EXPECT_EQ(w.Layout().RailCount, 4);
    EXPECT_EQ(w.Rail(1).Link1, 3);
    EXPECT_EQ(w.Rail(3).Link1, 4);
    EXPECT_EQ(w.Rail(4).Link1, 2);
    EXPECT_EQ(w.Rail(2).Link0, 4);
    EXPECT_TRUE(LinksConsistent(w.Layout()));
    EXPECT_TRUE(check::CheckLayout(w.Ws).size() == 2u); // the two outer ends only
    editor::PerformUndo(w.Ws);
    EXPECT_FALSE(w.Layout().IsLive(3));
    EXPECT_FALSE(w.Layout().IsLive(4));
    EXPECT_TRUE(w.Rail(1).Free1);
    EXPECT_TRUE(w.Rail(2).Free0);
}

TEST(GapCloser, FlexibleRailJoinsWhatNoSequenceFits) {
    CloserWorkspace w;
    EXPECT_TRUE(w.Suggest(700, 1030).empty());
    const int n = check::LayCloserFlex(w.Ws, {1, 1}, {2, 0});
    ASSERT_EQ(n, 3);
    EXPECT_EQ(w.Rail(3).Kind, model::KindFlexible);
    EXPECT_EQ(w.Rail(3).Link0, 1);
    EXPECT_EQ(w.Rail(3).Link1, 2);
    EXPECT_TRUE(LinksConsistent(w.Layout()));
    EXPECT_EQ(w.Ws.Editor.AStatus, model::EditorMode::Place);
}

} // namespace
} // namespace ferrovane::testing
