#include "core/values/platform/UserGuide.h"

#include "core/values/platform/FileSystem.h"

namespace ferrovane::platform {

std::optional<std::string> FindUserGuide(const std::vector<std::string>& dirs) {
    for (const std::string& dir : dirs) {
        if (dir.empty()) continue;
        const bool separated = dir.back() == '/' || dir.back() == '\\';
        const std::string path = dir + (separated ? "" : "/") + UserGuideFile;
        if (FileExists(path)) return path;
    }
    return std::nullopt;
}

std::string HelpTopicAnchor(int topic) {
    return "topic-" + std::to_string(topic);
}

} // namespace ferrovane::platform
