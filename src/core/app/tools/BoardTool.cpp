#include "core/app/tools/BoardTool.h"

#include "core/commands/workspace/Workspace.h"
#include "core/values/platform/UiHost.h"

namespace ferrovane::editor {

BoardTool::~BoardTool() {
    // Unregistering alone would leave the board in a mode nobody handles.
    Release();
}

void BoardTool::Claim(std::initializer_list<EditorMode> modes, EditorMode first) {
    for (const EditorMode mode : modes) {
        mBoard.SetMode(mode, this);
        mModes.push_back(mode);
    }
    app::Workspace& ws = mBoard.Ws();
    ws.Editor.AStatus = first;
    ws.Changed.Mark(app::Change::Tool);
    // The tool box could change the board's mode under the tool; it returns on closing.
    ws.Host->HideToolBox();
}

void BoardTool::Release() {
    if (!IsOpen()) return;
    for (const EditorMode mode : mModes)
        mBoard.SetMode(mode, nullptr);
    mModes.clear();
    app::Workspace& ws = mBoard.Ws();
    ws.Editor.AStatus = EditorMode::Place;
    ws.Changed.Mark(app::Change::Tool);
    ws.Host->ShowToolBox();
}

} // namespace ferrovane::editor
