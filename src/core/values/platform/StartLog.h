#pragma once

#include <cstdint>
#include <string>

namespace ferrovane::app {

// The start-up log grows by a line per mouse click; past this size it is renamed to
// the ".old" file and a new one begun.
inline constexpr std::uintmax_t StartLogLimit = 1024 * 1024;

// Appends one line to the log file at logPath, opening and closing the file each time
// so the log is complete even after a crash. An empty path logs nothing. A log of more
// than StartLogLimit bytes is first renamed to "StartLog.old.txt" beside it.
void WriteStartLog(const std::string& logPath, const std::string& line);

} // namespace ferrovane::app
