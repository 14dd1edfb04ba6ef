#include <QImage>

#include <set>

#include "core/app/settings/SettingsIo.h"
#include "gui/app/StartedWindow.h"
#include "gui/editor/MainPicture.h"

namespace ferrovane::testing {
namespace {

// The colours of the board's pixels.
std::set<QRgb> Colours(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y) & 0xFFFFFF);
    return colours;
}

TEST(TiledBoardWindow, AHugeBoardOpensAt100PercentWithoutTheSizeWarning) {
    StartedWindow w;
    w.Ws().Layout.LayoutWidth = 30000;
    w.Ws().Layout.LayoutHeight = 30000;
    ASSERT_EQ(w.LayStraight(29000, 29500), 1);
    w.window->findChildren<QAction*>(QStringLiteral("mnuZoom"))[0]->trigger(); // 100 %
    EXPECT_EQ(w.Ws().View.Zoom, 0.0f);
    ASSERT_TRUE(w.window->WaitForBoard());
    // Scrolled to the far corner: the rail is there.
    w.Ws().View.HScroll.Value = 28800;
    w.Ws().View.VScroll.Value = 29300;
    w.window->Renderer().SetScroll();
    ASSERT_TRUE(w.window->WaitForBoard());
    const QImage image = w.window->Picture()->grab().toImage();
    const QRgb rail = gui::ToQColor(w.Ws().Layout.Rails[1].Color).rgb() & 0xFFFFFF;
    EXPECT_EQ(Colours(image).count(rail), 1u);
}

TEST(TiledBoardWindow, SmoothDisplayMenuItemSmoothsTheBoardAndIsKept) {
    StartedWindow w;                            // starts with smoothing off
    ASSERT_EQ(w.LayStraight(300, 300, 250), 1); // a slanted straight
    QAction* smooth = w.Action("SmoothDisplay_Check");
    ASSERT_NE(smooth, nullptr);
    EXPECT_TRUE(smooth->isCheckable());
    EXPECT_FALSE(smooth->isChecked());
    EXPECT_EQ(smooth->text(), QStringLiteral("なめらか表示"));
    ASSERT_TRUE(w.window->WaitForBoard());
    const std::size_t aliased = Colours(w.window->Picture()->grab().toImage()).size();

    smooth->trigger();
    EXPECT_TRUE(smooth->isChecked());
    EXPECT_TRUE(w.Ws().Settings.SmoothDisplay);
    ASSERT_TRUE(w.window->WaitForBoard());
    // Anti-aliased edges blend the rail's colour into the white: many more shades.
    EXPECT_GT(Colours(w.window->Picture()->grab().toImage()).size(), aliased + 20);

    // Kept for the next start.
    app::MemorySettingsStore store;
    app::SaveSettings(store, w.Ws().Settings, w.Ws().Layout.RecentFiles);
    EXPECT_EQ(store.Get(app::RootSection, "SmoothDisplay"), "True");

    smooth->trigger();
    EXPECT_FALSE(w.Ws().Settings.SmoothDisplay);
    ASSERT_TRUE(w.window->WaitForBoard());
    EXPECT_EQ(Colours(w.window->Picture()->grab().toImage()).size(), aliased);
}

} // namespace
} // namespace ferrovane::testing
