#include <gtest/gtest.h>

#include <random>

#include "core/commands/edit/Clipboard.h"
#include "core/commands/edit/DeleteRail.h"
#include "core/commands/edit/PerformUndo.h"
#include "core/commands/edit/Selection.h"
#include "core/compute/geometry/RailBoxWork.h"
#include "core/editor/EditFixture.h"

namespace ferrovane::editor {
namespace {

using testing::BuildEditLayout;
using testing::CatalogueWorkspace;

const catalogue::RailBoxRail& Box(const CatalogueWorkspace& t, int k) {
    return t.Ws.Catalogue.RailBoxRails[static_cast<std::size_t>(k)];
}

TEST(Clipboard, CopyStoresStraightsAndCurvesRelativeToTheFirstSelected) {
    CatalogueWorkspace t;
    BuildEditLayout(t);
    const int firstClip = RailBoxRecordCount(t.Ws.Catalogue);
    ASSERT_EQ(firstClip, 4) << "the Loop3 box";
    for (int n : {2, 3, 8, 1})
        ToggleSelection(t.Ws, n); // curve, point, label, straight
    CopySelection(t.Ws);
    const auto& c = t.Ws.Catalogue;
    ASSERT_EQ(c.RailBoxRailMax, firstClip + 2) << "header and two members";
    EXPECT_EQ(FindClipRail(c), firstClip);
    const auto& header = Box(t, firstClip);
    EXPECT_EQ(header.Name, "クリップレール");
    EXPECT_EQ(header.MemberKind, 5);
    EXPECT_EQ(header.Reserved, 2);
    EXPECT_EQ(header.BoxHigh, 2);
    const model::Rail& curve = t.Rail(2);
    const auto& m1 = Box(t, firstClip + 1);
    EXPECT_EQ(m1.Name, curve.Name);
    EXPECT_EQ(m1.MemberKind, 1);
    EXPECT_EQ(m1.Size, curve.Radius);
    EXPECT_EQ(m1.CurveAngle, 30);
    EXPECT_EQ(m1.OffsetX, 0);
    EXPECT_EQ(m1.OffsetY, 0);
    EXPECT_EQ(m1.RelAngle, model::NormalizeAngle(curve.Angle0 - 180));
    EXPECT_TRUE(m1.Free0 && m1.Free1 && m1.Ungrouped);
    const auto& m2 = Box(t, firstClip + 2);
    EXPECT_EQ(m2.MemberKind, 0);
    EXPECT_EQ(m2.Size, 248);
    EXPECT_EQ(m2.OffsetX, t.Rail(1).X0 - curve.X0);
    EXPECT_EQ(m2.Color, t.Rail(1).Color);
    EXPECT_EQ(t.Host.RailListRefreshes, 1);
    EXPECT_EQ(t.Ws.Undo.UndoCount(), 0) << "copy changes no rail";

    // Copying again replaces the box instead of adding a second one.
    CopySelection(t.Ws);
    EXPECT_EQ(c.RailBoxRailMax, firstClip + 2);
    RemoveClipRail(t.Ws.Catalogue);
    EXPECT_EQ(c.RailBoxRailMax, firstClip - 1);
    EXPECT_EQ(FindClipRail(c), -1);
}

TEST(Clipboard, CopyWithoutStraightsOrCurvesStoresAnEmptyBoxThatPlacesNothing) {
    CatalogueWorkspace t;
    t.Ws.Catalogue.RailBoxRails.clear();
    t.Ws.Catalogue.RailBoxRailMax = 0; // no boxes at all
    t.PlaceFree(2, 0, 1000, 1000, 90);
    ToggleSelection(t.Ws, 1);
    CopySelection(t.Ws);
    EXPECT_EQ(t.Ws.Catalogue.RailBoxRailMax, 0);
    EXPECT_EQ(FindClipRail(t.Ws.Catalogue), 0);
    t.Ws.Editor.SelBox = 0;
    geometry::SnapToEnd(t.Ws, 1, 1);
    const auto rails = t.Layout().RailCount;
    geometry::PlaceRailBox(t.Ws, t.Ws.Editor.SnapAngle, 0, true);
    EXPECT_EQ(t.Layout().RailCount, rails);
    EXPECT_EQ(t.Host.StatusTexts.back(), "クリップレールが空です。");
    EXPECT_EQ(t.Ws.Undo.UndoCount(), 1) << "only the point's placement";
}

TEST(Clipboard, CutDeletesAsOneActionAndPasteJoinsTheCopies) {
    CatalogueWorkspace t;
    BuildEditLayout(t);
    const auto before = testing::Snapshot(t.Layout());
    const auto rails = t.Layout().Rails;
    for (int n : {1, 2, 4})
        ToggleSelection(t.Ws, n);
    CutSelection(t.Ws);
    EXPECT_EQ(t.Ws.Undo.MenuItem().Caption, "元に戻す - 削除");
    EXPECT_EQ(SelectionSlots(t.Ws.Editor), 0);
    EXPECT_FALSE(t.Host.CCEnabled.back());
    EXPECT_TRUE(t.Rail(3).Free0 && t.Rail(3).Free1);
    PerformUndo(t.Ws);
    testing::ExpectRestored(before, t.Layout());
    EXPECT_EQ(t.Layout().Rails, rails);
    const int clip = FindClipRail(t.Ws.Catalogue);
    ASSERT_GE(clip, 0) << "the clip box stays after the undo";

    // Paste at the free end of rail 4: the copies of the joined rails 1 and 2 join again.
    t.Ws.Editor.SelBox = static_cast<std::int16_t>(clip);
    std::int16_t turn = 0;
    ASSERT_TRUE(geometry::NormalizeBoxTurn(t.Ws.Catalogue, clip, turn));
    geometry::SnapToEnd(t.Ws, 4, 1);
    const int first = t.Layout().RailCount + 1;
    geometry::PlaceRailBox(t.Ws, t.Ws.Editor.SnapAngle, turn, true);
    ASSERT_EQ(t.Layout().RailCount, first + 2);
    EXPECT_TRUE(testing::LinksConsistent(t.Layout(), true));
    int joinedInside = 0;
    for (int n = first; n <= first + 2; ++n)
        for (int e = 0; e < 2; ++e)
            if (!t.Rail(n).Free(e) && t.Rail(n).Link(e) >= first) ++joinedInside;
    EXPECT_EQ(joinedInside, 2) << "the straight and curve copies are joined both ways";
}

TEST(Clipboard, MemberNamesAreTrimmedAndCutToWhatTheCatalogueReadsBack) {
    const std::string a98(98, 'a'), kana = "あ";
    std::string kana98, kana99;
    for (int i = 0; i < 98; ++i)
        kana98 += kana;
    kana99 = kana98 + kana;
    const struct {
        std::string Name, Stored;
    } cases[] = {
        {"  S248  ", "S248"},     {a98, a98},       {a98 + "b", a98},
        {" " + a98 + "bc ", a98}, {kana99, kana98},
    };
    for (const auto& c : cases) {
        CatalogueWorkspace t;
        t.PlaceFree(0, 0, 1000, 1000, 90);
        t.Rail(1).Name = c.Name;
        ToggleSelection(t.Ws, 1);
        CopySelection(t.Ws);
        const int clip = FindClipRail(t.Ws.Catalogue);
        ASSERT_GE(clip, 0);
        EXPECT_EQ(Box(t, clip + 1).Name, c.Stored) << c.Name;
    }
}

} // namespace
} // namespace ferrovane::editor
