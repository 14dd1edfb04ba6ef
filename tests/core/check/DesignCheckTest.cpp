#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/commands/check/CheckEdits.h"
#include "core/commands/edit/PerformUndo.h"
#include "core/compute/check/NearestFreeEnd.h"
#include "core/compute/geometry/Joints.h"
#include "core/values/model/RailIndex.h"
#include "support/CatalogueFixtures.h"
#include "support/LinkInvariant.h"

namespace ferrovane::testing {
namespace {

using check::FindingKind;

// Straights 248, 124; curves R249 and R282 of 45 degrees.
struct CheckWorkspace : CatalogueWorkspace {
    CheckWorkspace() {
        auto& c = Ws.Catalogue;
        c.StraightTypes = {Piece(0, 0, "S248", 248, 0, 0), Piece(0, 1, "S124", 124, 0, 0)};
        c.CurveTypes = {Piece(1, 0, "R249-45", 0, 249, 45), Piece(1, 1, "R282-45", 0, 282, 45)};
        c.StraightTypeMax = 1;
        c.CurveTypeMax = 1;
    }
    // A ring of eight 45-degree curves from (1000, 1000); `last` is the eighth piece.
    void Ring(int last) {
        PlaceFree(1, 0, 1000, 1000, 90);
        for (int n = 1; n <= 7; ++n)
            PlaceAt(1, n == 7 ? last : 0, n, 1);
    }
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        for (const auto& f : check::CheckLayout(Ws))
            lines.push_back(check::FindingLine(f));
        return lines;
    }
};

TEST(DesignCheck, RingOfEightCurvesClosesWithNoFinding) {
    CheckWorkspace w;
    w.Ring(0);
    EXPECT_TRUE(w.Lines().empty()) << ::testing::PrintToString(w.Lines());
}

TEST(DesignCheck, RingWithOneWiderCurveLeavesAGapOf33TimesTheChordOf45Degrees) {
    CheckWorkspace w;
    w.Ring(1);
    // The eighth piece's end lies 33 * (u(90) - u(45)) = (-23.33, -9.67) from the start,
    // 25.26 away and in line with it: beyond a near miss, so two open ends that face each
    // other. Its centre line passes 9.67 from rail 1's, less than the two half widths of 5.
    const std::vector<std::string> expected = {"open 1 0 1000 1000", "open 8 1 976.67 990.33",
                                               "overlap 1 8"};
    EXPECT_EQ(w.Lines(), expected);
    const auto gap = check::GapAtEnd(w.Layout(), 8, 1);
    ASSERT_TRUE(gap);
    EXPECT_EQ(gap->Other, (check::EndRef{1, 0}));
    EXPECT_NEAR(gap->Gap, 25.26f, 0.01f);
    EXPECT_NEAR(gap->Angle, 0.0f, 0.01f);
}

TEST(DesignCheck, JointsAndEndsByTheirFigures) {
    const struct {
        const char* Name;
        float Dx, Dy; // where the second straight goes from the first one's end 1
        bool Join;    // the two ends joined (then moved apart)
        std::vector<std::string> Expected;
    } cases[] = {
        {"strained", 3, 4, true, {"strained 1 1 2 0 5 0"}},
        {"near miss", 12, 5, false, {"near 1 1 2 0 13 0"}},
        {"too far for a near miss", 20, 1, false, {}},
        {"joined in line", 0, 0, true, {}},
    };
    for (const auto& c : cases) {
        CheckWorkspace w;
        w.PlaceFree(0, 0, 1000, 1000, 90); // end 1 at (752, 1000), angle 90
        if (c.Join) {
            ASSERT_EQ(w.PlaceAt(0, 1, 1, 1), 2);
            geometry::TranslateRail(w.Layout(), 2, -c.Dx, c.Dy);
        } else {
            ASSERT_EQ(w.PlaceFree(0, 1, 752 - c.Dx, 1000 + c.Dy, 90), 2);
        }
        ASSERT_EQ(w.Rail(1).Free1, !c.Join) << c.Name;
        std::vector<std::string> lines;
        for (const auto& line : w.Lines())
            if (line.rfind("open", 0) != 0) lines.push_back(line);
        EXPECT_EQ(lines, c.Expected) << c.Name;
    }
}

TEST(DesignCheck, CrossingTracksOverlapOnTheSameLevelOnly) {
    for (bool elevated : {false, true}) {
        CheckWorkspace w;
        w.PlaceFree(0, 0, 1000, 1000, 90); // (1000, 1000) to (752, 1000)
        w.Ws.Editor.IsUpperMode = elevated;
        w.PlaceFree(0, 0, 876, 1124, 360); // (876, 1124) to (876, 876)
        const auto counts = check::CountFindings(check::CheckLayout(w.Ws));
        EXPECT_EQ(counts[static_cast<int>(FindingKind::Overlap)], elevated ? 0 : 1);
        EXPECT_EQ(counts[static_cast<int>(FindingKind::OpenEnd)], 4);
    }
}

TEST(DesignCheck, DuplicatedRailIsListedOnceAndNotAsAnOverlap) {
    CheckWorkspace w;
    w.PlaceFree(1, 0, 1000, 1000, 90);
    model::Rail copy = w.Rail(1);
    model::Rail& twin = w.Layout().AppendRail();
    twin = copy;
    twin.No = 2;
    model::RebuildRailIndex(w.Layout());
    std::vector<std::string> lines;
    for (const auto& line : w.Lines())
        if (line.rfind("open", 0) != 0) lines.push_back(line);
    EXPECT_EQ(lines, std::vector<std::string>{"duplicate 1 2"});
}

TEST(DesignCheck, NearMissJoinsAsOneUndoableStep) {
    CheckWorkspace w;
    w.PlaceFree(0, 0, 1000, 1000, 90);
    // Laid apart, then moved to 5.39 from rail 1's end 1, inside its detection window.
    w.PlaceFree(0, 1, 740, 1002, 90);
    geometry::TranslateRail(w.Layout(), 2, 7, 0);
    const auto findings = check::CheckLayout(w.Ws);
    const check::Finding* near = nullptr;
    for (const auto& f : findings)
        if (f.Kind == FindingKind::NearMiss) near = &f;
    ASSERT_TRUE(near);
    EXPECT_TRUE(near->Joinable);
    ASSERT_TRUE(check::JoinNearEnds(w.Ws, near->A, near->B));
    EXPECT_EQ(w.Rail(1).Link1, 2);
    EXPECT_EQ(w.Rail(2).Link0, 1);
    EXPECT_TRUE(LinksConsistent(w.Layout()));
    editor::PerformUndo(w.Ws);
    EXPECT_TRUE(w.Rail(1).Free1);
    EXPECT_TRUE(w.Rail(2).Free0);
    // Beyond the window it is not joined.
    geometry::TranslateRail(w.Layout(), 2, -10, 0);
    EXPECT_FALSE(check::JoinNearEnds(w.Ws, {1, 1}, {2, 0}));
}

} // namespace
} // namespace ferrovane::testing
