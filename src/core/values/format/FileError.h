#pragma once

#include <string>

namespace ferrovane::document {

// Run-time error of a reader or writer: a number and a Japanese description, shown to
// the user in the numbered file messages. FileErrorText makes the descriptions.
struct FileError {
    int Number = 0;
    std::string Description;
};

// Error numbers, as the file messages report them.
inline constexpr int ErrOverflow = 6;
inline constexpr int ErrTypeMismatch = 13;
inline constexpr int ErrFileNotFound = 53;
inline constexpr int ErrDiskFull = 61;
inline constexpr int ErrInputPastEnd = 62;
inline constexpr int ErrPathAccess = 75;

} // namespace ferrovane::document
