#include "core/values/platform/StartLog.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace ferrovane::app {

void WriteStartLog(const std::string& logPath, const std::string& line) {
    if (logPath.empty()) return;
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path path(logPath);
    const auto size = fs::file_size(path, ec);
    if (!ec && size > StartLogLimit) {
        fs::rename(path, path.parent_path() / "StartLog.old.txt", ec);
    }
    if (std::FILE* f = std::fopen(logPath.c_str(), "ab")) {
        std::fwrite(line.data(), 1, line.size(), f);
        std::fwrite("\r\n", 1, 2, f);
        std::fclose(f);
    }
}

} // namespace ferrovane::app
