#pragma once

#include <string>

#include "core/commands/document/DocumentContext.h"
#include "core/values/text/Messages.h"

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::document {

inline const char* WelcomeTitle() {
    return text::Msg(text::MessageId::WelcomeTitle);
}
inline const char* WelcomeText() {
    return text::Msg(text::MessageId::WelcomeText);
}

// Asks for a catalogue file and loads it. While no catalogue is loaded the welcome
// notice comes first and the question repeats until one is chosen and read; closing
// the notice with its window's close button (the host answers Cancel) gives Quit.
// With a catalogue loaded, cancelling the dialog gives Cancelled and changes nothing.
// name receives the file chosen last.
CommandResult LoadRType(app::Workspace& ws, const DocumentContext& context, std::string& name);

} // namespace ferrovane::document
