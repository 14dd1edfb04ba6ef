#pragma once

#include <string>

#include "core/app/settings/SettingsStore.h"
#include "core/app/startup/MainWindowShell.h"
#include "core/commands/document/DocumentContext.h"
#include "core/values/text/Messages.h"

namespace ferrovane::app {

struct Workspace;
class Autosaver;

// What the start-up and shutdown orders work on besides the workspace.
struct StartUpContext {
    SettingsStore* UserStore = nullptr; // the user settings ("Startup" and the root)
    SettingsStore* AppStore = nullptr;  // the application records
    MainWindowShell* Shell = nullptr;
    document::DocumentContext Document;
    Autosaver* Autosave = nullptr; // none: no autosave, nothing recovered
};

inline const char* UpgradeNoticeTitle() {
    return text::Msg(text::MessageId::UpgradeNoticeTitle);
}
inline constexpr int UpgradeNoticeHelpTopic = 156;
std::string UpgradeNoticeText();

// The welcome window opening: records the program's folder.
void WelcomeLoad(const StartUpContext& context, const std::string& programDir);

// The main window's load step: version record, settings, upgrade notice for users of
// an earlier version, view flags and start-up zoom. Returns the version that ran last
// (0 on a first start).
int MainLoad(Workspace& ws, const StartUpContext& context);

// The user proceeds from the welcome window: main window loaded and shown, welcome
// hidden, autosaves of runs that did not end normally offered, a new layout started
// (asking for a catalogue when none is set) or the restored one opened, tool box shown. Quit when
// the user closed the welcome notice: the program ends.
document::CommandResult RunStartUp(Workspace& ws, const StartUpContext& context);

inline const char* ShutdownQuestionTitle() {
    return text::Msg(text::MessageId::ShutdownQuestionTitle);
}

// Closing the main window: asks about a modified layout, stores the view origin and
// every setting. False when the user cancelled, or asked to save and the layout was
// not saved: the program keeps running with its state unchanged.
bool RunShutdown(Workspace& ws, const StartUpContext& context);

} // namespace ferrovane::app
