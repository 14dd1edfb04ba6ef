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
    if (toolBox.ObjectIndex >= ButtonKindFirst && toolBox.ObjectIndex <= ButtonKindLast) {
        faces[static_cast<std::size_t>(toolBox.ObjectIndex)] = ButtonFace::Sunken;
    }
    return faces;
}

int ExecuteButtonId(const ToolBoxState& toolBox) {
    return toolBox.ObjectIndex == 4 ? ButtonExecute1 : ButtonExecute0;
}

ToolCommand picExecute_MouseDown(app::Workspace& ws, const RailListEntry* current) {
    ws.ToolBox.ButtonId = static_cast<std::int16_t>(ExecuteButtonId(ws.ToolBox) + ButtonClicked);
    if (current == nullptr || current->EntryType != RailListEntry::Type::Command) {
        return ToolCommand::None;
    }
    return lstRails_Click(ws, *current).Command;
}

int CurrentRailListRow(const EditorState& editor, int kind,
                       const std::vector<RailListEntry>& list) {
    if (list.empty() || kind == 3 || kind == 4) return -1;
    int chosen = -1;
    RailListEntry::Type type = RailListEntry::Type::CatalogueType;
    switch (kind) {
    case 0:
        chosen = editor.SelStraight;
        break;
    case 1:
        chosen = editor.SelCurve;
        break;
    case 2:
        chosen = editor.SelPoint;
        break;
    case 5:
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

bool ToolBoxText_MouseMove(app::Workspace& ws, const char* text, ButtonLook& look) {
    ws.ToolBox.ButtonId = ButtonNone;
    const bool redrawn = setButton(ws, look);
    SetStatusText(ws, text);
    return redrawn;
}

} // namespace ferrovane::editor
