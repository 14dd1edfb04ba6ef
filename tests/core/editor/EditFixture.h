#pragma once

#include <string>

#include "support/CatalogueFixtures.h"
#include "support/LayoutSnapshot.h"
#include "support/LinkInvariant.h"
#include "support/Tolerance.h"

#include "core/commands/placement/Detection.h"
#include "core/commands/placement/RailBoxPlacement.h"
#include "core/values/model/RailIndex.h"

namespace ferrovane::testing {

inline constexpr const char* LabelFont = "ＭＳ ゴシック"; // 7 characters

// A layout with every kind the edit commands treat differently:
// 1 straight, 2 curve, 3 point, 4 straight (a joined chain from (1000, 1000)),
// 5..7 a grouped rail box "Loop3" (head 5), 8 a text label.
inline void BuildEditLayout(CatalogueWorkspace& t) {
    t.PlaceFree(0, 0, 1000, 1000, 90);
    t.PlaceAt(1, 0, 1, 1);
    t.PlaceAt(2, 0, 2, 1);
    t.PlaceAt(0, 0, 3, 1);
    const int box = t.AddBox("Loop3", {Member(0, 100, 0, false, true, false, 0, 0, 0),
                                       Member(0, 100, 0, false, false, false, 0, 100, 0),
                                       Member(0, 100, 0, false, false, true, 0, 200, 0)});
    t.Ws.Editor.SelBox = static_cast<std::int16_t>(box);
    t.Ws.Editor.MouseX = 3000;
    t.Ws.Editor.MouseY = 3000;
    geometry::PlaceRailBox(t.Ws, 90, 0, false);
    model::Rail& label = t.Layout().AppendRail();
    label.Valid = true;
    label.No = static_cast<std::int16_t>(t.Layout().RailCount);
    label.Kind = model::KindText;
    label.Name = std::string(LabelFont) + "hello";
    label.Radius = 7;
    label.Length = 12;
    label.C1X = 500, label.C1Y = 2000;
    label.MidX = 530, label.MidY = 2010;
    model::UpdateCells(label);
    model::RebuildRailIndex(t.Layout());
    t.Ws.Undo.Clear();
    t.Layout().Modified = false;
}

} // namespace ferrovane::testing
