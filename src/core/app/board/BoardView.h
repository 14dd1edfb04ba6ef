#pragma once

#include <string>
#include <vector>

#include "core/values/model/PieceKind.h"

namespace ferrovane::editor {

struct RailAbout;
struct RailListEntry;

// The board's mouse pointers.
enum class BoardPointer { Default, Arrow, Cross, SizeAll, NoDrop };

// The board's context menus: Rail_Menu on empty board, Rail_Menu2 on rails or with a
// selection.
enum class BoardMenu { RailMenu, RailMenu2 };

// What the board's state machine asks of the main window and the tool box beyond the
// drawing requests of RedrawTarget. The GUI implements it; tests record the calls.
class BoardView {
public:
    virtual ~BoardView() = default;
    // Changes the board's pointer only when it differs from the current one.
    virtual void SetMainPointer(BoardPointer /*pointer*/) {}
    // Pops up a menu at the pointer; mnuChangeRailName shown or hidden. Returns true
    // when the click that closes the menu still reaches the board, which then ignores it.
    virtual bool PopupMenu(BoardMenu /*menu*/, bool /*changeRailNameVisible*/) { return true; }
    // Opens the typed-angle window modally at the pointer and returns when it closed.
    virtual void ShowTypedAngleWindow() {}
    // The rubber band of a range selection, in visible-window units.
    virtual void DrawRangeBox(float /*minX*/, float /*minY*/, float /*maxX*/, float /*maxY*/) {}
    // The ruler line and its length text at the midpoint, in visible-window units.
    virtual void DrawRuler(float /*x1*/, float /*y1*/, float /*x2*/, float /*y2*/,
                           const std::string& /*text*/) {}
    // One automatic-scroll step in the direction of the view's AutoScrollState.
    virtual void SetAutoScroll() {}
    // The typed-angle window's pointer confinement is lifted.
    virtual void ReleaseMouseClip() {}
    // The tool box redraws its buttons (RefreshToolButtons); with a list, it shows it as its rail
    // list.
    virtual void RefreshToolBox(const std::vector<RailListEntry>* /*list*/) {}
    // The tool box's rail list moves its current entry by one (Up and Down keys).
    virtual void StepRailList(int /*delta*/) {}
    // The rail information panel shows these lines.
    virtual void ShowRailAbout(const RailAbout& /*about*/) {}
    // The rail-information menu item was chosen (key "/").
    virtual void ShowRailAboutItem() {}
};

// The rail list's new current entry after an Up (-1) or Down (+1) key, or the index
// itself when it does not move: the catalogue kinds never step onto their last entry,
// the user-rail placeholder.
int SteppedRailListIndex(model::PieceKind kind, int index, int count, int delta);

} // namespace ferrovane::editor
