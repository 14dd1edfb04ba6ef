#include "core/values/platform/InstallLocations.h"

#include <filesystem>
#include <system_error>

namespace ferrovane::platform {

namespace {

void AddIfKnown(std::vector<std::string>& dirs, const std::string& dir) {
    if (!dir.empty()) dirs.push_back(dir);
}

} // namespace

std::string JoinPath(const std::string& dir, const std::string& path) {
    std::string joined = (std::filesystem::path(dir) / path).lexically_normal().generic_string();
    while (joined.size() > 1 && joined.back() == '/')
        joined.pop_back();
    return joined;
}

std::vector<std::string> CatalogueDirCandidates(const ProgramPlaces& places) {
    std::vector<std::string> dirs;
    if (!places.ProgramDir.empty()) {
        dirs.push_back(JoinPath(places.ProgramDir, "data/catalogues"));
        dirs.push_back(JoinPath(places.ProgramDir, places.InstalledData + "/catalogues"));
    }
    AddIfKnown(dirs, places.SourceCatalogues);
    return dirs;
}

std::vector<std::string> UserGuideDirCandidates(const ProgramPlaces& places) {
    std::vector<std::string> dirs;
    if (!places.ProgramDir.empty()) {
        dirs.push_back(JoinPath(places.ProgramDir, "doc"));
        dirs.push_back(JoinPath(places.ProgramDir, places.InstalledData));
    }
    AddIfKnown(dirs, places.BuildDocs);
    return dirs;
}

std::string FirstExistingDir(const std::vector<std::string>& dirs) {
    for (const std::string& dir : dirs) {
        std::error_code error;
        if (std::filesystem::is_directory(dir, error)) return dir;
    }
    return dirs.empty() ? std::string() : dirs.front();
}

} // namespace ferrovane::platform
