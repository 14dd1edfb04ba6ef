#include "cli/ScriptFlexUndo.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

#include "cli/NumberWords.h"
#include "core/commands/edit/PerformUndo.h"
#include "core/commands/placement/FlexRail.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/geometry/FlexGeometry.h"

namespace ferrovane::cli {

namespace {

std::vector<std::string_view> Split(std::string_view text, char sep) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t at = text.find(sep);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) return parts;
        text.remove_prefix(at + 1);
    }
}

// Records one side of the flexible rail from RAIL:END or X,Y,ANGLE.
std::string RecordSide(app::Workspace& ws, geometry::FlexSide side, const std::string& word) {
    const auto railEnd = Split(word, ':');
    if (railEnd.size() == 2) {
        const auto rail = NumberWord<int>(railEnd[0]);
        const auto end = NumberWord<int>(railEnd[1]);
        if (!rail || !end) return "bad rail end: " + word;
        if (!geometry::RecordFlexSideAtEnd(ws, side, *rail, *end))
            return "no such rail end: " + word;
        return {};
    }
    const auto point = Split(word, ',');
    if (point.size() != 3) return "expected RAIL:END or X,Y,ANGLE: " + word;
    const auto x = NumberWord<float>(point[0]), y = NumberWord<float>(point[1]),
               angle = NumberWord<float>(point[2]);
    if (!x || !y || !angle) return "bad point: " + word;
    geometry::RecordFlexSideFree(ws, side, *x, *y, *angle);
    return {};
}

} // namespace

std::string RunFlexCommand(app::Workspace& ws, const std::vector<std::string>& args) {
    if (args.size() != 2 && args.size() != 6) return "flex takes A B [H1X H1Y H2X H2Y]";
    float handles[4] = {50, 50, 50, 50};
    for (std::size_t i = 0; i + 2 < args.size(); ++i) {
        const auto h = NumberWord<float>(args[i + 2]);
        if (!h || *h < 0) return "bad handle: " + args[i + 2];
        handles[i] = *h;
    }
    geometry::OpenFlexRail(ws);
    if (auto error = RecordSide(ws, geometry::FlexSide::Start, args[0]); !error.empty())
        return error;
    if (auto error = RecordSide(ws, geometry::FlexSide::End, args[1]); !error.empty()) return error;
    geometry::EnterFlexShaping(ws);
    geometry::FlexDef& def = ws.Editor.FlexDef;
    def.Handle1X = handles[0];
    def.Handle1Y = handles[1];
    def.Handle2X = handles[2];
    def.Handle2Y = handles[3];
    geometry::ComputeFlexControls(def);
    if (!geometry::CreateFlexRail(ws)) ws.Editor.AStatus = model::EditorMode::Place;
    return {};
}

std::string RunUndoCommand(app::Workspace& ws, const std::vector<std::string>& args) {
    if (!args.empty()) return "undo takes no arguments";
    editor::UndoCommand(ws);
    return {};
}

std::string RunRedoCommand(app::Workspace& ws, const std::vector<std::string>& args) {
    if (!args.empty()) return "redo takes no arguments";
    editor::RedoCommand(ws);
    return {};
}

std::string RunToolBoxCommand(app::Workspace& ws, const std::vector<std::string>& args) {
    if (args.size() != 1) return "tool box takes NAME";
    const auto& rails = ws.Catalogue.RailBoxRails;
    const std::size_t last = std::min<std::size_t>(
        rails.size(), static_cast<std::size_t>(std::max(0, ws.Catalogue.RailBoxRailMax)) + 1);
    for (std::size_t i = 0; i < last; ++i) {
        if (rails[i].MemberIndex != 0 || rails[i].Name != args[0] || i > 32767) continue;
        ws.Editor.PlaceKind = model::PieceKind::RailBox;
        ws.Editor.SelBox = static_cast<std::int16_t>(i);
        return {};
    }
    return "no rail box named " + args[0];
}

} // namespace ferrovane::cli
