#include "core/values/platform/UserGuide.h"

#include "core/values/platform/FileSystem.h"

namespace ferrovane::platform {

namespace {

std::optional<std::string> FindFile(const std::vector<std::string>& dirs, const char* file) {
    for (const std::string& dir : dirs) {
        if (dir.empty()) continue;
        const bool separated = dir.back() == '/' || dir.back() == '\\';
        const std::string path = dir + (separated ? "" : "/") + file;
        if (FileExists(path)) return path;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> FindUserGuide(const std::vector<std::string>& dirs) {
    return FindFile(dirs, UserGuideFile);
}

std::optional<std::string> FindUserGuide(const std::vector<std::string>& dirs,
                                         text::Language language) {
    if (language == text::Language::English) {
        if (auto english = FindFile(dirs, EnglishUserGuideFile)) return english;
    }
    return FindUserGuide(dirs);
}

std::string HelpTopicAnchor(int topic) {
    return "topic-" + std::to_string(topic);
}

} // namespace ferrovane::platform
