#include "core/app/startup/StartLogLocation.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace ferrovane::app {

std::string ChooseStartLogPath(const std::string& programDir, bool programDirWritable,
                               const std::string& userDataDir) {
    const std::string& dir = programDirWritable ? programDir : userDataDir;
    if (dir.empty()) return {};
    return (std::filesystem::path(dir) / StartLogFileName).string();
}

bool IsFolderWritable(const std::string& dir) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (dir.empty() || !fs::is_directory(dir, ec)) return false;
    const fs::path probe = fs::path(dir) / ".ferrovane-write-probe";
    std::FILE* f = std::fopen(probe.string().c_str(), "wb");
    if (!f) return false;
    std::fclose(f);
    fs::remove(probe, ec);
    return true;
}

} // namespace ferrovane::app
