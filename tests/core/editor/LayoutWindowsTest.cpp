// The layout windows' commands: layout information, board size and move all.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/commands/edit/LayoutSize.h"
#include "core/commands/edit/MoveAll.h"
#include "core/compute/editor/LayoutInformation.h"
#include "core/compute/geometry/TrackLength.h"
#include "core/editor/EditFixture.h"
#include "support/LayoutSnapshot.h"

namespace ferrovane::editor {
namespace {

using testing::CatalogueWorkspace;

constexpr double Pi = std::numbers::pi;

model::Rail& Add(model::Layout& layout, std::uint8_t kind, bool free0, bool free1,
                 bool free2 = false) {
    model::Rail& r = layout.AppendRail();
    r.Valid = true;
    r.No = static_cast<std::int16_t>(layout.RailCount);
    r.Kind = kind;
    r.Free0 = free0;
    r.Free1 = free1;
    r.Free2 = free2;
    return r;
}

// One rail of every kind with known sizes, and the open ends noted against each.
model::Layout SmallLayout() {
    using namespace model;
    Layout layout;
    Add(layout, KindStraight, true, false).Length = 248; // 1 open end
    model::Rail& curve = Add(layout, KindCurve, false, false);
    curve.Radius = 100, curve.Angle = 90;                          // arc 50 pi
    model::Rail& point = Add(layout, KindPoint, true, true, true); // 3 open ends
    point.Length = 186, point.Radius = 481, point.Angle = 15;
    model::Rail& curved = Add(layout, KindPoint, false, false, false);
    curved.Dir = 101, curved.Length = 60, curved.Radius = 300, curved.Angle = 30;
    // A flexible rail whose control points lie on the chord: the curve is the chord.
    model::Rail& flex = Add(layout, KindFlexible, true, true); // 2 open ends
    flex.X1 = 300, flex.C1X = 100, flex.C2X = 200;
    Add(layout, KindBoxHeadStraight, true, false).Length = 100; // 1 open end
    model::Rail& member = Add(layout, KindBoxMemberCurve, false, false);
    member.Radius = 200, member.Angle = 45; // arc 50 pi
    model::Rail& deleted = Add(layout, KindStraight, true, true);
    deleted.Length = 1000;
    deleted.Valid = false;
    model::Rail& label = Add(layout, KindText, true, true); // no ends, no track
    label.Length = 12;
    label.Name = "ＭＳ ゴシックhello";
    label.Radius = 7;
    return layout;
}

TEST(LayoutInformation, CountsOpenEndsAndTrackLengthOfEveryKind) {
    model::Layout layout = SmallLayout();
    layout.LayoutFileName = "/home/u/yard.fvl";
    const auto info = GetLayoutInformation(layout, "/cat/n.rtr", 100);
    EXPECT_EQ(info.RailPieces, 5);
    EXPECT_EQ(info.Straights, 1);
    EXPECT_EQ(info.Curves, 1);
    EXPECT_EQ(info.Points, 2);
    EXPECT_EQ(info.Flexibles, 1);
    EXPECT_EQ(info.RailBoxes, 1);
    EXPECT_EQ(info.RailBoxPieces, 2);
    EXPECT_EQ(info.Labels, 1);
    EXPECT_EQ(info.OpenEnds, 7);
    // 248 + 50 pi + 186 + (60 + 50 pi) + 300 + 100 + 50 pi
    const double length = 894 + 150 * Pi;
    EXPECT_NEAR(info.TrackLength, length, 0.01);

    const std::vector<std::pair<std::string, std::string>> fields = {
        {"レイアウトファイル", "/home/u/yard.fvl"},
        {"レール情報定義ファイル", "/cat/n.rtr"},
        {"レールの範囲", LayoutInformationLines(info)[0]},
        {"レール数", "5本"},
        {"ストレートレール", "1本"},
        {"カーブレール", "1本"},
        {"ポイントレール", "2本"},
        {"フレキシブルレール", "1本"},
        {"レール箱", "1個 (2本)"},
        {"文字", "1個"},
        {"つながっていない端", "7箇所"},
        {"線路の総延長", "1365.2"},
    };
    EXPECT_EQ(LayoutInformationFields(info), fields);

    const auto empty = LayoutInformationFields(GetLayoutInformation(model::Layout{}, "", 100));
    EXPECT_EQ(empty[0].second, "(未保存)");
    EXPECT_EQ(empty[1].second, "(なし)");
    EXPECT_EQ(empty[10].second, "0箇所");
    EXPECT_EQ(empty[11].second, "0.0");
}

TEST(TrackLength, FlexibleRailIsThePolylineItIsDrawnAs) {
    model::Rail flex;
    flex.Valid = true;
    flex.Kind = model::KindFlexible;
    // A quarter-circle-like bulge from (0, 0) to (100, 100).
    flex.C1X = 0, flex.C1Y = 55;
    flex.C2X = 45, flex.C2Y = 100;
    flex.X1 = 100, flex.Y1 = 100;
    const double chord = std::hypot(100.0, 100.0);
    EXPECT_NEAR(geometry::TrackLength(flex, 1), chord, 1e-3) << "one piece: the chord";
    const double fine = geometry::TrackLength(flex, 100);
    EXPECT_GT(fine, chord + 10);
    EXPECT_LT(fine, 100 * Pi / 2 + 1); // no longer than the arc through the same ends
    EXPECT_NEAR(geometry::TrackLength(flex, 0), chord, 1e-3) << "at least one piece";

    model::Rail broken = flex;
    broken.Kind = model::KindCurve;
    broken.Radius = std::nanf("");
    broken.Angle = 90;
    EXPECT_EQ(geometry::TrackLength(broken, 100), 0.0);
}

TEST(LayoutSize, RefusalNamesTheRangeAndLeavesTheBoard) {
    const struct {
        const char *Width, *Height;
        bool Accepted;
    } cases[] = {{"30000", "0", true},  {"30001", "100", false}, {"100", "-1", false},
                 {"abc", "100", false}, {"", "", false},         {" 1200 ", "800", true}};
    for (const auto& c : cases) {
        CatalogueWorkspace t;
        EXPECT_EQ(AcceptLayoutSize(t.Ws, c.Width, c.Height), c.Accepted) << c.Width;
        if (c.Accepted) {
            EXPECT_TRUE(t.Host.Messages.empty()) << c.Width;
            EXPECT_TRUE(t.Layout().Modified);
            EXPECT_EQ(t.Ws.Undo.UndoCount(), 0) << "a new size is not an undo step";
            continue;
        }
        ASSERT_EQ(t.Host.Messages.size(), 1u) << c.Width;
        const auto& m = t.Host.Messages[0];
        EXPECT_EQ(m.Text, "レイアウトの幅と高さには 0 から 30000 までの整数を指定して下さい。");
        EXPECT_EQ(m.Title, "レイアウトサイズの設定");
        EXPECT_EQ(m.Icon, platform::MessageIcon::Exclamation);
        EXPECT_EQ(t.Layout().LayoutWidth, 2000) << c.Width;
        EXPECT_EQ(t.Layout().LayoutHeight, 2000) << c.Width;
        EXPECT_FALSE(t.Layout().Modified);
    }
}

// The move window's button: numbers move, anything else is refused with a word, and
// so is a move that would carry a rail past the range the index can hold.
TEST(MoveAll, WindowTextsAndBoundsDecideWhetherTheLayoutMoves) {
    const struct {
        const char *Dx, *Dy;
        const char* Message; // nullptr: it moves
    } cases[] = {
        {"10.5", "-7.25", nullptr},
        {" +3 ", "0", nullptr},
        {"abc", "0", "移動量には数値を指定して下さい。"},
        {"0", "", "移動量には数値を指定して下さい。"},
        {"1e39", "0", "移動量には数値を指定して下さい。"},
        {"-40000", "0",
         "移動後にレールがレイアウトの範囲(-30000〜60000)を超えるため、移動できません。"},
        {"0", "58000",
         "移動後にレールがレイアウトの範囲(-30000〜60000)を超えるため、移動できません。"},
    };
    for (const auto& c : cases) {
        CatalogueWorkspace t;
        testing::BuildEditLayout(t);
        const auto before = t.Layout().Rails;
        t.Ws.Changed.Take();
        const bool moved = MoveAllByText(t.Ws, c.Dx, c.Dy);
        EXPECT_EQ(moved, c.Message == nullptr) << c.Dx << " " << c.Dy;
        if (moved) {
            EXPECT_TRUE(t.Host.Messages.empty());
            EXPECT_TRUE(t.Layout().Modified);
            EXPECT_EQ(t.Ws.Undo.UndoCount(), 1);
            EXPECT_TRUE(t.Ws.Changed.Has(app::Change::Layout));
            continue;
        }
        ASSERT_EQ(t.Host.Messages.size(), 1u) << c.Dx;
        EXPECT_EQ(t.Host.Messages[0].Text, c.Message);
        EXPECT_EQ(t.Layout().Rails, before) << c.Dx;
        EXPECT_FALSE(t.Layout().Modified);
        EXPECT_EQ(t.Ws.Undo.UndoCount(), 0);
    }
}

} // namespace
} // namespace ferrovane::editor
