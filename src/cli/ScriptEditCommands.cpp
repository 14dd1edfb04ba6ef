#include "cli/ScriptEditCommands.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

#include "cli/NumberWords.h"
#include "core/commands/edit/Clipboard.h"
#include "core/commands/edit/DeleteRail.h"
#include "core/commands/edit/Elevation.h"
#include "core/commands/edit/LayoutSize.h"
#include "core/commands/edit/MoveAll.h"
#include "core/commands/edit/Recolour.h"
#include "core/commands/edit/RenameRail.h"
#include "core/commands/edit/Selection.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/editor/LayoutInformation.h"
#include "core/compute/output/PartsList.h"
#include "core/values/platform/UiHost.h"

namespace ferrovane::cli {

namespace {

// Colours are 24-bit RGB values as the colour dialog gives them.
constexpr std::int32_t MaxColour = 0xFFFFFF;

// A rail number naming a live rail, else the reason the line is bad.
std::optional<int> LiveRail(const app::Workspace& ws, const std::string& text,
                            std::string& problem) {
    const auto rail = NumberWord<int>(text);
    if (!rail || !ws.Layout.IsLive(*rail)) {
        problem = "no rail " + text;
        return std::nullopt;
    }
    return rail;
}

std::optional<std::int32_t> ColourArg(const std::string& text) {
    const auto colour = NumberWord<std::int32_t>(text);
    if (!colour || *colour < 0 || *colour > MaxColour) return std::nullopt;
    return colour;
}

// Words from `from` on, as one text: names and label texts may hold blanks.
std::string RestOf(const ScriptWords& words, std::size_t from) {
    std::string text;
    for (std::size_t i = from; i < words.size(); ++i) {
        if (i > from) text += ' ';
        text += words[i];
    }
    return text;
}

ScriptOutcome Select(ScriptContext& c, const ScriptWords& args) {
    if (args.empty()) return BadLine("select takes RAIL... or none");
    app::Workspace& ws = c.Ws;
    if (args.size() == 1 && args[0] == "none") {
        editor::ClearSelection(ws.Editor);
        ws.Host->EnableCC(false);
        ws.Redraw->RefreshMainPicture();
        return Done();
    }
    // Every number is checked first, so a bad line changes nothing.
    std::vector<int> rails;
    for (const auto& word : args) {
        std::string problem;
        const auto rail = LiveRail(ws, word, problem);
        if (!rail) return BadLine(problem);
        rails.push_back(*rail);
    }
    for (const int rail : rails)
        editor::ToggleSelection(ws, rail);
    ws.Redraw->RefreshMainPicture();
    return Done();
}

ScriptOutcome SelectBox(ScriptContext& c, const ScriptWords& args) {
    if (args.size() != 4) return BadLine("selectbox takes X0 Y0 X1 Y1");
    std::int32_t v[4];
    for (std::size_t i = 0; i < 4; ++i) {
        const auto n = NumberWord<std::int32_t>(args[i]);
        if (!n) return BadLine("bad coordinate " + args[i]);
        v[i] = *n;
    }
    // A box dragged from any corner.
    app::Workspace& ws = c.Ws;
    editor::SelectRailsInBox(ws.Layout, ws.Editor, std::min(v[0], v[2]), std::min(v[1], v[3]),
                             std::max(v[0], v[2]), std::max(v[1], v[3]));
    ws.Host->EnableCC(editor::SelectedCount(ws.Editor) > 0);
    ws.Redraw->SetHighlightSelRail();
    return Done();
}

ScriptOutcome Delete(ScriptContext& c, const ScriptWords& args) {
    if (args.size() != 1) return BadLine("delete takes RAIL");
    std::string problem;
    const auto rail = LiveRail(c.Ws, args[0], problem);
    if (!rail) return BadLine(problem);
    editor::DeleteRailNo(c.Ws, *rail);
    c.Ws.Redraw->ReDrawBackScreen();
    return Done();
}

ScriptOutcome DeleteSel(ScriptContext& c, const ScriptWords& args) {
    if (!args.empty()) return BadLine("deletesel takes no arguments");
    editor::DeleteSelection(c.Ws);
    return Done();
}

ScriptOutcome Move(ScriptContext& c, const ScriptWords& args) {
    if (args.size() != 2) return BadLine("move takes DX DY");
    const auto dx = editor::ParseMoveOffset(args[0]);
    const auto dy = editor::ParseMoveOffset(args[1]);
    if (!dx || !dy) return BadLine("bad offset");
    editor::MoveAll(c.Ws, *dx, *dy);
    return Done();
}

ScriptOutcome Size(ScriptContext& c, const ScriptWords& args) {
    if (args.size() != 2) return BadLine("size takes W H");
    if (!editor::SetLayoutSize(c.Ws, args[0], args[1]))
        return BadLine("sizes run from 0 to " + std::to_string(editor::MaxLayoutSize));
    return Done();
}

ScriptOutcome Recolour(ScriptContext& c, const ScriptWords& args) {
    if (args.size() != 2) return BadLine("recolour takes RAIL COLOR");
    std::string problem;
    const auto rail = LiveRail(c.Ws, args[0], problem);
    if (!rail) return BadLine(problem);
    const auto colour = ColourArg(args[1]);
    if (!colour) return BadLine("bad colour " + args[1]);
    editor::RecolourRail(c.Ws, *rail, *colour);
    c.Ws.Redraw->ReDrawBackScreen();
    return Done();
}

ScriptOutcome RecolourSel(ScriptContext& c, const ScriptWords& args) {
    if (args.size() != 1) return BadLine("recoloursel takes COLOR");
    const auto colour = ColourArg(args[0]);
    if (!colour) return BadLine("bad colour " + args[0]);
    editor::RecolourSelection(c.Ws, *colour);
    c.Ws.Redraw->ReDrawBackScreen();
    return Done();
}

ScriptOutcome Rename(ScriptContext& c, const ScriptWords& args) {
    if (args.size() < 2) return BadLine("rename takes RAIL TEXT");
    std::string problem;
    const auto rail = LiveRail(c.Ws, args[0], problem);
    if (!rail) return BadLine(problem);
    if (!editor::RenameQuestionFor(c.Ws, *rail))
        return BadLine("rail " + args[0] + " has no name to change");
    // An empty quoted text changes nothing, as an empty answer does.
    if (editor::RenameRailTo(c.Ws, *rail, RestOf(args, 1))) c.Ws.Redraw->ReDrawBackScreen();
    return Done();
}

ScriptOutcome Elevate(ScriptContext& c, const ScriptWords& args) {
    if (args.size() < 2) return BadLine("elevate takes RAIL TYPENAME");
    std::string problem;
    const auto rail = LiveRail(c.Ws, args[0], problem);
    if (!rail) return BadLine(problem);
    const std::string name = RestOf(args, 1);
    const auto candidates = editor::ElevationCandidates(c.Ws, *rail);
    if (std::find(candidates.begin(), candidates.end(), name) == candidates.end())
        return BadLine("rail " + args[0] + " cannot become \"" + name + "\"");
    editor::SetUpperRail(c.Ws, *rail, name);
    return Done();
}

ScriptOutcome Copy(ScriptContext& c, const ScriptWords& args) {
    if (!args.empty()) return BadLine("copy takes no arguments");
    editor::CopySelection(c.Ws);
    return Done();
}

ScriptOutcome Cut(ScriptContext& c, const ScriptWords& args) {
    if (!args.empty()) return BadLine("cut takes no arguments");
    editor::CutSelection(c.Ws);
    return Done();
}

ScriptOutcome Parts(ScriptContext& c, const ScriptWords& args) {
    if (!args.empty()) return BadLine("parts takes no arguments");
    const std::string text = output::JoinPartsList(output::BuildPartsList(c.Ws.Layout), "\n");
    std::fwrite(text.data(), 1, text.size(), c.Out);
    return Done();
}

ScriptOutcome Info(ScriptContext& c, const ScriptWords& args) {
    if (!args.empty()) return BadLine("info takes no arguments");
    const auto info = editor::GetLayoutInformation(c.Ws.Layout, c.Ws.Catalogue.RTypeFileName,
                                                   c.Ws.Settings.FlexibleDivides);
    for (const auto& line : editor::LayoutInformationLines(info))
        std::fprintf(c.Out, "%s\n", line.c_str());
    return Done();
}

} // namespace

const std::vector<ScriptCommandEntry>& ScriptEditCommandTable() {
    static const std::vector<ScriptCommandEntry> table = {
        {"select", Select},     {"selectbox", SelectBox},
        {"delete", Delete},     {"deletesel", DeleteSel},
        {"move", Move},         {"size", Size},
        {"recolour", Recolour}, {"recoloursel", RecolourSel},
        {"rename", Rename},     {"elevate", Elevate},
        {"copy", Copy},         {"cut", Cut},
        {"parts", Parts},       {"info", Info},
    };
    return table;
}

} // namespace ferrovane::cli
