#include "core/app/board/ToolBoxControls.h"

#include "core/commands/edit/StatusText.h"
#include "core/commands/workspace/Workspace.h"

namespace ferrovane::editor {

std::array<ButtonFace, 6> KindButtonFaces(const ToolBoxState& toolBox, const ButtonLook& look) {
    std::array<ButtonFace, 6> faces{};
    faces.fill(ButtonFace::Flat);
    if (look.Object == ButtonFace::Raised && look.ObjectIcon >= ButtonKindFirst &&
        look.ObjectIcon <= ButtonKindLast) {
        faces[static_cast<std::size_t>(look.ObjectIcon)] = ButtonFace::Raised;
    }
    const int chosen = model::KindIndex(toolBox.ObjectIndex);
    if (chosen >= ButtonKindFirst && chosen <= ButtonKindLast) {
        faces[static_cast<std::size_t>(chosen)] = ButtonFace::Sunken;
    }
    return faces;
}

int ExecuteButtonId(const ToolBoxState& toolBox) {
    return toolBox.ObjectIndex == model::PieceKind::Object ? ButtonExecute1 : ButtonExecute0;
}

ToolCommand RunListedCommand(app::Workspace& ws, const RailListEntry* current) {
    ws.ToolBox.ButtonId = static_cast<std::int16_t>(ExecuteButtonId(ws.ToolBox) + ButtonClicked);
    if (current == nullptr || current->EntryType != RailListEntry::Type::Command) {
        return ToolCommand::None;
    }
    return ChooseRailListEntry(ws, *current).Command;
}

int CurrentRailListRow(const EditorState& editor, PieceKind kind,
                       const std::vector<RailListEntry>& list) {
    if (list.empty() || !model::PlacesByClick(kind)) return -1;
    int chosen = -1;
    RailListEntry::Type type = RailListEntry::Type::CatalogueType;
    switch (kind) {
    case PieceKind::Straight:
        chosen = editor.SelStraight;
        break;
    case PieceKind::Curve:
        chosen = editor.SelCurve;
        break;
    case PieceKind::Point:
        chosen = editor.SelPoint;
        break;
    case PieceKind::RailBox:
        chosen = editor.SelBox;
        type = RailListEntry::Type::RailBox;
        break;
    default:
        return -1;
    }
    for (std::size_t row = 0; row < list.size(); ++row) {
        if (list[row].EntryType == type && list[row].Index == chosen) return static_cast<int>(row);
    }
    return 0;
}

bool ChoosesOnStep(const RailListEntry& entry) {
    return entry.EntryType == RailListEntry::Type::CatalogueType ||
           entry.EntryType == RailListEntry::Type::RailBox;
}

bool PointerOverToolBoxText(app::Workspace& ws, const char* text, ButtonLook& look) {
    ws.ToolBox.ButtonId = ButtonNone;
    const bool redrawn = RefreshToolButtons(ws, look);
    SetStatusText(ws, text);
    return redrawn;
}

} // namespace ferrovane::editor
