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

TEST(TypedAngleTest, EachPartOfThePatternLaysAPieceRunningTowardsIt) {
    // Pattern positions in a 90 by 90 window, with the way the piece must run from the
    // clicked point (screen y grows downwards).
    const struct {
        float x, y;
        int dx, dy;
    } cases[] = {
        {45, 85, 0, 1}, {85, 85, 1, 1}, {85, 45, 1, 0}, {85, 5, 1, -1},
        {45, 5, 0, -1}, {5, 5, -1, -1}, {5, 45, -1, 0}, {5, 85, -1, 1},
    };
    const auto sign = [](float v) { return v > 0.5f ? 1 : (v < -0.5f ? -1 : 0); };
    for (const auto& c : cases) {
        AngleFixture f;
        auto st = OpenTypedAngle(f.ws);
        PickAngleAtPointer(f.ws, st, c.x, c.y, 90, 90);
        ASSERT_TRUE(ClickTypedAngleWindow(f.ws, st, 1).Close);
        ASSERT_EQ(f.ws.Layout.RailCount, 1);
        const auto& r = f.ws.Layout.Rails[1];
        EXPECT_EQ(sign(r.X1 - r.X0), c.dx) << c.x << "," << c.y;
        EXPECT_EQ(sign(r.Y1 - r.Y0), c.dy) << c.x << "," << c.y;
    }
    EXPECT_EQ(PatternAngle(45, 45, 90, 90), NoAngle);
    EXPECT_EQ(PatternAngle(5, 5, 0, 100), NoAngle);
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
    EXPECT_EQ(st.LastAngle, 270);
    EXPECT_EQ(f.host.StatusTexts.back(),
              "270度で選択されたレールを作成します。右クリックで方向転換");
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
    EXPECT_EQ(redraw.Refreshes, 2); // the preview is erased with the window
    EXPECT_EQ(f.ws.Editor.AStatus, EditorMode::Place);
    EXPECT_EQ(f.ws.Layout.RailCount, 0);
}

} // namespace
} // namespace ferrovane::editor
