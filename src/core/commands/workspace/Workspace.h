#pragma once

#include <string>

#include "core/commands/workspace/ChangeMarks.h"
#include "core/commands/workspace/EditorState.h"
#include "core/commands/workspace/ToolBoxState.h"
#include "core/commands/workspace/UndoJournal.h"
#include "core/compute/catalogue/Catalogue.h"
#include "core/compute/render/RedrawTarget.h"
#include "core/compute/render/View.h"
#include "core/values/model/Layout.h"
#include "core/values/settings/Settings.h"

namespace ferrovane::platform {
class UiHost;
}

namespace ferrovane::app {

// The whole state of one editing session. Every procedure takes the parts it uses;
// two workspaces never see each other.
struct Workspace {
    explicit Workspace(platform::UiHost& host) : Host(&host) { Undo.ReportTo(&Changed); }
    // The journal reports to this workspace's marks: a copy would report to the original.
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

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
    // What the commands changed since the front end last looked.
    ChangeMarks Changed;

    void Log(const std::string& line) const;
};

} // namespace ferrovane::app
