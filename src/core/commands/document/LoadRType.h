#pragma once

#include <string>

#include "core/commands/document/DocumentContext.h"

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::document {

inline constexpr const char* WelcomeTitle = "レール情報定義ファイルを指定します";
inline constexpr const char* WelcomeText =
    "ようこそFerrovaneへ!\r\nはじめに、お手持ちのレールに対応する定義ファイルを選択してください。";

// Asks for a catalogue file and loads it. While no catalogue is loaded the welcome
// notice comes first and the question repeats until one is chosen and read; closing
// the notice with its window's close button (the host answers Cancel) gives Quit.
// With a catalogue loaded, cancelling the dialog gives Cancelled and changes nothing.
// name receives the file chosen last.
CommandResult LoadRType(app::Workspace& ws, const DocumentContext& context, std::string& name);

} // namespace ferrovane::document
