#pragma once

#include <string>

#include "core/app/Settings.h"
#include "core/catalogue/Catalogue.h"
#include "core/editor/EditorState.h"
#include "core/editor/ToolBoxState.h"
#include "core/editor/UndoJournal.h"
#include "core/model/Layout.h"
#include "core/render/RedrawTarget.h"
#include "core/render/View.h"

namespace ferrovane::platform {
class UiHost;
}

namespace ferrovane::app {

// The whole state of one editing session. Every procedure takes the parts it uses;
// two workspaces never see each other.
struct Workspace {
    explicit Workspace(platform::UiHost& host) : Host(&host) {}

    model::Layout Layout;
    catalogue::Catalogue Catalogue = catalogue::EmptyCatalogue(app::Settings{}.RailColor);
    app::Settings Settings;
    editor::EditorState Editor;
    editor::UndoJournal Undo;
    editor::ToolBoxState ToolBox;
    render::View View;
    platform::UiHost* Host;
    render::RedrawTarget* Redraw = &render::NullRedrawTarget();
    std::string StartLogPath; // empty: no start-up log

    void Log(const std::string& line) const;
};

} // namespace ferrovane::app
