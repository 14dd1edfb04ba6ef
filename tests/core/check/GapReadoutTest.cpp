#include <gtest/gtest.h>

#include <string>

#include "core/app/board/RailAbout.h"
#include "core/commands/placement/Placement.h"
#include "support/CatalogueFixtures.h"

namespace ferrovane::testing {
namespace {

// The pointer resting on end 1 of a straight from (1000, 1000) to (752, 1000) previews
// the next piece; a straight ends at (504, 1000), a point's two far ends at (566, 1000)
// and about (564.7, 1024.5), a short straight at (628, 1000); the free end of rail 2
// lies at (500, 1003).
TEST(GapReadout, StatusLineTellsHowThePreviewedPieceMeetsTheNearestFreeEnd) {
    const struct {
        int Kind, Sel, Dir;
        const char* Expected;
    } cases[] = {
        {0, 0, 0, "左クリックでレールを作成します。  すき間 5.0 / 角度差 0.0°"},
        {2, 0, 0,
         "右クリックで方向転換, 左クリックでレールを作成します。  すき間 66.1 / 角度差 0.0°"},
        {0, 1, 0, "左クリックでレールを作成します。  すき間 128.0 / 角度差 0.0°"},
    };
    for (const auto& c : cases) {
        CatalogueWorkspace w;
        w.PlaceFree(0, 0, 1000, 1000, 90);
        w.PlaceFree(0, 0, 500, 1003, 90);
        w.Tool(c.Kind, c.Sel);
        w.Ws.Editor.PointOrient = static_cast<std::int16_t>(c.Dir);
        w.Ws.ToolBox.IsRailAboutOn = true;
        w.SnapTo(1, 1);
        w.Host.StatusTexts.clear();
        geometry::PreviewNextRail(w.Ws);
        ASSERT_FALSE(w.Host.StatusTexts.empty());
        EXPECT_EQ(w.Host.StatusTexts.back(), c.Expected);
        const auto about = editor::GapAbout(w.Ws);
        ASSERT_TRUE(about);
        EXPECT_EQ(about->Lines.back(),
                  std::string(c.Expected).substr(std::string(c.Expected).find("すき間")));
    }
}

TEST(GapReadout, NothingIsAddedBeyond300Units) {
    CatalogueWorkspace w;
    w.PlaceFree(0, 0, 1000, 1000, 90);
    w.PlaceFree(0, 0, 150, 1000, 90); // 354 from the previewed end
    w.Tool(0, 0);
    w.SnapTo(1, 1);
    w.Host.StatusTexts.clear();
    geometry::PreviewNextRail(w.Ws);
    ASSERT_FALSE(w.Host.StatusTexts.empty());
    EXPECT_EQ(w.Host.StatusTexts.back(), "左クリックでレールを作成します。");
    EXPECT_FALSE(editor::GapAbout(w.Ws));
}

} // namespace
} // namespace ferrovane::testing
