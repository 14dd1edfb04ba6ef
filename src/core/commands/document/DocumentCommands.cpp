#include "core/commands/document/DocumentCommands.h"

#include <cctype>
#include <cmath>
#include <string>
#include <string_view>

#include "core/commands/catalogue/CatalogueReader.h"
#include "core/commands/document/LayoutFile.h"
#include "core/commands/document/LayoutTitle.h"
#include "core/commands/document/LoadRType.h"
#include "core/commands/edit/Selection.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/geometry/RepairLinks.h"
#include "core/values/platform/UiHost.h"
#include "core/values/text/Messages.h"

namespace ferrovane::document {

namespace {

// A stored view origin as a scroll bar value: whole units, half to even, and within
// the Integer range whatever the settings store held.
int ScrollValue(float v) {
    if (!std::isfinite(v)) return 0;
    const double r = std::nearbyint(static_cast<double>(v));
    if (r < -32768.0) return -32768;
    if (r > 32767.0) return 32767;
    return static_cast<int>(r);
}

void SetScrollBars(const DocumentContext& context, int h, int v) {
    if (context.Frame) context.Frame->SetScrollBars(h, v);
}

// What every successful open does to the editor around the new layout.
void AfterLayoutLoaded(app::Workspace& ws, const DocumentContext& context) {
    SetScrollBars(context, 0, 0);
    ws.Editor.PointedRail = -1;
    ws.Editor.AStatus = model::EditorMode::Place;
    editor::ClearSelection(ws.Editor);
    ws.Undo.Clear();
    if (context.Frame) context.Frame->ResizeBoard();
    ws.Redraw->ReDrawBackScreen();
    ws.Layout.Modified = false;
    SetfrmMainTitle(ws);
}

LoadOptions EditorLoadOptions(const DocumentContext& context, CommandResult& catalogueResult) {
    LoadOptions options;
    options.LoadRType = [&context, &catalogueResult](app::Workspace& w, std::string& name) {
        catalogueResult = LoadRType(w, context, name);
    };
    return options;
}

} // namespace

int AskIfSave(app::Workspace& ws, const DocumentContext& context) {
    if (ws.Layout.RailCount < 1 || !ws.Layout.Modified) return 0;
    ws.Log("[modMain] AskIfSave");
    platform::UiHost& host = *ws.Host;
    // Hidden while the question is open and shown again whatever the answer: the
    // command that asked goes on with the tool box in place.
    host.HideToolBox();
    const auto answer =
        host.ShowMessage({SaveQuestionText(), text::Msg(text::MessageId::SaveQuestionTitle),
                          platform::MessageIcon::Question, platform::MessageButtons::YesNoCancel});
    const bool goOn = answer == platform::Answer::No ||
                      (answer == platform::Answer::Yes && SaveLayout(ws, context));
    host.ShowToolBox();
    return goOn ? 0 : -1;
}

CommandResult StartNewLayout(app::Workspace& ws, const DocumentContext& context) {
    ws.Log("");
    ws.Log("[frmMain] frmMain New_Item_Click Start");
    if (AskIfSave(ws, context) == -1) return CommandResult::Cancelled;
    ws.Layout.ClearRails();
    // A new layout has no file yet: saving it must not overwrite the previous one.
    ws.Layout.LayoutFileName.clear();
    ws.Layout.Modified = false;
    ws.Editor.PointedRail = -1;
    editor::ClearSelection(ws.Editor);
    ws.Undo.Clear();
    ws.Log("[frmMain] RefreshBackScreen finished");

    CommandResult result = CommandResult::Done;
    bool needCatalogue = ws.Settings.RTypeFileName.empty();
    if (!needCatalogue) {
        ws.Log("[frmMain] LoadRTypeFileName start");
        const auto status = catalogue::ReadCatalogue(ws, ws.Settings.RTypeFileName);
        ws.Log("[frmMain] LoadRTypeFileName finished");
        // A catalogue that is gone or unreadable is replaced by one the user chooses.
        needCatalogue = status != catalogue::CatalogueReadStatus::Loaded;
    }
    if (needCatalogue) {
        ws.Log("[frmMain] LoadRType start");
        std::string name;
        result = LoadRType(ws, context, name);
        ws.Log("[frmMain] LoadRType finished");
        if (result == CommandResult::Quit) return result;
    }
    ws.Layout.Index = model::RailIndex{};
    SetScrollBars(context, ScrollValue(ws.Settings.StartX), ScrollValue(ws.Settings.StartY));
    ws.Redraw->ReDrawBackScreen();
    SetfrmMainTitle(ws);
    ws.Log("[frmMain] New_Item_Click finished");
    return CommandResult::Done;
}

CommandResult OpenLayoutFile(app::Workspace& ws, const DocumentContext& context) {
    ws.Log("");
    ws.Log("[frmMain] Open_Item_Click start");
    if (AskIfSave(ws, context) == -1) return CommandResult::Cancelled;
    platform::UiHost& host = *ws.Host;
    // A cancelled dialog keeps the layout's file name: the next save still goes there.
    const std::string path =
        host.ChooseOpenFile({OpenLayoutTitle(), LayoutFilter(), context.LayoutDir, ""})
            .value_or("");
    ws.Log("[frmMain] ShowOpenFileDlg finished");
    CommandResult result = CommandResult::Done;
    if (!path.empty()) {
        CommandResult catalogueResult = CommandResult::Done;
        if (LoadFile(ws, path, EditorLoadOptions(context, catalogueResult))) {
            ws.Log("[frmMain] Loadfile finished Filename = " + path);
            AfterLayoutLoaded(ws, context);
            ws.Log("[frmMain] Load_File finished");
        }
        if (catalogueResult == CommandResult::Quit) return catalogueResult;
    } else {
        result = CommandResult::Cancelled;
        if (ws.Layout.RailCount == 0) {
            SetScrollBars(context, ScrollValue(ws.Settings.StartX),
                          ScrollValue(ws.Settings.StartY));
            if (StartNewLayout(ws, context) == CommandResult::Quit) return CommandResult::Quit;
        }
    }
    host.ShowToolBox();
    return result;
}

CommandResult OpenRecentLayout(app::Workspace& ws, const DocumentContext& context, int index) {
    if (index < 0 || index >= static_cast<int>(ws.Layout.RecentFiles.size())) {
        return CommandResult::Cancelled;
    }
    // A copy: loading replaces the layout that holds the list.
    const std::string path = ws.Layout.RecentFiles[index];
    return OpenLayoutPath(ws, context, path);
}

bool IsLayoutFileName(const std::string& path) {
    static constexpr std::string_view Extension = ".fvl";
    if (path.size() <= Extension.size()) return false;
    for (std::size_t i = 0; i < Extension.size(); ++i) {
        const char c = path[path.size() - Extension.size() + i];
        if (static_cast<char>(std::tolower(static_cast<unsigned char>(c))) != Extension[i])
            return false;
    }
    return true;
}

CommandResult OpenLayoutPath(app::Workspace& ws, const DocumentContext& context,
                             const std::string& path) {
    if (AskIfSave(ws, context) == -1) return CommandResult::Cancelled;
    CommandResult catalogueResult = CommandResult::Done;
    const bool loaded =
        !path.empty() && LoadFile(ws, path, EditorLoadOptions(context, catalogueResult));
    if (loaded) AfterLayoutLoaded(ws, context);
    ws.Host->ShowToolBox();
    if (catalogueResult == CommandResult::Quit) return catalogueResult;
    return loaded ? CommandResult::Done : CommandResult::Cancelled;
}

bool SaveLayout(app::Workspace& ws, const DocumentContext& context) {
    const std::string& name = ws.Layout.LayoutFileName;
    if (name.empty() || name == UntitledLayoutName()) return SaveLayoutAs(ws, context);
    return SaveFile(ws, name);
}

bool SaveLayoutAs(app::Workspace& ws, const DocumentContext& context) {
    // A cancelled dialog changes nothing, the layout's file name included.
    const std::string path =
        ws.Host->ChooseSaveFile({SaveLayoutTitle(), LayoutFilter(), context.WorkingDir, ""})
            .value_or("");
    if (path.empty()) return false;
    return SaveFile(ws, path);
}

CommandResult ChangeCatalogueFile(app::Workspace& ws, const DocumentContext& context) {
    if (AskIfSave(ws, context) == -1) return CommandResult::Cancelled;
    platform::UiHost& host = *ws.Host;
    host.HideToolBox();
    const model::EditorMode previousStatus = ws.Editor.AStatus;
    ws.Editor.AStatus = model::EditorMode::CatalogueChanging;
    const std::string path =
        host.ChooseOpenFile({OpenCatalogueTitle(), CatalogueFilter(), context.CatalogueDir, ""})
            .value_or("");
    ws.Editor.AStatus = previousStatus;
    host.ShowToolBox();
    if (path.empty()) return CommandResult::Cancelled;
    if (catalogue::ReadCatalogue(ws, path) != catalogue::CatalogueReadStatus::Loaded) {
        // The reader has said what was wrong; the old catalogue is still loaded.
        std::string name;
        return LoadRType(ws, context, name);
    }
    ws.Settings.RTypeFileName = path;
    host.ShowToolBox();
    return CommandResult::Done;
}

void TakeRecoveredLayout(app::Workspace& ws, const DocumentContext& context, model::Layout layout,
                         const std::string& fileName) {
    ws.Changed.Mark({app::Change::Layout, app::Change::Selection, app::Change::View});
    layout.SavedRailCount = layout.RailCount;
    geometry::RepairLinks(layout);
    model::RebuildRailIndex(layout);
    layout.RecentFiles = ws.Layout.RecentFiles;
    layout.LayoutFileName = fileName;
    ws.Layout = std::move(layout);
    AfterLayoutLoaded(ws, context);
    ws.Layout.Modified = true;
}

} // namespace ferrovane::document
