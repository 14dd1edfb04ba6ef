#pragma once

#include "core/values/text/Messages.h"
#include <string>

namespace ferrovane::app {

inline const char* AboutTitle() {
    return text::Msg(text::MessageId::AboutTitle);
}
inline constexpr const char* ProgramName = "Ferrovane";
inline const char* CopyAboutCaption() {
    return text::Msg(text::MessageId::CopyAboutCaption);
}

// "Ver 1.2.3", as the main window's title shows it.
std::string VersionText();

// What a bug report needs to know of the running program, one fact a line: the
// program and its version, the toolkit's version, the system, the web page and the
// mail address. The About box shows it and copies it to the clipboard.
struct AboutFacts {
    std::string QtVersion; // of the library running, not the one built against
    std::string System;    // the system's name and version
    std::string Kernel;    // its kernel and processor
};
std::string AboutReport(const AboutFacts& facts);

} // namespace ferrovane::app
