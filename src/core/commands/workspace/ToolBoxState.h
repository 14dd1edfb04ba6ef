#pragma once

#include <cstdint>

#include "core/values/model/PieceKind.h"

namespace ferrovane::editor {

// Button ids of the tool box. A click sets ButtonId to the button's id plus 100.
enum ToolButtonId : std::int16_t {
    ButtonNone = -1,     // the pointer is on the board
    ButtonKindFirst = 0, // picObject(0..5), one per placing kind
    ButtonKindLast = 5,
    ButtonAbout = 11,    // picAbout: rail information on/off
    ButtonUpper = 21,    // picUpper: elevated mode
    ButtonSize = 31,     // picSize: large or small tool box
    ButtonExecute0 = 41, // picExecute, image 0
    ButtonExecute1 = 42, // picExecute, image 1
    ButtonZoom = 70,     // the main window's zoom picture
    ButtonArrow = 81,    // picArrow: range selection
    ButtonRuler = 91,    // picRuler
    ButtonClicked = 100, // added on a click
    ButtonAfterUpperKey = 99,
    ButtonAfterEsc = 151,
};

// The tool box's own state; the rest of what its buttons show is the editor's.
struct ToolBoxState {
    std::int16_t ButtonId = ButtonNone;
    // The ButtonId the buttons were last drawn for; none yet at start.
    std::int16_t ShownButtonId = -32768;
    model::PieceKind ObjectIndex = model::PieceKind::Straight; // the kind button last chosen
    bool IsRailAboutOn = false;
};

} // namespace ferrovane::editor
