#pragma once

#include <cstdint>
#include <functional>

#include "core/compute/geometry/HitTest.h"

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::geometry {

// The hit test at (MouseX, MouseY) in the cells around (MouseCellX, MouseCellY): middle
// points first, then ends 0, 1, 2, each in index order; the first feature strictly
// inside the DetectRange window wins. Sets the Snap* values or PointedRail (or the
// "nothing" values, BoxTurn = 0) and returns the status.
std::int16_t DetectRail(app::Workspace& ws);

// What the hit test sets when it finds end `end` of rail `rail`, with the pointer put on
// that end. False (nothing changed) when there is no such end of a live rail.
bool SnapToEnd(app::Workspace& ws, int rail, int end);

// The end (0, 1, 2) of a rail found at (x, y), or NoJoint; rail receives its number
// or 0. The pointer values are restored afterwards, the detection results are not.
// With showMessage, a found end is announced in the message window.
std::uint8_t FindJoint(app::Workspace& ws, float x, float y, std::int16_t& rail, bool showMessage);

// Joins every free end of rail n to a free end of another rail lying on it. Run before
// rail n enters the index, so it never finds itself. beforeJoin, when given, hears of
// each other rail just before it is joined.
void ConnectJoints(app::Workspace& ws, int n, bool showMessage,
                   const std::function<void(int)>& beforeJoin = {});

} // namespace ferrovane::geometry
