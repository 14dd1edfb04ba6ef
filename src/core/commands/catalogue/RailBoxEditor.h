#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/compute/catalogue/Catalogue.h"
#include "core/values/text/Messages.h"

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::catalogue {

inline const char* RailBoxEditorTitle() {
    return text::Msg(text::MessageId::RailBoxEditorTitle);
}

// One rail box as the rail-box window lists it.
struct RailBoxEntry {
    int Header = 0; // index of its header record
    std::string Name;
    int Members = 0;
    bool operator==(const RailBoxEntry&) const = default;
};

// The catalogue's boxes in file order, the clipboard box among them.
std::vector<RailBoxEntry> RailBoxEntries(const Catalogue& catalogue);

// Why a name cannot name a new or renamed box (empty, too long, a quote, the
// clipboard box's name, or the name of another box); nullopt when it can.
std::optional<std::string> RailBoxNameProblem(const Catalogue& catalogue, const std::string& name,
                                              int renamedHeader = -1);

// The commands of the rail-box window. Each changes the catalogue in memory, keeps the
// tool box's chosen box where it is, marks the catalogue changed and has the tool box
// refill its lists; the window writes the file when the user saves. Names are asked
// through the host and checked; a refused name is reported and changes nothing.
// Deleting asks first. Each returns whether the catalogue changed.
bool DeleteRailBox(app::Workspace& ws, int header);
bool RenameRailBox(app::Workspace& ws, int header);
// The selected straights and curves become a new box, before the clipboard box.
bool MakeRailBoxFromSelection(app::Workspace& ws);

// The user closes the window: with changes made, asks whether to save them. Yes
// writes the catalogue (a failed write keeps the window open), No puts back the
// catalogue as it was when the window opened, Cancel keeps the window open. Returns
// whether the window may close.
bool CloseRailBoxEditor(app::Workspace& ws, const Catalogue& opened);

} // namespace ferrovane::catalogue
