#pragma once

#include <optional>
#include <string>

#include "core/values/format/FileError.h"

namespace ferrovane::platform {

// True when path is not empty and names an existing file.
bool FileExists(const std::string& path);

// Reads a whole file; nullopt with the reason in error when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path, document::FileError& error);

// The file error for a system error number met on path while reading or writing: a
// missing file, a full disk, or else the access error with the reason in Japanese, and
// the path.
document::FileError ErrnoFileError(int number, const std::string& path, bool writing);

} // namespace ferrovane::platform
