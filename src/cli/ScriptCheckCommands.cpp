#include "cli/ScriptCheckCommands.h"

#include <charconv>
#include <optional>
#include <string>

#include "cli/NumberWords.h"
#include "core/commands/check/CheckEdits.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/check/NearestFreeEnd.h"

namespace ferrovane::cli {

namespace {

// RAIL END at args[at], args[at + 1], naming a free end.
std::optional<check::EndRef> FreeEndArg(const app::Workspace& ws, const ScriptWords& args,
                                        std::size_t at, std::string& problem) {
    const auto rail = NumberWord<int>(args[at]), end = NumberWord<int>(args[at + 1]);
    if (!rail || !end) {
        problem = "bad rail end " + args[at] + " " + args[at + 1];
        return std::nullopt;
    }
    if (!check::IsFreeEnd(ws.Layout, *rail, *end)) {
        problem = "rail " + args[at] + " has no free end " + args[at + 1];
        return std::nullopt;
    }
    return check::EndRef{*rail, *end};
}

ScriptOutcome Gap(ScriptContext& c, const ScriptWords& args) {
    if (args.size() != 2) return BadLine("gap takes RAIL END");
    std::string problem;
    const auto end = FreeEndArg(c.Ws, args, 0, problem);
    if (!end) return BadLine(problem);
    const auto reading = check::GapAtEnd(c.Ws.Layout, end->Rail, end->End);
    if (!reading) {
        std::fprintf(c.Out, "gap none\n");
        return Done();
    }
    std::fprintf(c.Out, "gap %d %d %s %s\n", reading->Other.Rail, reading->Other.End,
                 check::CheckNumber(reading->Gap).c_str(),
                 check::CheckNumber(reading->Angle).c_str());
    return Done();
}

ScriptOutcome Close(ScriptContext& c, const ScriptWords& args) {
    if (args.size() != 4 && args.size() != 5) return BadLine("close takes RAIL END RAIL END [N]");
    std::string problem;
    const auto a = FreeEndArg(c.Ws, args, 0, problem);
    if (!a) return BadLine(problem);
    const auto b = FreeEndArg(c.Ws, args, 2, problem);
    if (!b) return BadLine(problem);
    if (*a == *b) return BadLine("the two ends are the same");
    const auto suggestions = check::SuggestClosers(c.Ws, *a, *b);
    if (args.size() == 5) {
        const auto k = NumberWord<int>(args[4]);
        if (!k || *k < 1 || *k > static_cast<int>(suggestions.size()))
            return BadLine("no suggestion " + args[4]);
        check::LayCloser(c.Ws, *a, *b, suggestions[static_cast<std::size_t>(*k - 1)]);
        return Done();
    }
    if (suggestions.empty()) std::fprintf(c.Out, "close none\n");
    for (std::size_t k = 0; k < suggestions.size(); ++k) {
        const auto& s = suggestions[k];
        std::string line = "close " + std::to_string(k + 1) + " " + check::CheckNumber(s.Gap) +
                           " " + check::CheckNumber(s.Angle);
        for (const auto& piece : s.Pieces)
            line += " " + check::ClosePieceName(c.Ws.Catalogue, piece);
        std::fprintf(c.Out, "%s\n", line.c_str());
    }
    return Done();
}

} // namespace

const std::vector<ScriptCommandEntry>& ScriptCheckCommandTable() {
    static const std::vector<ScriptCommandEntry> table = {{"gap", Gap}, {"close", Close}};
    return table;
}

} // namespace ferrovane::cli
