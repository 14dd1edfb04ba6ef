#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace ferrovane::testing {

// A catalogue file's bytes from UTF-8 lines: Shift_JIS, CR LF.
std::string CatalogueBytes(const std::vector<std::string>& utf8Lines);

// A fresh directory under the system temp directory, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string Path(const std::string& name) const { return (mDir / name).string(); }
    std::string Write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path mDir;
};

std::string ReadBytes(const std::string& path);

} // namespace ferrovane::testing
