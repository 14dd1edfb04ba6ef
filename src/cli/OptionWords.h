#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "cli/Commands.h"

namespace ferrovane::cli {

// A word that starts an option ("--zoom"); a lone "-" is a file name.
bool IsOptionWord(const std::string& word);

// The value following the option at args[at], moving at onto it. Nullopt, with the
// problem set, when the option was given before or no value follows. An empty value
// counts as missing when emptyIsMissing is set. WHAT names the value in the problem
// ("a value", "a file").
std::optional<std::string> TakeOptionValue(const Arguments& args, std::size_t& at, bool& given,
                                           std::string& problem, const char* what = "a value",
                                           bool emptyIsMissing = false);

// A word that is no known option: an unknown option or an empty word is a problem,
// anything else a file name.
void TakeFileWord(const std::string& word, std::vector<std::string>& files, std::string& problem);

} // namespace ferrovane::cli
