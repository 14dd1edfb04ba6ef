#include "core/app/board/RailList.h"

#include <algorithm>

#include "core/commands/workspace/Workspace.h"
#include "core/compute/geometry/RailBoxWork.h"
#include "core/values/format/ListDirected.h"
#include "core/values/text/Messages.h"

namespace ferrovane::editor {

namespace {

const std::vector<catalogue::RType>* TypesOf(const catalogue::Catalogue& c, PieceKind kind,
                                             std::int32_t& max) {
    switch (kind) {
    case PieceKind::Straight:
        max = c.StraightTypeMax;
        return &c.StraightTypes;
    case PieceKind::Curve:
        max = c.CurveTypeMax;
        return &c.CurveTypes;
    case PieceKind::Point:
        max = c.PointTypeMax;
        return &c.PointTypes;
    default:
        return nullptr;
    }
}

bool ShownInMode(const catalogue::RType& t, bool upper) {
    return upper ? (t.Level == 1 || t.Level == 2) : (t.Level == 0 || t.Level == 2);
}

std::string Number(float v) {
    return document::FormatSingle(v);
}

} // namespace

std::vector<RailListEntry> RailListFor(const app::Workspace& ws, PieceKind kind) {
    using Type = RailListEntry::Type;
    std::vector<RailListEntry> list;
    std::int32_t max = 0;
    if (const auto* types = TypesOf(ws.Catalogue, kind, max)) {
        const int last = std::min<int>(max, static_cast<int>(types->size()) - 1);
        int userRail = -1;
        for (int i = 0; i <= last; ++i) {
            const auto& t = (*types)[static_cast<std::size_t>(i)];
            if (t.IsUserRail != 0) {
                userRail = i; // always last, whatever the mode
            } else if (ShownInMode(t, ws.Editor.IsUpperMode)) {
                list.push_back({Type::CatalogueType, t.Name, i});
            }
        }
        if (userRail >= 0) {
            list.push_back({Type::CatalogueType, (*types)[userRail].Name, userRail});
        }
        return list;
    }
    switch (kind) {
    case PieceKind::Flexible:
        list.push_back({Type::Command, text::Msg(text::MessageId::ListFlexibleRail), 0,
                        ToolCommand::FlexibleRail});
        break;
    case PieceKind::Object:
        list.push_back({Type::Command, text::Msg(text::MessageId::ListInsertText), 0,
                        ToolCommand::InsertText});
        list.push_back(
            {Type::Command, text::Msg(text::MessageId::ListElevate), 0, ToolCommand::Elevate});
        list.push_back(
            {Type::Command, text::Msg(text::MessageId::ListDelete), 0, ToolCommand::Delete});
        break;
    case PieceKind::RailBox: {
        const auto& rails = ws.Catalogue.RailBoxRails;
        for (int i = 0; i < static_cast<int>(rails.size()); ++i) {
            const auto& r = rails[static_cast<std::size_t>(i)];
            if (r.MemberIndex == 0 && !r.Name.empty() && geometry::IsRailBox(ws.Catalogue, i))
                list.push_back({Type::RailBox, r.Name, i});
        }
        if (list.empty()) list.push_back({Type::Note, NoRailBoxesText()});
        break;
    }
    default:
        break;
    }
    return list;
}

std::vector<RailListEntry> FillRailList(app::Workspace& ws) {
    const PieceKind kind = ws.ToolBox.ObjectIndex;
    auto list = RailListFor(ws, kind);
    // Without a rail box to lay, a click must not lay the piece chosen before.
    const bool noBoxes = kind == PieceKind::RailBox && list.size() == 1 &&
                         list.front().EntryType == RailListEntry::Type::Note;
    // A key that changes the kind while a tool window is open must not take the board
    // out of the tool: the window would stay open with nothing answering its clicks.
    if (!model::IsToolWindowMode(ws.Editor.AStatus))
        ws.Editor.AStatus =
            model::PlacesByClick(kind) && !noBoxes ? EditorMode::Place : EditorMode::NotPlaceable;
    return list;
}

RailChoice ChooseRailListEntry(app::Workspace& ws, const RailListEntry& entry) {
    RailChoice choice;
    EditorState& e = ws.Editor;
    switch (entry.EntryType) {
    case RailListEntry::Type::CatalogueType: {
        std::int32_t max = 0;
        const PieceKind kind = ws.ToolBox.ObjectIndex;
        const auto* types = TypesOf(ws.Catalogue, kind, max);
        if (!types || entry.Index < 0 || entry.Index >= static_cast<int>(types->size())) break;
        const auto& t = (*types)[static_cast<std::size_t>(entry.Index)];
        const auto index = static_cast<std::int16_t>(entry.Index);
        e.PlaceKind = kind;
        if (kind == PieceKind::Straight) e.SelStraight = index;
        if (kind == PieceKind::Curve) e.SelCurve = index;
        if (kind == PieceKind::Point) e.SelPoint = index;
        if (kind != PieceKind::Curve) choice.Labels.Length = Number(t.Length);
        if (kind != PieceKind::Straight) {
            choice.Labels.Radius = Number(t.Radius);
            choice.Labels.Angle = text::Msg(text::MessageId::TypedAngleDegrees, {Number(t.Angle)});
        }
        if (kind == PieceKind::Point)
            choice.Labels.Angle +=
                std::string(" ") + (t.Hand == 0 ? text::Msg(text::MessageId::PointRightHand)
                                                : text::Msg(text::MessageId::PointLeftHand));
        break;
    }
    case RailListEntry::Type::RailBox:
        e.PlaceKind = PieceKind::RailBox;
        e.SelBox = static_cast<std::int16_t>(entry.Index);
        e.BoxTurn = 0;
        break;
    case RailListEntry::Type::Command:
        choice.Command = entry.Command;
        break;
    case RailListEntry::Type::Note:
        break;
    }
    return choice;
}

} // namespace ferrovane::editor
