#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

#include "cli/Commands.h"
#include "cli/NumberWords.h"
#include "cli/ScriptCheckCommands.h"
#include "cli/ScriptEditCommands.h"
#include "cli/ScriptFlexUndo.h"
#include "cli/ScriptLabel.h"
#include "cli/ScriptRunner.h"
#include "core/commands/catalogue/CatalogueReader.h"
#include "core/commands/document/LayoutFile.h"
#include "core/commands/placement/Detection.h"
#include "core/commands/placement/Placement.h"
#include "core/commands/placement/RailBoxPlacement.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/document/LayoutWriter.h"
#include "core/compute/geometry/RailBoxWork.h"
#include "core/values/format/TextCodec.h"
#include "core/values/model/Angle.h"

namespace ferrovane::cli {

namespace {

// Coordinates far beyond any board would only overflow the cell arithmetic.
bool OnSomeBoard(float v) {
    return std::fabs(v) <= 1.0e6f;
}

std::string Joined(const ScriptWords& words, std::size_t from) {
    std::string text;
    for (std::size_t i = from; i < words.size(); ++i) {
        if (i > from) text += ' ';
        text += words[i];
    }
    return text;
}

void PointerAt(app::Workspace& ws, float x, float y) {
    ws.Editor.MouseX = x;
    ws.Editor.MouseY = y;
    ws.Editor.MouseCellX = model::CellOf(x);
    ws.Editor.MouseCellY = model::CellOf(y);
}

// Adapts the handlers that answer with a problem text only.
template <std::string (*Handler)(app::Workspace&, const std::vector<std::string>&)>
ScriptOutcome Wrapped(ScriptContext& c, const ScriptWords& args) {
    std::string problem = Handler(c.Ws, args);
    return problem.empty() ? Done() : BadLine(std::move(problem));
}

// Pieces come from the catalogue: without one a placement would lay an empty user rail.
template <ScriptHandler Handler>
ScriptOutcome WithCatalogue(ScriptContext& c, const ScriptWords& args) {
    if (c.Ws.Catalogue.RTypeFileName.empty()) return BadLine("no catalogue loaded");
    return Handler(c, args);
}

ScriptOutcome Catalogue(ScriptContext& c, const ScriptWords& args) {
    if (args.size() != 1) return BadLine("catalogue takes PATH");
    const auto status = catalogue::ReadCatalogue(c.Ws, args[0]);
    if (status == catalogue::CatalogueReadStatus::Loaded) return Done();
    return {ExitReadFailed, status == catalogue::CatalogueReadStatus::Missing
                                ? "no catalogue file " + args[0]
                                : "the catalogue could not be read"};
}

ScriptOutcome Open(ScriptContext& c, const ScriptWords& args) {
    if (args.size() != 1) return BadLine("open takes PATH");
    document::LoadOptions options;
    options.ReloadCatalogue = false; // the script reads its catalogue itself
    if (!document::LoadFile(c.Ws, args[0], options))
        return {ExitReadFailed, "the layout could not be loaded"};
    // Journal records name rails of the layout they were made in.
    c.Ws.Undo.Clear();
    return Done();
}

ScriptOutcome Save(ScriptContext& c, const ScriptWords& args) {
    if (args.size() != 1) return BadLine("save takes PATH");
    if (!document::SaveFile(c.Ws, args[0]))
        return {ExitWriteFailed, "the layout could not be saved"};
    return Done();
}

ScriptOutcome New(ScriptContext& c, const ScriptWords& args) {
    if (!args.empty()) return BadLine("new takes no arguments");
    auto recent = c.Ws.Layout.RecentFiles;
    c.Ws.Layout = model::NewLayout();
    c.Ws.Layout.RecentFiles = std::move(recent);
    c.Ws.Undo.Clear();
    auto& ed = c.Ws.Editor;
    // Nothing of the old layout is under the pointer any more.
    ed.SnapX = -100;
    ed.SnapRail = -1;
    ed.SnapEnd = 0;
    ed.PointedRail = -1;
    return Done();
}

// The first entry of the kind named `name`, within the kind's highest index.
std::optional<std::int16_t> FindType(const std::vector<catalogue::RType>& types, std::int32_t max,
                                     const std::string& name) {
    const std::size_t last =
        std::min<std::size_t>(types.size(), static_cast<std::size_t>(std::max(max, 0)) + 1);
    for (std::size_t i = 0; i < last && i <= 32767; ++i)
        if (types[i].Name == name) return static_cast<std::int16_t>(i);
    return std::nullopt;
}

ScriptOutcome Tool(ScriptContext& c, const ScriptWords& args) {
    if (args.size() < 2) return BadLine("tool takes straight|curve|point|box NAME");
    const std::string name = Joined(args, 1);
    if (args[0] == "box") return Wrapped<RunToolBoxCommand>(c, {name});
    const auto& cat = c.Ws.Catalogue;
    auto& ed = c.Ws.Editor;
    std::optional<std::int16_t> found;
    if (args[0] == "straight") {
        if ((found = FindType(cat.StraightTypes, cat.StraightTypeMax, name)))
            ed.SelStraight = *found;
        ed.PlaceKind = model::PieceKind::Straight;
    } else if (args[0] == "curve") {
        if ((found = FindType(cat.CurveTypes, cat.CurveTypeMax, name))) ed.SelCurve = *found;
        ed.PlaceKind = model::PieceKind::Curve;
    } else if (args[0] == "point") {
        if ((found = FindType(cat.PointTypes, cat.PointTypeMax, name))) ed.SelPoint = *found;
        ed.PlaceKind = model::PieceKind::Point;
    } else {
        return BadLine("unknown tool \"" + args[0] + "\"");
    }
    if (!found) return BadLine("no " + args[0] + " named \"" + name + "\" in the catalogue");
    return Done();
}

ScriptOutcome Upper(ScriptContext& c, const ScriptWords& args) {
    if (args.size() != 1 || (args[0] != "on" && args[0] != "off"))
        return BadLine("upper takes on or off");
    c.Ws.Editor.IsUpperMode = args[0] == "on";
    return Done();
}

// DIR for the current tool: a flip flag, an orientation 0..5 or a joint number.
std::optional<int> DirArg(const app::Workspace& ws, const ScriptWords& args, std::size_t at) {
    if (args.size() <= at) return 0;
    const auto dir = NumberWord<int>(args[at]);
    if (!dir || *dir < 0 || *dir > 32767) return std::nullopt;
    if (ws.Editor.PlaceKind == model::PieceKind::Point && *dir > 5) return std::nullopt;
    return dir;
}

bool ValidBox(const app::Workspace& ws) {
    return geometry::IsRailBox(ws.Catalogue, ws.Editor.SelBox);
}

ScriptOutcome Free(ScriptContext& c, const ScriptWords& args) {
    if (args.size() != 3 && args.size() != 4) return BadLine("free takes X Y ANGLE [DIR]");
    const auto x = NumberWord<float>(args[0]), y = NumberWord<float>(args[1]),
               angle = NumberWord<float>(args[2]);
    if (!x || !y || !angle || !OnSomeBoard(*x) || !OnSomeBoard(*y) || std::fabs(*angle) > 720)
        return BadLine("bad position or angle");
    const auto dir = DirArg(c.Ws, args, 3);
    if (!dir) return BadLine("bad direction " + args[3]);
    app::Workspace& ws = c.Ws;
    PointerAt(ws, *x, *y);
    float a = *angle;
    const model::PieceKind kind = ws.Editor.PlaceKind;
    if (model::IsCatalogueKind(kind)) {
        geometry::PlaceRail(ws, a, *dir, geometry::PlaceCommit, false);
    } else if (kind == model::PieceKind::RailBox) {
        if (!ValidBox(ws)) return BadLine("no rail box selected");
        std::int16_t turn = static_cast<std::int16_t>(*dir);
        if (geometry::NormalizeBoxTurn(ws.Catalogue, ws.Editor.SelBox, turn))
            geometry::PlaceRailBox(ws, a, turn, false);
    }
    return Done();
}

ScriptOutcome At(ScriptContext& c, const ScriptWords& args) {
    if (args.size() != 2 && args.size() != 3) return BadLine("at takes RAIL END [DIR]");
    const auto rail = NumberWord<int>(args[0]), end = NumberWord<int>(args[1]);
    if (!rail || !end) return BadLine("bad rail end");
    const auto dir = DirArg(c.Ws, args, 2);
    if (!dir) return BadLine("bad direction " + args[2]);
    app::Workspace& ws = c.Ws;
    if (*rail < 1 || *rail > ws.Layout.RailCount ||
        !ws.Layout.Rails[static_cast<std::size_t>(*rail)].Valid)
        return BadLine("no rail " + args[0]);
    if (!geometry::SnapToEnd(ws, *rail, *end))
        return BadLine("rail " + args[0] + " has no end " + args[1]);
    auto& ed = ws.Editor;
    switch (ed.PlaceKind) {
    case model::PieceKind::Curve:
        ed.CurveFlip = *dir != 0;
        break;
    case model::PieceKind::Point:
        ed.PointOrient = static_cast<std::int16_t>(*dir);
        break;
    case model::PieceKind::RailBox:
        if (!ValidBox(ws)) return BadLine("no rail box selected");
        ed.BoxTurn = static_cast<std::int16_t>(*dir);
        geometry::NormalizeBoxTurn(ws.Catalogue, ed.SelBox, ed.BoxTurn);
        break;
    default:
        break;
    }
    geometry::SetNextRail(ws, 1, ed.MouseX, ed.MouseY);
    return Done();
}

ScriptOutcome Detect(ScriptContext& c, const ScriptWords& args) {
    if (args.size() != 2) return BadLine("detect takes X Y");
    const auto x = NumberWord<float>(args[0]), y = NumberWord<float>(args[1]);
    if (!x || !y || !OnSomeBoard(*x) || !OnSomeBoard(*y)) return BadLine("bad position");
    PointerAt(c.Ws, *x, *y);
    const int status = geometry::DetectRail(c.Ws);
    const auto& ed = c.Ws.Editor;
    std::fprintf(c.Out, "detect %d %d %d %d\n", status, ed.SnapRail, static_cast<int>(ed.SnapEnd),
                 ed.PointedRail);
    return Done();
}

ScriptOutcome Print(ScriptContext& c, const ScriptWords& args) {
    if (args.size() != 1) return BadLine("print takes RAIL");
    const auto rail = NumberWord<int>(args[0]);
    const model::Layout& layout = c.Ws.Layout;
    if (!rail || *rail < 1 || *rail > layout.RailCount) return BadLine("no rail " + args[0]);
    // The record exactly as the layout file writes it, shown in UTF-8.
    model::Layout one;
    one.Rails = {model::Rail{}, layout.Rails[static_cast<std::size_t>(*rail)]};
    one.RailCount = 1;
    const std::string bytes = document::WriteLayout(one);
    std::size_t start = 0;
    for (int header = 0; header < 3; ++header)
        start = bytes.find('\n', start) + 1;
    std::string record = bytes.substr(start);
    while (!record.empty() && (record.back() == '\n' || record.back() == '\r'))
        record.pop_back();
    const auto text = platform::ShiftJisToUtf8(record);
    std::fprintf(c.Out, "%s\n", text ? text->c_str() : record.c_str());
    return Done();
}

} // namespace

const std::vector<ScriptCommandEntry>& ScriptCommandTable() {
    static const std::vector<ScriptCommandEntry> table = [] {
        std::vector<ScriptCommandEntry> own = {
            {"catalogue", Catalogue},
            {"open", Open},
            {"save", Save},
            {"new", New},
            {"tool", Tool},
            {"upper", Upper},
            {"free", WithCatalogue<Free>},
            {"at", WithCatalogue<At>},
            {"detect", Detect},
            {"flex", WithCatalogue<Wrapped<RunFlexCommand>>},
            {"undo", Wrapped<RunUndoCommand>},
            {"redo", Wrapped<RunRedoCommand>},
            {"print", Print},
#ifdef FERROVANE_HAVE_QTRENDER
            {"label", RunLabelCommand},
#endif
        };
        const auto& edits = ScriptEditCommandTable();
        own.insert(own.end(), edits.begin(), edits.end());
        const auto& checks = ScriptCheckCommandTable();
        own.insert(own.end(), checks.begin(), checks.end());
        return own;
    }();
    return table;
}

} // namespace ferrovane::cli
