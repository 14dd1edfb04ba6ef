#include "cli/OptionWords.h"

namespace ferrovane::cli {

bool IsOptionWord(const std::string& word) {
    return word.size() > 1 && word.front() == '-';
}

std::optional<std::string> TakeOptionValue(const Arguments& args, std::size_t& at, bool& given,
                                           std::string& problem, const char* what,
                                           bool emptyIsMissing) {
    const std::string& option = args[at];
    if (given) {
        problem = option + " given twice";
        return std::nullopt;
    }
    if (at + 1 >= args.size() || (emptyIsMissing && args[at + 1].empty())) {
        problem = option + " needs " + what;
        return std::nullopt;
    }
    given = true;
    return args[++at];
}

void TakeFileWord(const std::string& word, std::vector<std::string>& files, std::string& problem) {
    if (IsOptionWord(word))
        problem = "unknown option " + word;
    else if (word.empty())
        problem = "empty file name";
    else
        files.push_back(word);
}

} // namespace ferrovane::cli
