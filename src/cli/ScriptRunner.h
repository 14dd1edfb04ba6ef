#pragma once

#include <cstdio>
#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "cli/Commands.h"

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::cli {

using ScriptWords = std::vector<std::string>;

// What one script line came to: carried out (an edit the editor refuses counts as
// carried out), a bad line (Problem set, exit 64), or a failed read or write (Exit 1
// or 2 with the workspace's message already shown).
struct ScriptOutcome {
    int Exit = 0;
    std::string Problem;
};

inline ScriptOutcome Done() {
    return {};
}
inline ScriptOutcome BadLine(std::string problem) {
    return {64, std::move(problem)};
}

// Where a handler works: the workspace, the stream for what a command prints, and what a
// command started for the rest of the script (the text engine), ended with the script.
struct ScriptContext {
    app::Workspace& Ws;
    std::FILE* Out;
    std::shared_ptr<void> Keep;
};

using ScriptHandler = ScriptOutcome (*)(ScriptContext& context, const ScriptWords& args);

struct ScriptCommandEntry {
    const char* Name;
    ScriptHandler Run;
};

// The commands a script may use; a new command is one more entry here.
const std::vector<ScriptCommandEntry>& ScriptCommandTable();

// Runs the lines of `in` (a '#' beginning a word starts a comment; "..." quotes a word) until the
// end or the first line that does not succeed; returns the exit status. Problems go to `err` with
// their line number.
int RunScript(std::istream& in, ScriptContext& context, std::FILE* err);

} // namespace ferrovane::cli
