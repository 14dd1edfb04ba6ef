#include "cli/ScriptRunner.h"

namespace ferrovane::cli {

namespace {

// Words are separated by blanks; double quotes keep blanks and '#' inside a word (box
// names may start with '#'). A '#' that begins a word starts a comment, so catalogue
// names with a '#' inside need no quotes.
ScriptWords SplitWords(const std::string& line) {
    ScriptWords words;
    std::string word;
    bool inWord = false, quoted = false;
    for (char ch : line) {
        if (quoted) {
            if (ch == '"')
                quoted = false;
            else
                word += ch;
        } else if (ch == '"') {
            quoted = inWord = true;
        } else if (ch == ' ' || ch == '\t') {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else if (ch == '#' && !inWord) {
            break;
        } else {
            word += ch;
            inWord = true;
        }
    }
    if (inWord) words.push_back(std::move(word));
    return words;
}

// At most the first `limit` characters of a UTF-8 text: a long line of garbage is not
// repeated whole.
std::string Excerpt(const std::string& text, std::size_t limit) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool starts = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (starts && characters++ == limit) return text.substr(0, i) + "...";
    }
    return text;
}

} // namespace

int RunScript(std::istream& in, ScriptContext& context, std::FILE* err) {
    std::string line;
    for (long number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        ScriptWords words = SplitWords(line);
        if (words.empty()) continue;
        const std::string name = words.front();
        words.erase(words.begin());
        ScriptOutcome outcome = BadLine("unknown command \"" + Excerpt(name, 80) + "\"");
        for (const auto& entry : ScriptCommandTable()) {
            if (name == entry.Name) {
                outcome = entry.Run(context, words);
                break;
            }
        }
        if (outcome.Exit == 0) continue;
        if (!outcome.Problem.empty())
            std::fprintf(err, "ferrovane-cli script: line %ld: %s\n", number,
                         outcome.Problem.c_str());
        return outcome.Exit;
    }
    return 0;
}

} // namespace ferrovane::cli
