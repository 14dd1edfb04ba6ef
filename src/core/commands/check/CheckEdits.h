#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/compute/check/DesignCheck.h"
#include "core/compute/check/GapCloser.h"
#include "core/compute/check/NearestFreeEnd.h"

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::check {

// Joins two free ends of different rails where they lie, as one undoable step. Refused
// (false, nothing changed) unless both are free ends of live rails that fall in each
// other's detection window.
bool JoinNearEnds(app::Workspace& ws, EndRef a, EndRef b);

// While the next piece is previewed at a free end (slot 0 holds it): how its far end
// stands to the nearest free end of another rail; nullopt when nothing is near or no
// straight, curve or point is previewed.
std::optional<GapReading> PreviewGapReading(const app::Workspace& ws);

// The preview's status text with the gap readout added when there is one.
std::string WithGapReadout(const app::Workspace& ws, const std::string& hint);

// The design check of the workspace's layout with its settings.
std::vector<Finding> CheckLayout(const app::Workspace& ws);

// Shows a finding: its rails become the selection (drawn highlighted) and the board
// scrolls so that its place lies in the middle of the visible window.
void FocusFinding(app::Workspace& ws, const Finding& finding);

// The three columns of a finding's row in the check list: kind, rails, figures.
std::vector<std::string> FindingRow(const Finding& finding);

// The gap closer's suggestions from free end a to free end b (none when either is not
// a free end of a live rail, or both are the same end).
std::vector<CloserSuggestion> SuggestClosers(const app::Workspace& ws, EndRef a, EndRef b);

// Lays the pieces of a suggestion from a to b, each joined to the one before, the first
// to a and the last to b, as one undo group. Returns the number of the first rail laid,
// or -1 when nothing was laid (an end no longer free, an empty suggestion, no room).
int LayCloser(app::Workspace& ws, EndRef a, EndRef b, const CloserSuggestion& suggestion);

// A flexible rail from free end a to free end b, joined at both, leaving each end in
// line with its rail. Returns its number, or -1.
int LayCloserFlex(app::Workspace& ws, EndRef a, EndRef b);

} // namespace ferrovane::check
