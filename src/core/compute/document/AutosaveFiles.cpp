#include "core/compute/document/AutosaveFiles.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <system_error>
#include <utility>

#include "core/values/platform/AtomicFile.h"

namespace ferrovane::document {

namespace fs = std::filesystem;

namespace {

const char* const Prefix = "autosave-";
const char* const LayoutExtension = ".fvl";
const char* const RecordExtension = ".rec";

// The process id of a name "autosave-PID-TOKEN.fvl"; 0 when the name is not ours.
long PidOfName(const std::string& name) {
    const std::string prefix = Prefix;
    if (name.rfind(prefix, 0) != 0 || name.size() < prefix.size() + 4) return 0;
    if (name.compare(name.size() - 4, 4, LayoutExtension) != 0) return 0;
    const char* begin = name.data() + prefix.size();
    const char* end = name.data() + name.size();
    long pid = 0;
    const auto [p, ec] = std::from_chars(begin, end, pid);
    if (ec != std::errc() || p == begin || *p != '-' || pid <= 0) return 0;
    return pid;
}

std::string WithExtension(const fs::path& path, const char* extension) {
    fs::path p = path;
    p.replace_extension(extension);
    return p.string();
}

} // namespace

std::string AutosaveFolderIn(const std::string& userDataDir) {
    if (userDataDir.empty()) return {};
    return (fs::path(userDataDir) / AutosaveFolderName).string();
}

AutosaveFiles SessionAutosaveFiles(const std::string& folder, long pid, const std::string& token) {
    const fs::path stem = fs::path(folder) / (Prefix + std::to_string(pid) + "-" + token);
    return {stem.string() + LayoutExtension, stem.string() + RecordExtension, pid};
}

bool WriteAutosaveFiles(const AutosaveFiles& files, const std::string& layoutBytes,
                        const AutosaveRecord& record, FileError& error) {
    std::error_code ec;
    fs::create_directories(fs::path(files.Layout).parent_path(), ec);
    return platform::WriteFileAtomically(files.Record, WriteAutosaveRecord(record), error) &&
           platform::WriteFileAtomically(files.Layout, layoutBytes, error);
}

void RemoveAutosaveFiles(const AutosaveFiles& files) {
    std::error_code ec;
    if (!files.Layout.empty()) fs::remove(files.Layout, ec);
    if (!files.Record.empty()) fs::remove(files.Record, ec);
}

bool MoveAutosaveFiles(const AutosaveFiles& from, const AutosaveFiles& to) {
    std::error_code ec;
    fs::rename(from.Layout, to.Layout, ec);
    if (ec) return false;
    if (fs::exists(from.Record, ec)) fs::rename(from.Record, to.Record, ec);
    return true;
}

std::string PutAutosaveAside(const AutosaveFiles& files) {
    std::error_code ec;
    std::string suffix = ".damaged";
    for (int n = 2; fs::exists(files.Layout + suffix, ec) || fs::exists(files.Record + suffix, ec);
         ++n)
        suffix = ".damaged" + std::to_string(n);
    std::string result;
    for (const std::string* path : {&files.Record, &files.Layout}) {
        if (!fs::exists(*path, ec)) continue;
        fs::rename(*path, *path + suffix, ec);
        if (!ec) result = *path + suffix;
    }
    return result;
}

std::vector<AutosaveFiles> LeftOverAutosaves(const std::string& folder,
                                             const std::function<bool(long pid)>& isRunning) {
    std::vector<std::pair<fs::file_time_type, AutosaveFiles>> found;
    std::error_code ec;
    if (folder.empty() || !fs::is_directory(folder, ec)) return {};
    std::vector<fs::path> loneRecords;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const fs::path path = entry.path();
        const std::string name = path.filename().string();
        if (path.extension() == RecordExtension) {
            if (!fs::exists(WithExtension(path, LayoutExtension), ec)) loneRecords.push_back(path);
            continue;
        }
        const long pid = PidOfName(name);
        if (pid == 0 || isRunning(pid)) continue;
        AutosaveFiles files{path.string(), WithExtension(path, RecordExtension), pid};
        found.emplace_back(fs::last_write_time(path, ec), std::move(files));
    }
    for (const fs::path& record : loneRecords) {
        fs::path layout = record.filename();
        const long pid = PidOfName(layout.replace_extension(LayoutExtension).string());
        if (pid != 0 && !isRunning(pid)) fs::remove(record, ec);
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<AutosaveFiles> result;
    for (auto& f : found)
        result.push_back(std::move(f.second));
    return result;
}

} // namespace ferrovane::document
