#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/app/board/Board.h"
#include "core/app/board/EditMenu.h"
#include "core/commands/edit/Clipboard.h"
#include "core/commands/edit/DeleteRail.h"
#include "core/commands/edit/PerformUndo.h"
#include "core/commands/edit/Selection.h"
#include "support/CatalogueFixtures.h"

namespace ferrovane::editor {
namespace {

using app::Change;

// The marks as letters, so that a failure reads at a glance.
std::string Letters(app::ChangeMarks marks) {
    std::string s;
    const std::pair<Change, char> all[] = {{Change::Layout, 'L'}, {Change::Selection, 'S'},
                                           {Change::Undo, 'U'},   {Change::Catalogue, 'C'},
                                           {Change::View, 'V'},   {Change::Settings, 'G'},
                                           {Change::Tool, 'T'}};
    for (const auto& [change, letter] : all)
        if (marks.Has(change)) s += letter;
    return s;
}

// Each command marks what the front end must show anew; the board and the menus rely on
// these marks to update once per event.
TEST(ChangeMarks, EachCommandMarksWhatItChanged) {
    struct Case {
        const char* what;
        std::function<void(testing::CatalogueWorkspace&, Board&)> act;
        const char* marks;
    };
    const Case cases[] = {
        {"lay a piece", [](auto& t, auto&) { t.PlaceAt(0, 0, 1, 1); }, "LSU"},
        {"select a rail", [](auto& t, auto&) { ToggleSelection(t.Ws, 1); }, "S"},
        {"copy",
         [](auto& t, auto&) {
             ToggleSelection(t.Ws, 1);
             t.Ws.Changed.Take();
             CopySelection(t.Ws);
         },
         "C"},
        {"delete", [](auto& t, auto&) { DeleteRailNo(t.Ws, 1); }, "LSU"},
        {"undo", [](auto& t, auto&) { UndoCommand(t.Ws); }, "LSU"},
        {"next piece by key", [](auto&, auto& board) { board.KeyDown(KeyRightArrow, 0); }, "T"},
        {"range selection", [](auto&, auto& board) { board.ToggleRangeSelection(false); }, "T"},
        {"copy with nothing selected", [](auto& t, auto&) { CopySelection(t.Ws); }, ""},
    };
    for (const auto& c : cases) {
        testing::CatalogueWorkspace t;
        BoardView view;
        Board board(t.Ws, view);
        ASSERT_EQ(t.PlaceFree(0, 0, 1000, 1000, 90), 1);
        t.Ws.Changed.Take();
        c.act(t, board);
        EXPECT_EQ(Letters(t.Ws.Changed.Take()), c.marks) << c.what;
        EXPECT_FALSE(t.Ws.Changed.Any()) << c.what;
    }
}

} // namespace
} // namespace ferrovane::editor
