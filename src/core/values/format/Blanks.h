#pragma once

#include <string>

namespace ferrovane::document {

// Names in both file formats are padded with blanks; these take the padding off.
inline std::string TrimTrailingBlanks(const std::string& s) {
    const auto end = s.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : s.substr(0, end + 1);
}

inline std::string TrimBlanks(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

} // namespace ferrovane::document
