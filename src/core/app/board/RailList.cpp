#include "core/app/board/RailList.h"

#include <algorithm>

#include "core/commands/workspace/Workspace.h"
#include "core/compute/geometry/RailBoxWork.h"
#include "core/values/format/ListDirected.h"

namespace ferrovane::editor {

namespace {

constexpr std::int16_t ModeNotPlaceable = 9998;

const std::vector<catalogue::RType>* TypesOf(const catalogue::Catalogue& c, int kind,
                                             std::int32_t& max) {
    switch (kind) {
    case 0:
        max = c.StraightTypeMax;
        return &c.StraightTypes;
    case 1:
        max = c.CurveTypeMax;
        return &c.CurveTypes;
    case 2:
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

std::vector<RailListEntry> RailListFor(const app::Workspace& ws, int kind) {
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
    case 3:
        list.push_back({Type::Command, "フレキシブルレール", 0, ToolCommand::FlexibleRail});
        break;
    case 4:
        list.push_back({Type::Command, "文字の挿入", 0, ToolCommand::InsertText});
        list.push_back({Type::Command, "レールの高架", 0, ToolCommand::Elevate});
        list.push_back({Type::Command, "レールや文字の削除", 0, ToolCommand::Delete});
        break;
    case 5: {
        const auto& rails = ws.Catalogue.RailBoxRails;
        for (int i = 0; i < static_cast<int>(rails.size()); ++i) {
            const auto& r = rails[static_cast<std::size_t>(i)];
            if (r.MemberIndex == 0 && !r.Name.empty() && geometry::IsRailBox(ws.Catalogue, i))
                list.push_back({Type::RailBox, r.Name, i});
        }
        if (list.empty()) list.push_back({Type::Note, NoRailBoxesText});
        break;
    }
    default:
        break;
    }
    return list;
}

std::vector<RailListEntry> setlstRails(app::Workspace& ws) {
    const int kind = ws.ToolBox.ObjectIndex;
    auto list = RailListFor(ws, kind);
    // Without a rail box to lay, a click must not lay the piece chosen before.
    const bool noBoxes =
        kind == 5 && list.size() == 1 && list.front().EntryType == RailListEntry::Type::Note;
    ws.Editor.AStatus = (kind == 3 || kind == 4 || noBoxes) ? ModeNotPlaceable : 0;
    return list;
}

RailChoice lstRails_Click(app::Workspace& ws, const RailListEntry& entry) {
    RailChoice choice;
    EditorState& e = ws.Editor;
    switch (entry.EntryType) {
    case RailListEntry::Type::CatalogueType: {
        std::int32_t max = 0;
        const int kind = ws.ToolBox.ObjectIndex;
        const auto* types = TypesOf(ws.Catalogue, kind, max);
        if (!types || entry.Index < 0 || entry.Index >= static_cast<int>(types->size())) break;
        const auto& t = (*types)[static_cast<std::size_t>(entry.Index)];
        const auto index = static_cast<std::int16_t>(entry.Index);
        e.PlaceKind = static_cast<std::int16_t>(kind);
        if (kind == 0) e.SelStraight = index;
        if (kind == 1) e.SelCurve = index;
        if (kind == 2) e.SelPoint = index;
        if (kind != 1) choice.Labels.Length = Number(t.Length);
        if (kind != 0) {
            choice.Labels.Radius = Number(t.Radius);
            choice.Labels.Angle = Number(t.Angle) + "度";
        }
        if (kind == 2) choice.Labels.Angle += t.Hand == 0 ? " 右向き" : " 左向き";
        break;
    }
    case RailListEntry::Type::RailBox:
        e.PlaceKind = 5;
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
