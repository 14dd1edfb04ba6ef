#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/commands/output/ImageExport.h"
#include "core/commands/render/ScreenRenderer.h"
#include "core/commands/render/SmoothDisplay.h"
#include "core/commands/workspace/Workspace.h"
#include "core/render/RecordingSurface.h"
#include "support/FakeUiHost.h"
#include "support/RailBits.h"

namespace ferrovane::render {
namespace {

using testing::RecordingSurface;

// Remembers what the renderer asked of the tiled picture.
struct FakeTiles : BoardPicture {
    std::vector<BoardSnapshotPtr> Shown;
    std::vector<float> Scales;
    std::vector<std::string> Composed;
    void Show(BoardSnapshotPtr snapshot, float scale) override {
        Shown.push_back(snapshot);
        Scales.push_back(scale);
    }
    void Compose(Surface&, int px, int py) override {
        Composed.push_back(std::to_string(px) + "," + std::to_string(py));
    }
};

model::Rail Straight(float x, float y) {
    return testing::OutlinedStraight(x, y);
}

struct TiledBoard {
    testing::FakeUiHost host;
    app::Workspace ws{host};
    RecordingSurface back{1, 1};
    RecordingSurface main{800, 600};
    ScreenRenderer renderer{ws, back, main};
    FakeTiles tiles;

    TiledBoard() {
        ws.Redraw = &renderer;
        renderer.UseTiles(&tiles);
    }
};

TEST(TiledScreenRendererTest, EditsTakeOneSnapshotAtTheNextRefreshAndNeverTouchTheBackScreen) {
    TiledBoard b;
    b.renderer.ReDrawBackScreen();
    ASSERT_EQ(b.tiles.Shown.size(), 1u);
    EXPECT_EQ(b.tiles.Shown[0]->LastRail(), 0);

    // Placing: the layout is drawn over, the new rail drawn, then the board refreshed.
    b.ws.Layout.AppendRail() = Straight(100, 100);
    b.renderer.DrawLayoutOnBackScreen();
    b.renderer.DrawRailOnBackScreen(1);
    EXPECT_EQ(b.tiles.Shown.size(), 1u); // nothing drawn yet
    b.renderer.RefreshMainPicture();
    ASSERT_EQ(b.tiles.Shown.size(), 2u);
    EXPECT_EQ(b.tiles.Shown[1]->LastRail(), 1);
    EXPECT_TRUE(b.back.Calls.empty());

    // Hovering and scrolling refresh without a new snapshot.
    b.ws.View.HScroll.Value = 300;
    b.renderer.SetScroll();
    b.renderer.RefreshMainPicture();
    EXPECT_EQ(b.tiles.Shown.size(), 2u);
    EXPECT_EQ(b.tiles.Composed.back(), "300,0");
}

TEST(TiledScreenRendererTest, AnyZoomOfAHugeBoardIsShownWithoutTheSizeWarning) {
    TiledBoard b;
    b.ws.Layout.LayoutWidth = 30000;
    b.ws.Layout.LayoutHeight = 30000;
    for (const float zoom : {0.0f, 1.0f / 3, 1.0f, 3.0f}) {
        b.ws.View.Zoom = zoom;
        b.renderer.ChangeZoomie();
        EXPECT_EQ(b.ws.View.Zoom, zoom);
        EXPECT_EQ(b.tiles.Scales.back(), zoom + 1);
    }
    EXPECT_TRUE(b.host.Messages.empty());
    EXPECT_EQ(b.back.Resizes, 0);
}

TEST(TiledScreenRendererTest, SmoothDisplayIsASettingThatRedrawsEveryTile) {
    TiledBoard b;
    b.renderer.ReDrawBackScreen();
    EXPECT_TRUE(b.ws.Settings.SmoothDisplay);
    SetSmoothDisplay(b.ws, false);
    EXPECT_FALSE(b.ws.Settings.SmoothDisplay);
    EXPECT_TRUE(b.ws.Changed.Has(app::Change::Settings));
    ASSERT_EQ(b.tiles.Shown.size(), 2u);
    EXPECT_FALSE(b.tiles.Shown[1]->Settings.SmoothDisplay);
    EXPECT_TRUE(CompareSnapshots(*b.tiles.Shown[0], *b.tiles.Shown[1]).Everything);
    SetSmoothDisplay(b.ws, false); // no change, no redraw
    EXPECT_EQ(b.tiles.Shown.size(), 2u);
}

TEST(TiledScreenRendererTest, ExportOfABoardTooLargeForOneImageIsRefusedBeforeAsking) {
    testing::FakeUiHost host;
    app::Workspace ws(host);
    ws.Layout.LayoutWidth = 12000;
    ws.Layout.LayoutHeight = 12000;
    bool wrote = false;
    const output::ImageWriter writer = [&](const std::string&, output::ImageFormat,
                                           document::FileError&) { return wrote = true; };
    ws.View.Zoom = 0; // 12000 x 12000 pixels: 549 MB
    EXPECT_FALSE(output::SaveAsBitmap(ws, writer));
    EXPECT_FALSE(wrote);
    EXPECT_TRUE(host.FileRequests.empty());
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text, "バックサイズが大きすぎてメモリに入りきれません。\r\n"
                                     "レイアウトサイズを小さくするか、ズームを下げてください");
    EXPECT_EQ(host.Messages[0].Title, "Ferrovane");
    EXPECT_EQ(host.Messages[0].HelpTopic, 139);
    EXPECT_NE(host.Messages[0].Details.find("12000 × 12000"), std::string::npos);
    EXPECT_NE(host.Messages[0].Details.find("256 MB"), std::string::npos);

    ws.View.Zoom = 3; // 3000 x 3000 fits
    host.FileAnswers.push_back(std::string("plan.png"));
    EXPECT_TRUE(output::SaveAsBitmap(ws, writer));
    EXPECT_TRUE(wrote);
}

} // namespace
} // namespace ferrovane::render
