#pragma once

#include <cstdint>

namespace ferrovane::app {
struct Workspace;
}
namespace ferrovane::model {
struct Layout;
}

namespace ferrovane::geometry {

// What DetectRail found under the pointer.
inline constexpr std::int16_t DetectMiddle = 1; // a rail's middle point: PointedRail
inline constexpr std::int16_t DetectEnd0 = 2;   // end 0 of SnapRail
inline constexpr std::int16_t DetectEnd1 = 3;   // end 1
inline constexpr std::int16_t DetectEnd2 = 4;   // end 2
inline constexpr std::int16_t DetectNothing = 10;

// FindJoint's answer when no end lies at the point.
inline constexpr std::uint8_t NoJoint = 10;

// Hit test at (MouseX, MouseY) in the cells around (MouseCellX, MouseCellY): middle
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
// rail n enters the index, so it never finds itself.
void ConnectJoints(app::Workspace& ws, int n, bool showMessage);

// Deletes rail n: Valid = False and its neighbours' ends freed. Rail n keeps its own
// links so that an undo can join it again. The index is not touched.
void RemoveRail(model::Layout& layout, int n);

// Moves rail n by (dx, dy), recomputes its cells, marks the layout modified and
// rebuilds the index. Links and angles do not change.
void TranslateRail(model::Layout& layout, int n, float dx, float dy);

// Moves every rail 1..RailCount by (dx, dy) as TranslateRail does, with one index
// rebuild at the end instead of one per rail.
void TranslateAllRails(model::Layout& layout, float dx, float dy);

// The same move without the index rebuild, for a caller that rebuilds it afterwards.
void ShiftAllRails(model::Layout& layout, float dx, float dy);

} // namespace ferrovane::geometry
