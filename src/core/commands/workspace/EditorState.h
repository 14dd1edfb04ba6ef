#pragma once

#include <cstdint>
#include <vector>

#include "core/compute/geometry/FlexDef.h"
#include "core/values/model/EditorMode.h"
#include "core/values/model/PieceKind.h"

namespace ferrovane::editor {

using model::EditorMode;
using model::PieceKind;

// The editor's state: the current tool and piece, the pointer and what the hit test
// last found under it.
struct EditorState {
    EditorMode AStatus = EditorMode::Place;
    PieceKind PlaceKind = PieceKind::Straight;
    bool CurveFlip = false;
    std::int16_t PointOrient = 0;
    std::int16_t BoxTurn = 0;
    bool IsUpperMode = false;
    std::int16_t SelStraight = 0, SelCurve = 0, SelPoint = 0;
    std::int16_t SelBox = 0;

    float MouseX = 0, MouseY = 0;
    float MouseCellX = 0, MouseCellY = 0;
    float SnapX = -100, SnapY = 0, SnapAngle = 0;
    std::int16_t SnapRail = -1;
    std::uint8_t SnapEnd = 0;
    std::int16_t PointedRail = -1;

    // Element 0 holds the number of slots in use, 1.. the selected rail numbers.
    std::vector<std::int16_t> SelRailList = {0};

    // The flexible rail being laid; the rail chosen for its start and end (-1 while
    // that step is open, 0 for a free point).
    geometry::FlexDef FlexDef;
    std::int16_t FlexStartRail = -1;
    std::int16_t FlexEndRail = -1;
};

} // namespace ferrovane::editor
