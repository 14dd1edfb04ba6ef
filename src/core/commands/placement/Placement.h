#pragma once

#include <cstdint>

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::geometry {

inline constexpr int PlaceCommit = 0;
inline constexpr int PlacePreview = 1;

// Places one piece of kind PlaceKind (straight, curve or point) with the selected
// catalogue entry. mode PlaceCommit appends it, joins it, updates the index, redraws,
// marks the layout modified and records "SET"; PlacePreview fills slot 0 and draws it
// on the visible board only; other modes do nothing. dir: curve flipped when non-zero,
// point orientation 0..5. atSnap starts at the detected end (angle becomes SnapAngle),
// otherwise at (MouseX, MouseY) (angle becomes its normalised value).
// Returns the rail placed (0 for a preview), or -1 when nothing was placed: a commit at
// an end that is already joined, a full layout, an unknown kind or selection.
int PlaceRail(app::Workspace& ws, float& angle, int dir, int mode, bool atSnap);

// The per-kind steps of PlaceRail: the record is filled and joined to the detected end,
// but joints to other ends, the index, drawing and undo are PlaceRail's.
// Return as PlaceRail.
int PlaceStraight(app::Workspace& ws, float x, float y, float angle, int mode, bool atSnap);
int PlaceCurve(app::Workspace& ws, float x, float y, float angle, bool flip, int mode, bool atSnap);
int PlacePoint(app::Workspace& ws, float x, float y, float angle, int orient, int mode,
               bool atSnap);

// The preview of the next piece at the detected end (nothing when that end is joined),
// with its status text.
void PreviewNextRail(app::Workspace& ws);

// A click on a free end: button 2 turns the next piece and previews it again, button 1
// commits it. x and y are not used.
void SetNextRail(app::Workspace& ws, int button, float x, float y);

} // namespace ferrovane::geometry
