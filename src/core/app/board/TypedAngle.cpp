#include "core/app/board/TypedAngle.h"

#include <cmath>

#include "core/commands/edit/StatusText.h"
#include "core/commands/placement/Placement.h"
#include "core/commands/placement/RailBoxPlacement.h"
#include "core/commands/workspace/Workspace.h"
#include "core/values/platform/UiHost.h"
#include "core/values/settings/SettingConversions.h"
#include "core/values/text/Messages.h"

namespace ferrovane::editor {

namespace {

constexpr int SpaceKey = 32;

bool ChoosingFlexEnd(const app::Workspace& ws) {
    return ws.Editor.AStatus == EditorMode::FlexChoosingStart ||
           ws.Editor.AStatus == EditorMode::FlexChoosingEnd;
}

std::string WholeDegrees(float angle) {
    return std::to_string(static_cast<long>(std::nearbyint(static_cast<double>(angle))));
}

void Preview(app::Workspace& ws, TypedAngleState& st, float angle) {
    ws.Redraw->RefreshMainPicture();
    const PieceKind kind = ws.Editor.PlaceKind;
    if (model::IsCatalogueKind(kind)) {
        float a = angle;
        geometry::PlaceRail(ws, a, st.PickedDir, geometry::PlacePreview, false);
    } else if (kind == PieceKind::RailBox) {
        geometry::PreviewRailBox(ws, angle, st.PickedDir, false);
    }
    st.LastAngle = angle;
}

void Turn(app::Workspace& ws, TypedAngleState& st) {
    static constexpr std::int16_t nextOrient[6] = {2, 3, 5, 4, 1, 0};
    switch (ws.Editor.PlaceKind) {
    case PieceKind::Curve:
        st.PickedDir = st.PickedDir == 0 ? 1 : 0;
        break;
    case PieceKind::Point:
        st.PickedDir = st.PickedDir >= 0 && st.PickedDir < 6 ? nextOrient[st.PickedDir] : 0;
        break;
    case PieceKind::RailBox:
        st.PickedDir = static_cast<std::int16_t>(st.PickedDir + 1);
        break;
    default:
        break;
    }
    if (st.PickedAngle >= 0) Preview(ws, st, st.PickedAngle);
}

} // namespace

float PatternAngle(float x, float y, float width, float height) {
    if (!(width > 0) || !(height > 0)) return NoAngle;
    const int col = x < width / 3 ? 0 : (x < 2 * width / 3 ? 1 : 2);
    const int row = y < height / 3 ? 0 : (y < 2 * height / 3 ? 1 : 2);
    // Rows top to bottom, columns left to right; y grows downwards. An end angle points
    // into the rail, so a piece laid at angle a runs towards a + 180: each part gives the
    // angle whose piece runs from the middle towards that part.
    static constexpr float angles[3][3] = {
        {45, 0, 315},
        {90, NoAngle, 270},
        {135, 180, 225},
    };
    return angles[row][col];
}

std::string PickedAngleStatusText(const app::Workspace& ws, float angle) {
    const std::string degrees = WholeDegrees(angle);
    if (ChoosingFlexEnd(ws)) return text::Msg(text::MessageId::AngleFlexEndStatus, {degrees});
    switch (ws.Editor.PlaceKind) {
    case PieceKind::Straight:
        return text::Msg(text::MessageId::AnglePlaceStatus, {degrees});
    case PieceKind::Curve:
    case PieceKind::Point:
        return text::Msg(text::MessageId::AnglePlaceTurnStatus, {degrees});
    case PieceKind::RailBox:
        return text::Msg(text::MessageId::AnglePlaceBoxStatus, {degrees});
    default:
        return degrees;
    }
}

TypedAngleState OpenTypedAngle(app::Workspace& ws) {
    TypedAngleState st;
    if (!ChoosingFlexEnd(ws)) {
        const PieceKind kind = ws.Editor.PlaceKind;
        ws.Editor.AStatus =
            kind == PieceKind::RailBox ? EditorMode::TypedAngleBox : EditorMode::TypedAngle;
        if (kind == PieceKind::Curve) st.PickedDir = ws.Editor.CurveFlip ? 1 : 0;
        if (kind == PieceKind::Point) st.PickedDir = ws.Editor.PointOrient;
    }
    ws.Host->SetStatusText(TypedAngleOpenText());
    return st;
}

void PickAngleAtPointer(app::Workspace& ws, TypedAngleState& st, float x, float y, float width,
                        float height) {
    st.PickedAngle = PatternAngle(x, y, width, height);
    if (st.PickedAngle < 0) return;
    ws.Host->SetStatusText(PickedAngleStatusText(ws, st.PickedAngle));
    if (st.PickedAngle != st.LastAngle) Preview(ws, st, st.PickedAngle);
}

void ApplyTypedAngleText(app::Workspace& ws, TypedAngleState& st, std::string& text, int keyCode) {
    if (keyCode == SpaceKey) {
        if (!text.empty() && text.back() == ' ') text.pop_back();
        Turn(ws, st);
    }
    const auto value = app::ParseNumber(text);
    if (!value || !(*value > -360 && *value <= 360)) return;
    const float v = static_cast<float>(*value);
    st.PickedAngle = v;
    if (v >= 0 && v != st.LastAngle) {
        Preview(ws, st, v);
        ws.Host->SetStatusText(
            std::string(TypedAngleOpenText()) + " (" +
            text::Msg(text::MessageId::TypedAngleDegrees, {app::SingleToText(v)}) + ")");
    }
}

TypedAngleClick ClickTypedAngleWindow(app::Workspace& ws, TypedAngleState& st, int button) {
    TypedAngleClick click;
    if (button == 2) {
        Turn(ws, st);
        return click;
    }
    if (button != 1 || st.PickedAngle == NoAngle) return click; // no angle picked yet
    if (ChoosingFlexEnd(ws)) {
        click.FlexAngle = st.PickedAngle;
        click.Close = true;
        return click;
    }
    const PieceKind kind = ws.Editor.PlaceKind;
    if (model::IsCatalogueKind(kind)) {
        float a = st.PickedAngle;
        geometry::PlaceRail(ws, a, st.PickedDir, geometry::PlaceCommit, false);
    } else if (kind == PieceKind::RailBox) {
        geometry::PlaceRailBox(ws, st.PickedAngle, st.PickedDir, false);
    } else {
        return click;
    }
    ws.Editor.AStatus = EditorMode::Place;
    click.Close = true;
    return click;
}

void CancelTypedAngle(app::Workspace& ws, TypedAngleState& st) {
    // The last preview goes with the window.
    ws.Redraw->RefreshMainPicture();
    if (ChoosingFlexEnd(ws)) return;
    st.PickedDir = 0;
    ws.Editor.AStatus = EditorMode::Place;
}

} // namespace ferrovane::editor
