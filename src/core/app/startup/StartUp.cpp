#include "core/app/startup/StartUp.h"

#include "core/app/autosave/AutosaveRecovery.h"
#include "core/app/autosave/Autosaver.h"
#include "core/app/settings/ApplicationRecords.h"
#include "core/app/settings/SettingsIo.h"
#include "core/commands/document/DocumentCommands.h"
#include "core/commands/workspace/Workspace.h"
#include "core/values/platform/FileSystem.h"
#include "core/values/platform/UiHost.h"
#include "core/values/text/Messages.h"

namespace ferrovane::app {

std::string UpgradeNoticeText() {
    return text::Msg(text::MessageId::UpgradeNoticeText);
}

void WelcomeLoad(const StartUpContext& context, const std::string& programDir) {
    RecordAppDir(*context.AppStore, programDir);
}

int MainLoad(Workspace& ws, const StartUpContext& context) {
    MainWindowShell& shell = *context.Shell;
    ws.Editor.AStatus =
        model::EditorMode::StartingUp; // the board stays inert until the start is done
    ws.Log("");
    const int lastVersion = ReadLastVersion(*context.AppStore);
    ws.Log("[frmMain] LastVersion = " + std::to_string(lastVersion));
    if (lastVersion == 0) StoreCurrentVersion(*context.AppStore);
    ws.Log("[frmMain] frmMain Load Start");
    LoadSettings(*context.UserStore, ws.Settings, ws.Layout.RecentFiles);
    shell.SetStatusFont(ws.Settings.WindowFontName);
    if (lastVersion == 0 && !ws.Settings.RTypeFileName.empty()) {
        ws.Host->ShowMessage({UpgradeNoticeText(), UpgradeNoticeTitle(),
                              platform::MessageIcon::Information, platform::MessageButtons::Ok,
                              UpgradeNoticeHelpTopic});
    }
    ws.Log("[frmMain] regGet finished");
    shell.UncheckRailAbout();
    ws.View.IsGrid = ws.View.IsMemori = ws.View.IsNumber = true;
    shell.ShowGridRulerNumbers();
    shell.ApplyZoomMenuItem(ws.Settings.ZoomPosition);
    ws.Log("[frmMain] mnuZoom_Click finished");
    shell.LoadPointerImages();
    ws.Log("[frmMain] frmMain Load finished");
    return lastVersion;
}

document::CommandResult RunStartUp(Workspace& ws, const StartUpContext& context) {
    MainWindowShell& shell = *context.Shell;
    ws.Log("[frmWelcome] MouseDown New Layout");
    MainLoad(ws, context);
    shell.ShowMainWindow();
    ws.Log("[frmWelcome] frmMain show finished");
    shell.HideWelcome();
    ws.Log("[frmWelcome] frmWelcome hide finished");
    // Asked before any catalogue question: a restored layout brings its own catalogue.
    std::optional<RecoveredLayout> recovered;
    if (context.Autosave) recovered = OfferLeftOverAutosaves(ws, *context.Autosave);
    if (recovered && platform::FileExists(recovered->Record.CatalogueFileName))
        ws.Settings.RTypeFileName = recovered->Record.CatalogueFileName;
    const auto result = document::StartNewLayout(ws, context.Document);
    // Quit leaves a restored autosave where it was, for the next start.
    if (result == document::CommandResult::Quit) return result;
    if (recovered) {
        document::TakeRecoveredLayout(ws, context.Document, std::move(recovered->Layout),
                                      recovered->Record.LayoutFileName);
        if (!context.Autosave->Adopt(recovered->Files))
            ws.Log("[frmMain] Autosave could not be taken over: " + recovered->Files.Layout);
    }
    ws.Log("[frmWelcome] frmMain New_Item_Click finished");
    ws.Editor.AStatus = model::EditorMode::Place;
    ws.Host->ShowToolBox();
    return document::CommandResult::Done;
}

bool RunShutdown(Workspace& ws, const StartUpContext& context) {
    MainWindowShell& shell = *context.Shell;
    platform::UiHost& host = *ws.Host;
    if (ws.Layout.RailCount >= 1 && ws.Layout.Modified) {
        host.HideToolBox();
        const auto answer = host.ShowMessage({document::SaveQuestionText(), ShutdownQuestionTitle(),
                                              platform::MessageIcon::Question,
                                              platform::MessageButtons::YesNoCancel});
        const bool goOn =
            answer == platform::Answer::No ||
            (answer == platform::Answer::Yes && document::SaveLayout(ws, context.Document));
        if (!goOn) {
            shell.ShowMainWindow();
            host.ShowToolBox();
            return false;
        }
    }
    // Taken while both windows are still there.
    ws.Settings.MainWindowPlace = shell.MainWindowPlace();
    ws.Settings.ToolBoxPlace = shell.ToolBoxPlace();
    shell.CloseToolBox();
    ws.Settings.StartX = shell.ViewOriginX();
    ws.Settings.StartY = shell.ViewOriginY();
    if (!ws.Catalogue.RTypeFileName.empty()) ws.Settings.RTypeFileName = ws.Catalogue.RTypeFileName;
    SaveSettings(*context.UserStore, ws.Settings, ws.Layout.RecentFiles);
    // A normal end: nothing is left to recover.
    if (context.Autosave) context.Autosave->Discard();
    return true;
}

} // namespace ferrovane::app
