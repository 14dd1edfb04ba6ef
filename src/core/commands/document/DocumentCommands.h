#pragma once

#include <string>

#include "core/commands/document/DocumentContext.h"
#include "core/values/model/Layout.h"
#include "core/values/text/Messages.h"

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::document {

inline const char* SaveQuestionText() {
    return text::Msg(text::MessageId::SaveQuestionText);
}

// Asks whether to save a modified layout with at least one rail. -1 when the user
// cancelled, or answered Yes and the layout was not saved (dialog cancelled or the
// save failed): discarding a layout the user asked to save would lose it. 0 otherwise.
// After Yes or No the tool box stays hidden until the calling command is done.
int AskIfSave(app::Workspace& ws, const DocumentContext& context);

// The File menu. Each command that discards the layout asks AskIfSave first and stops
// on -1; opening or starting a layout empties the undo journal.
CommandResult StartNewLayout(app::Workspace& ws, const DocumentContext& context);
CommandResult OpenLayoutFile(app::Workspace& ws, const DocumentContext& context);
CommandResult OpenRecentLayout(app::Workspace& ws, const DocumentContext& context, int index);
// Whether a file dropped on the window is a layout: its name ends in ".fvl" in any case.
bool IsLayoutFileName(const std::string& path);

// Opens a layout named outside the Open dialog (the command line, a file dropped on the
// window), asking about unsaved changes first as Open does.
CommandResult OpenLayoutPath(app::Workspace& ws, const DocumentContext& context,
                             const std::string& path);
// True when the layout was written.
bool SaveLayout(app::Workspace& ws, const DocumentContext& context);
bool SaveLayoutAs(app::Workspace& ws, const DocumentContext& context);
CommandResult ChangeCatalogueFile(app::Workspace& ws, const DocumentContext& context);

// A layout restored from an autosave becomes the open one as an opened file does, but
// stays modified and keeps the file name it had (empty: never saved), so Save writes
// to the original file.
void TakeRecoveredLayout(app::Workspace& ws, const DocumentContext& context, model::Layout layout,
                         const std::string& fileName);

} // namespace ferrovane::document
