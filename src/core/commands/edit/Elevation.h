#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ferrovane::app {
struct Workspace;
}
namespace ferrovane::catalogue {
struct RType;
}

namespace ferrovane::editor {

// A catalogue type can replace a rail when it may be used where the rail goes: an
// elevated rail comes down to ground types (Level 0) or types for both (2), a ground
// rail goes up to elevated types (1) or types for both.
bool IsElevationCandidate(const catalogue::RType& type, bool railUpper);

// The names of the candidate types of the rail's kind (straight, curve, point), in
// catalogue order; empty for other kinds or a rail that is not live.
std::vector<std::string> ElevationCandidates(const app::Workspace& ws, int rail);

// Part of the names of elevated rails in the catalogue: data, the same in every language.
inline constexpr const char* ElevatedMark = "高架";

// The candidate the "賢い変換" check box picks for a rail named source: its
// counterpart on the other level (the name with the elevated mark put before or after
// it, or taken off), else a type of the same name (a type for both levels only changes
// level), else the first candidate. nullopt when there are no candidates.
std::optional<std::size_t> IntelliChoice(const std::string& source,
                                         const std::vector<std::string>& candidates);

// Converts the rail as one undo action: Upper inverted, the new name and colour, with a
// record of the old ones. A group head's members get records of their own and their
// Upper inverted. Marks the layout modified.
bool ElevateRail(app::Workspace& ws, int rail, const std::string& newName, std::int32_t newColor);

// Converts the rail to the first type of its kind named chosenName, and redraws.
// False when the rail has no such type.
bool SetUpperRail(app::Workspace& ws, int rail, const std::string& chosenName);

// Opening the elevation tool: rails are converted one at a time, so a selection is
// cleared (after telling the user).
void OpenElevationTool(app::Workspace& ws);
// A click on a rail in the tool: converts PointedRail to the chosen candidate, or asks
// for a choice in the status line when there is none.
void SetUpper(app::Workspace& ws, const std::optional<std::string>& chosenName);
void CloseElevationTool(app::Workspace& ws);

} // namespace ferrovane::editor
