#include "core/compute/render/RailDispatch.h"

#include "core/compute/render/CurveDrawer.h"
#include "core/compute/render/FlexDrawer.h"
#include "core/compute/render/PointDrawer.h"
#include "core/compute/render/StraightDrawer.h"
#include "core/compute/render/TextLabelDrawer.h"

namespace ferrovane::render {

bool KindHasCentreMarker(int kind) {
    switch (kind) {
    case model::KindStraight:
    case model::KindCurve:
    case model::KindPoint:
    case model::KindFlexible:
    case model::KindBoxHeadStraight:
    case model::KindBoxHeadCurve:
        return true;
    default:
        return false;
    }
}

void DrawRailByKind(const DrawContext& context, int index, Colour colour, Surface& surface,
                    bool onScreen) {
    const model::Rail* rail = context.ValidRailAt(index);
    if (rail == nullptr) return;
    const bool marker = onScreen && KindHasCentreMarker(rail->Kind);
    switch (rail->Kind) {
    case model::KindStraight:
    case model::KindBoxHeadStraight:
    case model::KindBoxMemberStraight:
        DrawStraightRail(context, index, colour, surface, marker);
        break;
    case model::KindCurve:
    case model::KindBoxHeadCurve:
    case model::KindBoxMemberCurve:
        DrawCurveRail(context, index, colour, surface, marker);
        break;
    case model::KindPoint:
        DrawPointRail(context, index, colour, surface, marker);
        break;
    case model::KindFlexible:
        DrawFlexRail(context, index, colour, surface, marker);
        break;
    case model::KindText:
        DrawTextLabel(context, index, colour, surface);
        break;
    default:
        break;
    }
}

} // namespace ferrovane::render
