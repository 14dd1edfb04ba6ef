#pragma once

#include <array>
#include <vector>

#include "core/app/board/RailList.h"
#include "core/app/board/ToolBoxButtons.h"

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::editor {

struct EditorState;
struct ToolBoxState;

// The faces of the six kind buttons: the chosen kind sunken, the kind under the pointer
// raised unless it is the chosen one, the others flat.
std::array<ButtonFace, 6> KindButtonFaces(const ToolBoxState& toolBox, const ButtonLook& look);

// The execute button shows image 1 for the object commands, image 0 otherwise; its
// button id follows the image.
int ExecuteButtonId(const ToolBoxState& toolBox);

// The execute button runs the command entry current in the list, if it is one.
ToolCommand RunListedCommand(app::Workspace& ws, const RailListEntry* current);

// The row of a freshly filled list that holds the piece chosen for that kind (the
// first row when that piece is not listed), or -1 for the command lists, whose commands
// are chosen only by the user.
int CurrentRailListRow(const EditorState& editor, model::PieceKind kind,
                       const std::vector<RailListEntry>& list);

// Whether moving onto an entry with the Up and Down keys chooses it at once; commands
// open windows and wait for a click.
bool ChoosesOnStep(const RailListEntry& entry);

// The pointer over a label or the list: no button is under it any more, and the
// status line shows the control's text. Returns RefreshToolButtons' result and look.
bool PointerOverToolBoxText(app::Workspace& ws, const char* text, ButtonLook& look);

} // namespace ferrovane::editor
