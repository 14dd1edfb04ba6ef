#pragma once

#include <string>
#include <vector>

namespace ferrovane::cli {

inline constexpr int ExitOk = 0;
inline constexpr int ExitReadFailed = 1;
inline constexpr int ExitWriteFailed = 2;
inline constexpr int ExitUsage = 64;

using Arguments = std::vector<std::string>;

struct CommandEntry {
    const char* Name;
    int (*Run)(const Arguments& args);
};

// The sub-commands, each in a file of its own.
const std::vector<CommandEntry>& CommandTable();

// Tells on standard error that a file the command needs is not there, as the program's
// messages are told: "title: text: path".
void ReportMissingFile(const std::string& path);

} // namespace ferrovane::cli
