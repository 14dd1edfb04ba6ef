#pragma once

#include <optional>
#include <string>

#include "core/values/format/FileError.h"

namespace ferrovane::platform {

// True when path is not empty and names an existing file.
bool FileExists(const std::string& path);

// Reads a whole file; nullopt with the reason in error when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path, document::FileError& error);

// Writes bytes to a temporary file beside path and renames it over path, so a failed
// or interrupted write never leaves a half-written file. False with the reason in error.
bool WriteFileAtomically(const std::string& path, const std::string& bytes,
                         document::FileError& error);

} // namespace ferrovane::platform
