#include "core/commands/edit/Clipboard.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/commands/edit/DeleteRail.h"
#include "core/commands/edit/Selection.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/catalogue/CatalogueMessages.h"
#include "core/compute/catalogue/RailBoxLine.h"
#include "core/values/format/Blanks.h"
#include "core/values/model/Angle.h"
#include "core/values/platform/UiHost.h"

namespace ferrovane::editor {

namespace {

// A member line is its name after a one-character marker; the catalogue reader refuses
// longer lines, so a long rail name is cut to what can be read back.
constexpr std::size_t MaxMemberNameLength = catalogue::MaxRailBoxNameLength - 1;

using document::TrimBlanks;

std::string FirstChars(const std::string& s, std::size_t chars) {
    std::size_t i = 0;
    for (std::size_t taken = 0; i < s.size() && taken < chars; ++taken) {
        ++i;
        while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80)
            ++i;
    }
    return s.substr(0, i);
}

catalogue::RailBoxRail ClosingColumns() {
    catalogue::RailBoxRail line;
    line.Reserved = 2;
    return line;
}

catalogue::RailBoxRail MemberColumns(const model::Rail& r, float refX, float refY) {
    catalogue::RailBoxRail line;
    const bool curve = r.Kind == model::KindCurve;
    line.MemberKind = curve ? catalogue::MemberCurve : catalogue::MemberStraight;
    line.CurveFlip = curve && r.Dir != 0 ? -1 : 0;
    line.Size = curve ? r.Radius : r.Length;
    line.CurveAngle = curve ? static_cast<float>(std::nearbyint(static_cast<double>(r.Angle))) : 0;
    line.Free0 = true;
    line.Free1 = true;
    line.Color = r.Color;
    line.OffsetX = r.X0 - refX;
    line.OffsetY = r.Y0 - refY;
    line.RelAngle = model::NormalizeAngle(r.Angle0 - 180);
    line.Ungrouped = true;
    line.Reserved = 2;
    return line;
}

} // namespace

int RailBoxRecordCount(const catalogue::Catalogue& c) {
    const auto size = static_cast<std::int64_t>(c.RailBoxRails.size());
    return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{c.RailBoxRailMax} + 1, 0, size));
}

int FindClipRail(const catalogue::Catalogue& c) {
    const int count = RailBoxRecordCount(c);
    for (int k = 0; k < count; ++k)
        if (c.RailBoxRails[static_cast<std::size_t>(k)].Name == catalogue::ClipRailBoxName)
            return k;
    return -1;
}

void RemoveClipRail(catalogue::Catalogue& c) {
    const int k = FindClipRail(c);
    if (k < 0) return;
    c.RailBoxRailMax = k - 1;
    c.RailBoxRails.resize(static_cast<std::size_t>(k));
}

void StoreClipRail(app::Workspace& ws) {
    StoreSelectionAsBox(ws, catalogue::ClipRailBoxName);
}

void StoreSelectionAsBox(app::Workspace& ws, const std::string& boxName) {
    ws.Changed.Mark(app::Change::Catalogue);
    catalogue::Catalogue& c = ws.Catalogue;
    // The next free index; a spare record the reader may have left is overwritten.
    c.RailBoxRails.resize(static_cast<std::size_t>(RailBoxRecordCount(c)));
    c.RailBoxRailMax = static_cast<std::int32_t>(c.RailBoxRails.size());
    catalogue::RailBoxLineState state;
    const std::vector<int> rails = SelectedRails(ws.Editor);
    float refX = 0, refY = 0;
    if (!rails.empty() && rails.front() <= ws.Layout.RailCount) {
        refX = ws.Layout.Rails[rails.front()].X0;
        refY = ws.Layout.Rails[rails.front()].Y0;
    }
    catalogue::RailBoxRail header;
    header.MemberKind = catalogue::MemberHeader;
    header.Reserved = 2;
    std::string headerName(1, '#');
    headerName += boxName;
    bool ok = catalogue::ParseRailBoxLine(c, state, headerName, header);
    for (const int n : rails) {
        if (!ok) break;
        if (!ws.Layout.IsLive(n)) continue;
        const model::Rail& r = ws.Layout.Rails[n];
        if (r.Kind != model::KindStraight && r.Kind != model::KindCurve) continue;
        // A blank marks a continuation line.
        std::string name(1, ' ');
        name += FirstChars(TrimBlanks(r.Name), MaxMemberNameLength);
        ok = catalogue::ParseRailBoxLine(c, state, name, MemberColumns(r, refX, refY));
    }
    catalogue::ParseRailBoxLine(c, state, "End", ClosingColumns());
    ws.Host->RefreshRailLists();
}

void CopySelection(app::Workspace& ws) {
    // Nothing selected: the clipboard box keeps what it holds.
    if (SelectedCount(ws.Editor) == 0) return;
    RemoveClipRail(ws.Catalogue);
    StoreClipRail(ws);
}

void CutSelection(app::Workspace& ws) {
    if (SelectedCount(ws.Editor) == 0) return;
    RemoveClipRail(ws.Catalogue);
    StoreClipRail(ws);
    DeleteSelection(ws);
}

} // namespace ferrovane::editor
