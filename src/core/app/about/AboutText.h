#pragma once

#include <string>

namespace ferrovane::app {

inline constexpr const char* AboutTitle = "バージョン情報";
inline constexpr const char* ProgramName = "Ferrovane";
inline constexpr const char* CopyAboutCaption = "情報をコピー(&C)";

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
