#pragma once

#include "core/values/text/Messages.h"
#include <functional>
#include <optional>
#include <string>

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::geometry {

enum class FlexSide { Start, End };

// Asks the user for the direction of a free end (the typed-angle window); nullopt when
// the window is closed without a pick.
using FlexAnglePicker = std::function<std::optional<float>()>;

// The name a flexible rail is saved under in the layout: data, not translated.
inline constexpr const char* FlexRailName = "フレキシブルレール";
inline const char* FlexEndJoinedText() {
    return text::Msg(text::MessageId::FlexEndJoinedText);
}

// Starts laying a flexible rail: the start is chosen next.
void OpenFlexRail(app::Workspace& ws);

// Records one side from end `end` of rail `rail`: its position, its end angle and the
// link. False (nothing recorded) when there is no such live rail end.
bool RecordFlexSideAtEnd(app::Workspace& ws, FlexSide side, int rail, int end);
// Records one side as a free point with the picked angle.
void RecordFlexSideFree(app::Workspace& ws, FlexSide side, float x, float y, float angle);

// A click while the start (SetFlexEnd) or the end (SetFlexRail) is chosen: a rail end
// under the pointer is taken, otherwise the picker supplies the direction of a free
// point at the pointer. An end that is joined already is refused with a status text.
// False when nothing was chosen; the step stays open.
bool SetFlexEnd(app::Workspace& ws, const FlexAnglePicker& pickAngle);
bool SetFlexRail(app::Workspace& ws, const FlexAnglePicker& pickAngle);

// Both ends chosen: handles back to (50, 50), control points computed, shaping begins.
void EnterFlexShaping(app::Workspace& ws);

// A handle drag: the handle becomes the pointer's distances from its end.
void DragFlexHandle(app::Workspace& ws, FlexSide side);

// What the rail-number box shows while a side is chosen: the number of the rail whose
// end is under the pointer, or the pointer position as a user-chosen point.
std::string FlexPointerText(app::Workspace& ws);

// Appends the flexible rail described by the editor's FlexDef and joins it to the rails
// its ends were taken from. Refused (false, nothing changed) when the layout is full, a
// joined end is no longer a free end of a live rail, or both sides name the same end.
bool CreateFlexRail(app::Workspace& ws);

// Cancel: back to the idle state, the board redrawn.
void CancelFlexRail(app::Workspace& ws);

} // namespace ferrovane::geometry
