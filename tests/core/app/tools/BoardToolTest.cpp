#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/app/tools/DeleteTool.h"
#include "core/app/tools/ElevationTool.h"
#include "core/app/tools/FlexTool.h"
#include "core/app/tools/RecolourTool.h"
#include "core/app/tools/ToolBoard.h"

namespace ferrovane::editor {
namespace {

struct SilentViews : DeleteToolView, RecolourToolView, ElevationToolView, FlexToolView {
    void ShowRailField(const std::string&) override {}
    void ShowTarget(const std::string&) override {}
    void ShowColour(std::int32_t) override {}
    void ShowSourceRail(const std::string&) override {}
    void ShowCandidates(const std::vector<std::string>&, int) override {}
    std::optional<std::string> ChosenCandidate() const override { return std::nullopt; }
    void ShowStep(int, const std::string&) override {}
    void ShowRailNumber(const std::string&) override {}
    std::optional<float> PickAngle() override { return 0.0f; }
};

// A tool window torn down while open (the main window closing) must not leave the
// board in a mode nobody handles: it would ignore every click, and the flexible rail's
// preview would stay on the board.
TEST(BoardTool, DestroyedWhileOpenLeavesTheBoardPlacing) {
    const struct {
        const char* tool;
        std::function<std::unique_ptr<BoardTool>(testing::ToolBoard&, SilentViews&)> open;
    } cases[] = {
        {"delete",
         [](testing::ToolBoard& t, SilentViews& v) {
             auto tool = std::make_unique<DeleteTool>(t.Board, v);
             tool->Open();
             return tool;
         }},
        {"recolour",
         [](testing::ToolBoard& t, SilentViews& v) {
             auto tool = std::make_unique<RecolourTool>(t.Board, v);
             tool->Open();
             return tool;
         }},
        {"elevation",
         [](testing::ToolBoard& t, SilentViews& v) {
             auto tool = std::make_unique<ElevationTool>(t.Board, v);
             tool->Open();
             return tool;
         }},
        {"flexible rail shaping",
         [](testing::ToolBoard& t, SilentViews& v) {
             auto tool = std::make_unique<FlexTool>(t.Board, v);
             tool->Open();
             t.Click(100, 100);
             t.Click(600, 100);
             EXPECT_EQ(t.Ws.Editor.AStatus, EditorMode::FlexShaping);
             return tool;
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tool);
        testing::ToolBoard t;
        SilentViews views;
        auto tool = c.open(t, views);
        EXPECT_TRUE(tool->IsOpen());
        EXPECT_NE(t.Ws.Editor.AStatus, EditorMode::Place);
        tool.reset();
        EXPECT_EQ(t.Ws.Editor.AStatus, EditorMode::Place);
        // Placing works again: a click on empty board opens the typed-angle window.
        t.Click(3000, 3000);
        EXPECT_EQ(t.View.AngleWindows, 1);
    }
}

} // namespace
} // namespace ferrovane::editor
