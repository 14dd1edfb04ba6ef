#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

#include "core/commands/render/ScreenRenderer.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/render/BoardAreaDriver.h"
#include "core/values/platform/ConsoleUiHost.h"
#include "gui/render/BoardImageExport.h"
#include "gui/render/BoardTiles.h"
#include "gui/render/ImageSurface.h"

namespace ferrovane::gui {
namespace {

constexpr float Pi = std::numbers::pi_v<float>;

// A rail of every kind the board draws, turned and spread over a 4000 by 3000 board,
// some of them elevated (wider pens) and many across tile edges at every zoom; none
// near the board's edges, where the whole-board image would cut them.
void FillEveryKind(model::Layout& layout) {
    layout.LayoutWidth = 4000;
    layout.LayoutHeight = 3000;
    int n = 0;
    const auto add = [&](std::uint8_t kind, float x, float y, float a) -> model::Rail& {
        model::Rail& r = layout.AppendRail();
        r.Valid = true;
        r.No = static_cast<std::int16_t>(++n);
        r.Kind = kind;
        r.Color = 0x800000 + n * 0x13;
        r.Upper = n % 4 == 0;
        const float dx = std::cos(a), dy = -std::sin(a), nx = -dy * 5, ny = dx * 5;
        r.C1X = x + nx, r.C1Y = y + ny, r.C2X = x - nx, r.C2Y = y - ny;
        r.C3X = x + 248 * dx - nx, r.C3Y = y + 248 * dy - ny;
        r.C4X = x + 248 * dx + nx, r.C4Y = y + 248 * dy + ny;
        r.MidX = x + 124 * dx, r.MidY = y + 124 * dy;
        r.X0 = x, r.Y0 = y, r.X1 = x + 248 * dx, r.Y1 = y + 248 * dy;
        // The arc starts at (x, y).
        r.Radius = 541, r.CenterX = x - 541 * std::cos(a), r.CenterY = y + 541 * std::sin(a);
        r.ArcStart = a, r.ArcSweep = Pi / 6, r.Length = 186;
        r.C5X = r.C3X + 10, r.C5Y = r.C3Y + 3, r.C6X = r.C4X + 10, r.C6Y = r.C4Y + 3;
        return r;
    };
    const std::uint8_t kinds[] = {model::KindStraight,        model::KindCurve,
                                  model::KindPoint,           model::KindFlexible,
                                  model::KindBoxHeadStraight, model::KindBoxMemberStraight,
                                  model::KindBoxHeadCurve,    model::KindBoxMemberCurve};
    for (int i = 0; i < 48; ++i) {
        const float x = 1000 + static_cast<float>((i * 397) % 2000);
        const float y = 1000 + static_cast<float>((i * 251) % 1000);
        model::Rail& r = add(kinds[i % 8], x, y, static_cast<float>(i) * 0.61f);
        if (r.Kind == model::KindPoint)
            r.Dir = static_cast<std::uint8_t>(i % 16 < 8 ? 0 : 100 + i % 4);
        if (r.Kind == model::KindCurve) r.Dir = i % 2 == 0 ? 0 : 255;
    }
    model::Rail& label = add(model::KindText, 1900, 1500, 0);
    label.Name = "Sans 駅前";
    label.Radius = 4; // the font name's characters
    label.Length = 14;
}

struct Boards {
    platform::ConsoleUiHost host{stderr};
    app::Workspace ws{host};
    // Today's drawing: the whole board in one image, a window copied from it.
    ImageSurface back, main{700, 500};
    render::ScreenRenderer whole{ws, back, main};
    // The tiled board over the same workspace.
    ImageSurface tiledMain{700, 500};
    ImageSurface unusedBack;
    render::ScreenRenderer tiledRenderer{ws, unusedBack, tiledMain};
    BoardTiles tiles;

    // Small square tiles by default: many tile edges in the window.
    explicit Boards(int tileSize = 128)
        : tiles([this] { tiledRenderer.RefreshMainPicture(); }, tileSize) {
        FillEveryKind(ws.Layout);
        ws.View.IsGrid = true;
        ws.Settings.SmoothDisplay = false;
        tiledRenderer.UseTiles(&tiles);
    }
    void Zoom(float zoom) {
        ws.View.Zoom = zoom;
        whole.ChangeZoomie();
        tiledRenderer.ChangeZoomie();
    }
    void Scroll(int x, int y) {
        ws.View.HScroll.Value = x;
        ws.View.VScroll.Value = y;
        whole.SetScroll();
        tiledRenderer.SetScroll();
    }
    void Redraw() {
        whole.ReDrawBackScreen();
        tiledRenderer.ReDrawBackScreen();
    }
    // Both pictures of the visible window; the tiled one once every tile is drawn.
    int Differences() {
        EXPECT_TRUE(tiles.WaitUntilComplete());
        tiledRenderer.RefreshMainPicture();
        main.Flush();
        tiledMain.Flush();
        const QImage& a = main.Image();
        const QImage& b = tiledMain.Image();
        int n = 0, drawn = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                n += a.pixel(x, y) != b.pixel(x, y);
                drawn += a.pixel(x, y) != qRgb(255, 255, 255);
            }
        EXPECT_GT(drawn, 2000); // rails and grid, not an empty window
        return n;
    }
};

// Square tiles from the board's corner, and the editor's tiles fitted to the window
// (their corners wherever the window was when the zoom was chosen).
class TileShapes : public testing::TestWithParam<int> {};
INSTANTIATE_TEST_SUITE_P(TiledBoardTest, TileShapes, testing::Values(128, render::FittedTiles));

TEST_P(TileShapes, TilesShowTheWholeBoardRedrawPixelForPixelAtEveryZoom) {
    Boards b(GetParam());
    for (const float zoom : {0.0f, 1.0f / 3, 1.0f, 3.0f}) {
        b.Zoom(zoom);
        EXPECT_EQ(b.Differences(), 0) << "zoom " << zoom;
        for (const auto& [x, y] : {std::pair{333, 251}, std::pair{1190, 977}, std::pair{37, 990}}) {
            b.Scroll(x, y);
            EXPECT_EQ(b.Differences(), 0) << "zoom " << zoom << " at " << x << "," << y;
        }
    }
}

TEST_P(TileShapes, EditsRedrawOnlyTheTouchedTilesAndStayExact) {
    Boards b(GetParam());
    b.Zoom(1.0f / 3);
    b.Scroll(200, 150);
    ASSERT_EQ(b.Differences(), 0);
    model::Layout& layout = b.ws.Layout;
    const model::Layout before = layout;

    struct Step {
        const char* what;
        void (*edit)(model::Layout&);
    };
    const Step steps[] = {
        {"placed",
         [](model::Layout& l) {
             model::Rail r = l.Rails[3];
             r.C1X += 60, r.C2X += 60, r.C3X += 60, r.C4X += 60, r.MidX += 60, r.CenterX += 60;
             l.AppendRail() = r;
         }},
        {"deleted", [](model::Layout& l) { l.Rails[5].Valid = false; }},
        {"moved",
         [](model::Layout& l) {
             model::Rail& r = l.Rails[9];
             r.C1Y += 90, r.C2Y += 90, r.C3Y += 90, r.C4Y += 90, r.MidY += 90, r.CenterY += 90;
             r.Y0 += 90, r.Y1 += 90;
         }},
        {"recoloured", [](model::Layout& l) { l.Rails[2].Color = 0x00FF00; }},
    };
    for (const Step& step : steps) {
        step.edit(layout);
        b.Redraw();
        EXPECT_EQ(b.Differences(), 0) << step.what;
    }
    // Undo as the journal does it: the rails as they were.
    layout = before;
    b.Redraw();
    EXPECT_EQ(b.Differences(), 0) << "undone";
}

TEST(TiledBoardTest, AChangeRedrawsOnlyTheTilesItTouches) {
    Boards b;
    b.Zoom(0);
    b.Scroll(900, 900); // rail 1 starts at (1000, 1000)
    ASSERT_EQ(b.Differences(), 0);
    const auto drawn = b.tiles.Plan().Grid().Covering({900, 900, 700, 500});
    b.ws.Layout.Rails[1].Color = 0x00FF00;
    b.tiledRenderer.ReDrawBackScreen();
    int stale = 0;
    for (const render::TileKey key : drawn)
        stale += !b.tiles.Plan().Current(key);
    EXPECT_GT(stale, 0);
    EXPECT_LE(stale, 9); // one rail's box, not the window's tiles
}

TEST(TiledBoardTest, AWindowPassedThroughInOneTurnIsNeverDrawn) {
    // A wheel zoom shows the top-left corner of the new zoom and at once the point under
    // the pointer: only the second window's tiles are drawn.
    Boards b;
    b.Zoom(0);
    ASSERT_TRUE(b.tiles.WaitUntilIdle());
    b.Zoom(1);
    b.Scroll(2400, 1800);
    ASSERT_TRUE(b.tiles.WaitUntilIdle());
    const render::TileGrid& grid = b.tiles.Plan().Grid();
    EXPECT_FALSE(b.tiles.Plan().Has(grid.Covering({350, 250, 1, 1}).front()));
    EXPECT_TRUE(b.tiles.Plan().Has(grid.Covering({1200, 900, 1, 1}).front()));
    EXPECT_EQ(b.Differences(), 0);
}

TEST(TiledBoardTest, AfterAZoomTheEarlierTilesStandInUntilTheNewOnesAreDrawn) {
    Boards b;
    b.Zoom(1.0f / 3);
    b.Scroll(900, 700);
    ASSERT_EQ(b.Differences(), 0);
    const auto drawnPixels = [&b] {
        b.tiledMain.Flush();
        const QImage& image = b.tiledMain.Image();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) != qRgb(255, 255, 255);
        return n;
    };
    // Nothing of the new zoom is drawn within this turn of the event loop, yet the
    // board shows the rails, stretched from the earlier zoom.
    for (const float zoom : {1.0f, 0.0f}) {
        b.ws.View.Zoom = zoom;
        b.tiledRenderer.ChangeZoomie();
        b.ws.View.HScroll.Value = 900;
        b.ws.View.VScroll.Value = 700;
        b.tiledRenderer.SetScroll();
        EXPECT_EQ(b.tiles.ImageCount(), 0u) << zoom;
        EXPECT_GT(drawnPixels(), 2000) << zoom;
    }
    // Once drawn, the window is exactly the new zoom's picture.
    b.whole.ChangeZoomie();
    b.whole.SetScroll();
    EXPECT_EQ(b.Differences(), 0);
}

TEST(TiledBoardTest, ExportInPiecesEqualsTheWholeImageAndFollowsSmoothing) {
    Boards b;
    b.Zoom(1);
    b.back.Flush();
    const QImage one = b.back.Image().convertToFormat(QImage::Format_RGB32);
    const render::BoardSnapshotPtr s = b.tiledRenderer.Snapshot();
    for (const int band : {100, 256, 512}) {
        const QImage pieces = ExportBoardImage(*s, b.ws.View.UnitsPerPixel(), band);
        ASSERT_EQ(pieces.size(), one.size()) << band;
        EXPECT_TRUE(pieces == one) << band;
    }
    // Smooth lines leave pixels between the rail colour and white.
    b.ws.Settings.SmoothDisplay = true;
    b.tiledRenderer.ReDrawBackScreen();
    const QImage smooth = ExportBoardImage(*b.tiledRenderer.Snapshot(), b.ws.View.UnitsPerPixel());
    EXPECT_FALSE(smooth == one);
    // Too large for one image: refused.
    b.ws.Layout.LayoutWidth = 30000;
    b.ws.Layout.LayoutHeight = 30000;
    b.tiledRenderer.ReDrawBackScreen();
    EXPECT_TRUE(ExportBoardImage(*b.tiledRenderer.Snapshot(), 1).isNull());
}

TEST(TiledBoardTest, SmoothTilesMeetWithoutSeams) {
    // Anti-aliased tiles are drawn in the whole picture's coordinates too: a board made
    // of small pieces equals one made of large ones.
    Boards b;
    b.ws.Settings.SmoothDisplay = true;
    b.Zoom(0);
    const render::BoardSnapshotPtr s = b.tiledRenderer.Snapshot();
    const QImage small = ExportBoardImage(*s, 1, 64);
    const QImage large = ExportBoardImage(*s, 1, 1024);
    EXPECT_TRUE(small == large);
    // On a high-density screen, tiles of two physical pixels per pixel each way.
    const render::PixelRect board{0, 0, large.width(), large.height()};
    const QImage dense = DrawBoardAreaImage(*s, 1, board, 2);
    ASSERT_EQ(dense.width(), 2 * large.width());
    int compared = 0;
    for (std::int64_t y = 0; y < board.H; y += 128)
        for (std::int64_t x = 0; x < board.W; x += 128) {
            const render::PixelRect tile{x, y, std::min<std::int64_t>(128, board.W - x),
                                         std::min<std::int64_t>(128, board.H - y)};
            const QImage piece = DrawBoardAreaImage(*s, 1, tile, 2);
            const QImage same = dense.copy(static_cast<int>(2 * x), static_cast<int>(2 * y),
                                           piece.width(), piece.height());
            EXPECT_TRUE(piece == same) << x << "," << y;
            ++compared;
        }
    EXPECT_GT(compared, 4);
}

} // namespace
} // namespace ferrovane::gui
