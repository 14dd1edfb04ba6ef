#include "core/commands/edit/Elevation.h"

#include <algorithm>

#include "core/commands/edit/Selection.h"
#include "core/commands/edit/StatusText.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/catalogue/CatalogueEditing.h"
#include "core/compute/editor/RailGroup.h"
#include "core/values/format/Blanks.h"
#include "core/values/platform/UiHost.h"
#include "core/values/text/Messages.h"

namespace ferrovane::editor {

namespace {

// The catalogue entries 0..Max of a rail kind, bounded by what the array holds.
std::vector<const catalogue::RType*> TypesForRail(const app::Workspace& ws, int rail) {
    std::vector<const catalogue::RType*> types;
    if (!ws.Layout.IsLive(rail)) return types;
    const auto& c = ws.Catalogue;
    const int kind = ws.Layout.Rails[rail].Kind;
    const auto* array = catalogue::TypesOf(c, kind);
    const auto* max = catalogue::TypeMaxOf(c, kind);
    if (!array || !max) return types;
    const auto last = std::min<std::int64_t>(*max, static_cast<std::int64_t>(array->size()) - 1);
    for (std::int64_t i = 0; i <= last; ++i)
        types.push_back(&(*array)[static_cast<std::size_t>(i)]);
    return types;
}

} // namespace

bool IsElevationCandidate(const catalogue::RType& type, bool railUpper) {
    return railUpper ? (type.Level == 0 || type.Level == 2) : (type.Level == 1 || type.Level == 2);
}

std::vector<std::string> ElevationCandidates(const app::Workspace& ws, int rail) {
    std::vector<std::string> names;
    for (const auto* t : TypesForRail(ws, rail))
        if (IsElevationCandidate(*t, ws.Layout.Rails[rail].Upper)) names.push_back(t->Name);
    return names;
}

std::optional<std::size_t> IntelliChoice(const std::string& source,
                                         const std::vector<std::string>& candidates) {
    if (candidates.empty()) return std::nullopt;
    const std::string name = document::TrimBlanks(source);
    const std::string mark = ElevatedMark;
    std::vector<std::string> counterparts{mark + name, name + mark, mark + " " + name,
                                          name + " " + mark};
    if (name.size() > mark.size()) {
        if (name.compare(0, mark.size(), mark) == 0)
            counterparts.push_back(document::TrimBlanks(name.substr(mark.size())));
        if (name.compare(name.size() - mark.size(), mark.size(), mark) == 0)
            counterparts.push_back(document::TrimBlanks(name.substr(0, name.size() - mark.size())));
    }
    counterparts.push_back(name);
    for (const std::string& wanted : counterparts)
        for (std::size_t i = 0; i < candidates.size(); ++i)
            if (document::TrimBlanks(candidates[i]) == wanted) return i;
    return 0;
}

bool ElevateRail(app::Workspace& ws, int rail, const std::string& newName, std::int32_t newColor) {
    model::Layout& layout = ws.Layout;
    if (!layout.IsLive(rail)) return false;
    const int last = GroupLast(layout, rail);
    UndoGroup undo(ws.Undo);
    model::Rail& r = layout.Rails[rail];
    undo.Add(RailElevated{rail, r.Color, r.Name, newColor, newName});
    r.Upper = !r.Upper;
    r.Name = newName;
    r.Color = newColor;
    // Members only change level: they keep their own name and colour.
    for (int n = rail + 1; n <= last; ++n) {
        model::Rail& member = layout.Rails[n];
        undo.Add(RailElevated{n, member.Color, member.Name, member.Color, member.Name});
        member.Upper = !member.Upper;
    }
    layout.Modified = true;
    return true;
}

bool SetUpperRail(app::Workspace& ws, int rail, const std::string& chosenName) {
    for (const auto* t : TypesForRail(ws, rail)) {
        if (t->Name != chosenName) continue;
        const std::int32_t colour = t->Color;
        ElevateRail(ws, rail, chosenName, colour);
        ws.Redraw->ReDrawBackScreen();
        return true;
    }
    return false;
}

void OpenElevationTool(app::Workspace& ws) {
    ws.Editor.AStatus = EditorMode::Elevate;
    if (SelectionSlots(ws.Editor) == 0) return;
    platform::ShowModal(*ws.Host,
                        {text::Msg(text::MessageId::ElevateOneByOne),
                         text::Msg(text::MessageId::ElevateTitle),
                         platform::MessageIcon::Information, platform::MessageButtons::Ok});
    ClearSelection(ws.Editor);
    ws.Host->EnableCC(false);
    ws.Redraw->ReDrawBackScreen();
}

void SetUpper(app::Workspace& ws, const std::optional<std::string>& chosenName) {
    if (!chosenName) {
        SetStatusText(ws, text::Msg(text::MessageId::ElevatedNameHint));
        return;
    }
    SetUpperRail(ws, ws.Editor.PointedRail, *chosenName);
}

void CloseElevationTool(app::Workspace& ws) {
    ws.Editor.AStatus = EditorMode::Place;
}

} // namespace ferrovane::editor
