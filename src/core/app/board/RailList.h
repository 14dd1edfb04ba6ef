#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/values/model/PieceKind.h"
#include "core/values/text/Messages.h"

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::editor {

// What choosing a command entry of the flexible or object list opens.
enum class ToolCommand { None, FlexibleRail, InsertText, Elevate, Delete, CloseGap };

// One line of the tool box's rail list.
struct RailListEntry {
    enum class Type { CatalogueType, RailBox, Command, Note };
    Type EntryType = Type::Note;
    std::string Text;
    int Index = 0; // catalogue index, rail-box header index; unused otherwise
    ToolCommand Command = ToolCommand::None;
    bool operator==(const RailListEntry&) const = default;
};

inline const char* NoRailBoxesText() {
    return text::Msg(text::MessageId::NoRailBoxesText);
}

// The entries of the tool box's rail list for a kind. Catalogue kinds list the types for the
// current mode (ground: levels 0 and 2, elevated: levels 1 and 2) and end with the user-rail entry.
std::vector<RailListEntry> RailListFor(const app::Workspace& ws, model::PieceKind kind);

// Refills the list for the tool box's chosen kind. Kinds that place by clicking put the
// board in mode Place; the command kinds put it in NotPlaceable, so a click beeps until
// a command is chosen.
std::vector<RailListEntry> FillRailList(app::Workspace& ws);

// What the tool box's labels show for the chosen entry.
struct RailLabels {
    std::string Length, Radius, Angle;
    bool operator==(const RailLabels&) const = default;
};

// Choosing an entry: a catalogue type or rail box becomes the piece to place
// (PlaceKind and its Sel* index); a command is returned for the window to open.
struct RailChoice {
    ToolCommand Command = ToolCommand::None;
    RailLabels Labels;
};
RailChoice ChooseRailListEntry(app::Workspace& ws, const RailListEntry& entry);

} // namespace ferrovane::editor
