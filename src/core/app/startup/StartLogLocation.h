#pragma once

#include <string>

namespace ferrovane::app {

inline constexpr const char* StartLogFileName = "StartLog.txt";

// The log lives next to the program when that folder is writable (where users and
// support look for it), otherwise in the per-user data folder.
std::string ChooseStartLogPath(const std::string& programDir, bool programDirWritable,
                               const std::string& userDataDir);

// True when a file can be created in dir.
bool IsFolderWritable(const std::string& dir);

} // namespace ferrovane::app
