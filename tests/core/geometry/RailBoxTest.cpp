#include <gtest/gtest.h>

#include "core/commands/edit/PerformUndo.h"
#include "support/CatalogueFixtures.h"
#include "support/LayoutSnapshot.h"
#include "support/LinkInvariant.h"
#include "support/Tolerance.h"

#include "core/commands/placement/RailBoxPlacement.h"
#include "core/compute/geometry/RailBoxWork.h"

namespace ferrovane::geometry {
namespace {

using testing::CatalogueWorkspace;
using testing::Member;
using testing::NearAngle;
using testing::NearPoint;

TEST(RotateOffset, TurnsDirectionsByTheAngleAndNormalisesIt) {
    struct Case {
        model::Point p;
        float angle, normalised;
        model::Point expected;
    };
    const Case cases[] = {
        {{0, 1}, 90, 90, {1, 0}},          // direction 0 becomes direction 90
        {{1, 0}, 90, 90, {0, -1}},         // 90 becomes 180
        {{0, 1}, -90, 270, {-1, 0}},       // 0 becomes 270
        {{0, 1}, 0, 360, {-0.000185f, 1}}, // 0 is stored as 360, whose sine is not 0
        {{3, 4}, 180, 180, {-3, -4}},      {{2, 0}, 30, 30, {1.7320508f, -1}},
    };
    for (const Case& c : cases) {
        float a = c.angle;
        const model::Point r = RotateOffset(c.p, a);
        EXPECT_EQ(a, c.normalised);
        EXPECT_TRUE(NearPoint(r.X, r.Y, c.expected.X, c.expected.Y, 1e-4f)) << c.angle;
    }
}

// A box of a straight, a left curve and a flipped curve laid end to end.
std::vector<catalogue::RailBoxRail> ThreePieces(bool innerOpen) {
    CatalogueWorkspace scratch;
    // Lay the pieces once to learn where each continues.
    const int a = scratch.PlaceFree(0, 0, 0, 0, 180);
    const int b = scratch.PlaceAt(1, 0, a, 1, 0);
    const model::Rail ra = scratch.Rail(a), rb = scratch.Rail(b);
    return {
        Member(0, 248, 0, false, true, innerOpen, 0, 0, 180),
        Member(1, 541, 30, false, innerOpen, innerOpen, ra.X1, ra.Y1, ra.Angle1),
        Member(1, 541, 30, true, innerOpen, true, rb.X1, rb.Y1, rb.Angle1),
    };
}

TEST(NormalizeBoxTurn, SkipsClosedJointsAndWraps) {
    CatalogueWorkspace t;
    // Member 1: end 0 closed, end 1 open; member 2: both open.
    const int box = t.AddBox("B", {Member(0, 100, 0, false, false, true, 0, 0, 180),
                                   Member(0, 100, 0, false, true, true, 0, -100, 180)});
    struct Case {
        std::int16_t in, out;
    };
    // Joints 0, 1 (header) and 2 are closed; 3, 4, 5 are open.
    for (const Case c :
         {Case{0, 3}, Case{3, 3}, Case{4, 4}, Case{5, 5}, Case{6, 3}, Case{99, 3}, Case{-4, 3}}) {
        std::int16_t turn = c.in;
        EXPECT_TRUE(NormalizeBoxTurn(t.Ws.Catalogue, box, turn));
        EXPECT_EQ(turn, c.out) << c.in;
    }
    const int closed = t.AddBox("C", {Member(0, 100, 0, false, false, false, 0, 0, 180)});
    std::int16_t turn = 1;
    EXPECT_FALSE(NormalizeBoxTurn(t.Ws.Catalogue, closed, turn)) << "no open joint: no hang";
    EXPECT_EQ(turn, 0);
    turn = 2;
    EXPECT_FALSE(NormalizeBoxTurn(t.Ws.Catalogue, 1234, turn));
}

TEST(BuildRailBoxWork, EndsFollowThePieceGeometry) {
    CatalogueWorkspace t;
    const int box = t.AddBox("B", ThreePieces(false));
    RailBoxWork work;
    ASSERT_TRUE(BuildRailBoxWork(t.Ws.Catalogue, box, work));
    ASSERT_EQ(work.BoxHigh(), 3);
    EXPECT_EQ(work.Rails[0].Name, "B");
    // Each member's end 1 is the next member's end 0, angles included.
    for (int k = 1; k < 3; ++k) {
        const auto& w = work.Rails[k];
        const auto& next = work.Rails[k + 1];
        EXPECT_TRUE(NearPoint(w.End1X, w.End1Y, next.End0X, next.End0Y)) << k;
        EXPECT_TRUE(NearAngle(w.End1Angle, next.End0Angle)) << k;
    }
    // Direction 360 has the sine of 360 x 3.1415 / 180, not 0.
    EXPECT_TRUE(NearPoint(work.Rails[1].End1X, work.Rails[1].End1Y, -0.046f, 248, 0.001f));
    EXPECT_FALSE(BuildRailBoxWork(t.Ws.Catalogue, box + 1, work)) << "a member is no box";
}

// Three pieces lying apart, every end open, so that each joint can be put on an end
// without any other member touching it.
std::vector<catalogue::RailBoxRail> ApartPieces() {
    return {
        Member(0, 248, 0, false, true, true, 0, 0, 180),
        Member(1, 541, 30, false, true, true, 1000, 0, 45),
        Member(1, 280, 45, true, true, true, -700, 900, 300),
    };
}

// Every open joint of a box, put on the free end of a straight at several angles: the
// joint sits on that end, the end angles differ by 180, and the two are joined.
TEST(PlaceRailBox, EveryOpenJointAttachesHeadOn) {
    for (const bool apart : {false, true}) {
        for (const float heading : {90.0f, 0.0f, 135.0f, 210.0f, 300.0f}) {
            for (std::int16_t joint = 0; joint < 8; ++joint) {
                CatalogueWorkspace t;
                const int box = t.AddBox("B", apart ? ApartPieces() : ThreePieces(false));
                std::int16_t turn = joint;
                NormalizeBoxTurn(t.Ws.Catalogue, box, turn);
                if (turn != joint) continue; // a closed joint
                t.Ws.Editor.SelBox = static_cast<std::int16_t>(box);
                const int s = t.PlaceFree(0, 0, 5000, 5000, heading);
                t.SnapTo(s, 1);
                PlaceRailBox(t.Ws, t.Ws.Editor.SnapAngle, turn, true);
                ASSERT_EQ(t.Layout().RailCount, 4);
                const int member = s + joint / 2;
                const int end = joint % 2;
                const model::Rail& m = t.Rail(member);
                SCOPED_TRACE(::testing::Message() << "joint " << joint << " heading " << heading);
                // Rotations through 360 carry the sine of 360 x 3.1415 / 180 (about -0.000185)
                // into the offsets, up to a tenth of a unit on these sizes.
                EXPECT_TRUE(NearPoint(m.X(end), m.Y(end), t.Rail(s).X1, t.Rail(s).Y1, 0.2f));
                EXPECT_TRUE(NearAngle(m.EndAngle(end), t.Rail(s).Angle1 + 180, 0.01f));
                EXPECT_EQ(t.Rail(s).Link1, member);
                EXPECT_EQ(t.Rail(s).LinkEnd1, end);
                EXPECT_TRUE(testing::LinksConsistent(t.Layout(), true));
                EXPECT_TRUE(testing::JointsMeet(t.Layout(), 0.2f, 0.01f));
            }
        }
    }
}

TEST(PlaceRailBox, GroupedMembersFormOneNamedRail) {
    CatalogueWorkspace t;
    auto members = ThreePieces(false);
    members.push_back(Member(0, 124, 0, false, true, true, 4000, 4000, 90, true));
    t.Ws.Editor.SelBox = static_cast<std::int16_t>(t.AddBox("箱", members));
    t.Ws.Editor.IsUpperMode = true;
    PlaceRailBox(t.Ws, 90, 0, false);
    ASSERT_EQ(t.Layout().RailCount, 4);
    const std::uint8_t kinds[] = {50, 61, 61, 0};
    const std::int16_t seqs[] = {1, 2, 3, 0};
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(t.Rail(n).Kind, kinds[n - 1]) << n;
        EXPECT_EQ(t.Rail(n).BoxSeq, seqs[n - 1]) << n;
        EXPECT_EQ(t.Rail(n).No, n);
        EXPECT_TRUE(t.Rail(n).Upper);
        EXPECT_EQ(t.Rail(n).Color, 0x123456);
    }
    EXPECT_EQ(t.Rail(1).Name, "箱");
    EXPECT_EQ(t.Rail(3).Name, "箱");
    EXPECT_EQ(t.Rail(4).Name, "M-S");
    EXPECT_EQ(t.Rail(3).Dir, 255);
    // Closed inner ends stay without links.
    EXPECT_FALSE(t.Rail(1).Free1);
    EXPECT_EQ(t.Rail(1).Link1, 0);
    EXPECT_TRUE(t.Layout().Modified);
}

TEST(PlaceRailBox, OneUndoRemovesTheWholeBox) {
    CatalogueWorkspace t;
    auto members = ThreePieces(true);
    members.push_back(Member(0, 124, 0, false, true, true, 4000, 4000, 90));
    members.push_back(Member(0, 124, 0, false, true, true, 4000, 4200, 90));
    t.Ws.Editor.SelBox = static_cast<std::int16_t>(t.AddBox("B", members));
    const int s = t.PlaceFree(0, 0, 1000, 1000, 90);
    const auto before = testing::Snapshot(t.Layout());
    t.SnapTo(s, 1);
    PlaceRailBox(t.Ws, t.Ws.Editor.SnapAngle, 0, true);
    ASSERT_EQ(t.Layout().RailCount, 6);
    EXPECT_EQ(t.Ws.Undo.MenuItem().Caption, "元に戻す - レール設置");
    editor::UndoCommand(t.Ws);
    testing::ExpectRestored(before, t.Layout());
    EXPECT_EQ(t.Ws.Undo.UndoCount(), 1) << "the straight placed before stays";
    EXPECT_TRUE(t.Rail(s).Valid);
}

TEST(PlaceRailBox, RefusedAtAJoinedEndAndWhenTheLayoutIsFull) {
    CatalogueWorkspace t;
    t.Ws.Editor.SelBox = static_cast<std::int16_t>(t.AddBox("B", ThreePieces(false)));
    const int s = t.PlaceFree(0, 0, 1000, 1000, 90);
    t.PlaceAt(0, 0, s, 1);
    const auto before = testing::Snapshot(t.Layout());
    t.SnapTo(s, 1);
    PlaceRailBox(t.Ws, t.Ws.Editor.SnapAngle, 0, true);
    testing::ExpectRestored(before, t.Layout());
    EXPECT_EQ(t.Layout().RailCount, 2);

    t.Layout().RailCount = model::MaxRailCount - 2;
    t.Layout().Rails.resize(model::MaxRailCount - 1);
    PlaceRailBox(t.Ws, 0, 0, false);
    EXPECT_EQ(t.Layout().RailCount, model::MaxRailCount - 2);
    ASSERT_EQ(t.Host.Messages.size(), 1u);
    EXPECT_EQ(t.Host.Messages[0].Text,
              "レールの数が上限に達しました。これ以上レールを置けません。");
    EXPECT_EQ(t.Host.Messages[0].Title, "警告");
}

TEST(PreviewRailBox, NormalisesTheTurnAndLeavesTheLayoutAlone) {
    CatalogueWorkspace t;
    t.Ws.Editor.SelBox = static_cast<std::int16_t>(
        t.AddBox("B", {Member(0, 100, 0, false, false, true, 0, 0, 180),
                       Member(0, 100, 0, false, true, false, 0, -100, 180)}));
    const int s = t.PlaceFree(0, 0, 1000, 1000, 90);
    const auto before = testing::Snapshot(t.Layout());
    const bool modified = t.Layout().Modified;
    t.SnapTo(s, 1);
    std::int16_t turn = 0;
    PreviewRailBox(t.Ws, t.Ws.Editor.SnapAngle, turn, true);
    EXPECT_EQ(turn, 3) << "end 1 of member 1 is the first open joint";
    testing::ExpectRestored(before, t.Layout());
    EXPECT_EQ(t.Layout().Modified, modified);
    // The preview slot holds the last member, attached through member 1's end 1.
    EXPECT_TRUE(t.Rail(0).Valid);
    ++turn;
    PreviewRailBox(t.Ws, t.Ws.Editor.SnapAngle, turn, true);
    EXPECT_EQ(turn, 4);
    EXPECT_TRUE(NearPoint(t.Rail(0).X0, t.Rail(0).Y0, t.Rail(s).X1, t.Rail(s).Y1));
    ++turn;
    PreviewRailBox(t.Ws, t.Ws.Editor.SnapAngle, turn, true);
    EXPECT_EQ(turn, 3) << "wraps to the first open joint";
}

TEST(PlaceRailBox, ClipboardMembersJoinEachOtherAsTheyAreLaid) {
    CatalogueWorkspace t;
    auto members = ThreePieces(true);
    t.Ws.Editor.SelBox = static_cast<std::int16_t>(t.AddBox("クリップレール", members));
    PlaceRailBox(t.Ws, 90, 0, false);
    ASSERT_EQ(t.Layout().RailCount, 3);
    EXPECT_EQ(t.Rail(2).Link0, 1);
    EXPECT_EQ(t.Rail(3).Link0, 2);
    EXPECT_TRUE(testing::LinksConsistent(t.Layout()));

    // An ordinary box does not see its own members while it is laid.
    CatalogueWorkspace u;
    u.Ws.Editor.SelBox = static_cast<std::int16_t>(u.AddBox("B", ThreePieces(true)));
    PlaceRailBox(u.Ws, 90, 0, false);
    EXPECT_TRUE(u.Rail(2).Free0);
}

} // namespace
} // namespace ferrovane::geometry
