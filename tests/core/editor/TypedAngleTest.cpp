#include <gtest/gtest.h>

#include "core/app/board/TypedAngle.h"
#include "core/commands/catalogue/CatalogueReader.h"
#include "core/commands/workspace/Workspace.h"
#include "core/document/DocumentTestSupport.h"
#include "support/FakeUiHost.h"

namespace ferrovane::editor {
namespace {

struct AngleFixture {
    AngleFixture() {
        EXPECT_EQ(catalogue::ReadCatalogue(ws, document::doctest::BundledCatalogue),
                  catalogue::CatalogueReadStatus::Loaded);
        ws.Editor.MouseX = 500;
        ws.Editor.MouseY = 600;
    }
    testing::FakeUiHost host;
    app::Workspace ws{host};
};

TEST(TypedAngleTest, PatternPicksEightDirectionsAndNothingInTheMiddle) {
    const struct {
        float x, y, angle;
    } cases[] = {
        {50, 95, 0}, {95, 95, 45}, {95, 50, 90}, {95, 5, 135},      {50, 5, 180},
        {5, 5, 225}, {5, 50, 270}, {5, 95, 315}, {50, 50, NoAngle},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PatternAngle(c.x, c.y, 100, 100), c.angle) << c.x << "," << c.y;
    EXPECT_EQ(PatternAngle(5, 5, 0, 100), NoAngle);
}

TEST(TypedAngleTest, TypingNinetyAndClickingPlacesAStraightAtTheClick) {
    AngleFixture f;
    auto st = OpenTypedAngle(f.ws);
    EXPECT_EQ(f.ws.Editor.AStatus, EditorMode::TypedAngle);
    EXPECT_EQ(f.host.StatusTexts.back(),
              "角度を記入してクリックしてください。スペースで設置場所変更。");
    std::string text = "90";
    ApplyTypedAngleText(f.ws, st, text, '0');
    EXPECT_EQ(f.host.StatusTexts.back(),
              "角度を記入してクリックしてください。スペースで設置場所変更。 (90度)");
    EXPECT_EQ(f.ws.Layout.RailCount, 0); // a preview
    const auto click = ClickTypedAngleWindow(f.ws, st, 1);
    EXPECT_TRUE(click.Close);
    ASSERT_EQ(f.ws.Layout.RailCount, 1);
    const auto& r = f.ws.Layout.Rails[1];
    EXPECT_FLOAT_EQ(r.X0, 500);
    EXPECT_FLOAT_EQ(r.Y0, 600);
    EXPECT_FLOAT_EQ(r.Angle0, 270);
    EXPECT_FLOAT_EQ(r.Angle1, 90);
    EXPECT_EQ(f.ws.Editor.AStatus, EditorMode::Place);
}

TEST(TypedAngleTest, OutOfRangeIgnoredNegativeAcceptedWithoutPreview) {
    AngleFixture f;
    auto st = OpenTypedAngle(f.ws);
    std::string text = "400";
    ApplyTypedAngleText(f.ws, st, text, '0');
    EXPECT_EQ(st.PickedAngle, NoAngle);
    text = "-360";
    ApplyTypedAngleText(f.ws, st, text, '0');
    EXPECT_EQ(st.PickedAngle, NoAngle);
    const auto texts = f.host.StatusTexts.size();
    text = "-90";
    ApplyTypedAngleText(f.ws, st, text, '0');
    EXPECT_EQ(st.PickedAngle, -90);
    EXPECT_EQ(st.LastAngle, NoAngle);
    EXPECT_EQ(f.host.StatusTexts.size(), texts);
    // Nothing picked: a left click places nothing.
    auto st2 = OpenTypedAngle(f.ws);
    EXPECT_FALSE(ClickTypedAngleWindow(f.ws, st2, 1).Close);
    EXPECT_EQ(f.ws.Layout.RailCount, 0);
}

TEST(TypedAngleTest, SpaceTurnsAPointLikeARightClickAndKeepsTheDigits) {
    AngleFixture f;
    f.ws.Editor.PlaceKind = PieceKind::Point;
    auto st = OpenTypedAngle(f.ws);
    std::string text = "45 ";
    const std::int16_t expected[] = {2, 5, 0};
    for (auto dir : expected) {
        ApplyTypedAngleText(f.ws, st, text, 32);
        EXPECT_EQ(text, "45");
        EXPECT_EQ(st.PickedDir, dir);
        text += " ";
    }
    ClickTypedAngleWindow(f.ws, st, 2); // right click continues the same cycle
    EXPECT_EQ(st.PickedDir, 2);
}

TEST(TypedAngleTest, SameArrowTwicePreviewsOnceAndStatusNamesTheAngle) {
    AngleFixture f;
    f.ws.Editor.PlaceKind = PieceKind::Curve;
    auto st = OpenTypedAngle(f.ws);
    PickAngleAtPointer(f.ws, st, 95, 50, 100, 100);
    EXPECT_EQ(st.LastAngle, 90);
    EXPECT_EQ(f.host.StatusTexts.back(),
              "90度で選択されたレールを作成します。右クリックで方向転換");
    struct CountingRedraw : render::RedrawTarget {
        void RefreshMainPicture() override { ++Refreshes; }
        int Refreshes = 0;
    } redraw;
    f.ws.Redraw = &redraw;
    PickAngleAtPointer(f.ws, st, 96, 51, 100, 100);
    EXPECT_EQ(redraw.Refreshes, 0);
    PickAngleAtPointer(f.ws, st, 50, 95, 100, 100);
    EXPECT_EQ(redraw.Refreshes, 1);
    CancelTypedAngle(f.ws, st);
    EXPECT_EQ(f.ws.Editor.AStatus, EditorMode::Place);
    EXPECT_EQ(f.ws.Layout.RailCount, 0);
}

TEST(TypedAngleTest, FlexibleRailEndGetsTheAngle) {
    AngleFixture f;
    f.ws.Editor.AStatus = EditorMode::FlexChoosingStart;
    auto st = OpenTypedAngle(f.ws);
    EXPECT_EQ(f.ws.Editor.AStatus, EditorMode::FlexChoosingStart);
    PickAngleAtPointer(f.ws, st, 50, 5, 100, 100);
    EXPECT_EQ(f.host.StatusTexts.back(), "180度で選択されたフレキシブルレールの端を指定します。");
    const auto click = ClickTypedAngleWindow(f.ws, st, 1);
    EXPECT_TRUE(click.Close);
    EXPECT_EQ(click.FlexAngle, 180.0f);
    EXPECT_EQ(f.ws.Layout.RailCount, 0);
}

} // namespace
} // namespace ferrovane::editor
