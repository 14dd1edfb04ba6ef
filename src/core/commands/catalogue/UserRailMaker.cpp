#include "core/commands/catalogue/UserRailMaker.h"

#include <cmath>

#include "core/commands/workspace/Workspace.h"
#include "core/compute/catalogue/CatalogueEditing.h"
#include "core/compute/catalogue/RTypeForm.h"
#include "core/values/platform/UiHost.h"
#include "core/values/settings/IsNumericInput.h"
#include "core/values/settings/SettingConversions.h"

namespace ferrovane::catalogue {

float UserRailFieldValue(app::Workspace& ws, std::string_view text) {
    if (!app::IsNumericInput(*ws.Host, text, false)) return 100;
    const auto value = app::ParseNumber(text);
    if (!value || !std::isfinite(*value) || *value > 3.0e38) return 100;
    return static_cast<float>(*value);
}

UserRailInput UserRailInputOf(const app::Workspace& ws) {
    UserRailInput input;
    const int kind = model::KindIndex(ws.Editor.PlaceKind);
    const auto* types = TypesOf(ws.Catalogue, kind);
    const auto* max = TypeMaxOf(ws.Catalogue, kind);
    if (!types || !max || *max < 0 || static_cast<std::int64_t>(types->size()) <= *max)
        return input;
    const RType& user = (*types)[static_cast<std::size_t>(*max)];
    const ShapeFieldsShown shown = ShapeFieldsOf(kind);
    // Zero is what a user rail never had set; the field then offers the usual value.
    const auto offered = [](float value, float usual) { return value != 0 ? value : usual; };
    if (shown.Length) input.Length = offered(std::fabs(user.Length), input.Length);
    if (shown.Radius) input.Radius = offered(user.Radius, input.Radius);
    if (shown.Angle) input.Angle = offered(user.Angle, input.Angle);
    input.CurvePoint = shown.CurvePoint && user.Length < 0;
    input.LeftFacing = shown.Hand && user.Hand != 0;
    return input;
}

UserRailInput UserRailInputFrom(app::Workspace& ws, const UserRailTexts& texts) {
    UserRailInput input;
    const ShapeFieldsShown shown = ShapeFieldsOf(model::KindIndex(ws.Editor.PlaceKind));
    if (shown.Length) input.Length = UserRailFieldValue(ws, texts.Length);
    if (shown.Radius) input.Radius = UserRailFieldValue(ws, texts.Radius);
    if (shown.Angle) input.Angle = UserRailFieldValue(ws, texts.Angle);
    input.CurvePoint = shown.CurvePoint && texts.CurvePoint;
    input.LeftFacing = shown.Hand && texts.LeftFacing;
    return input;
}

bool CreateUserRail(app::Workspace& ws, const UserRailInput& input) {
    const model::PieceKind placeKind = ws.Editor.PlaceKind;
    const int kind = model::KindIndex(placeKind); // the catalogue's kinds share the numbers
    auto* types = TypesOf(ws.Catalogue, kind);
    auto* max = TypeMaxOf(ws.Catalogue, kind);
    if (!types || !max || *max < 0) return false;
    if (static_cast<std::int64_t>(types->size()) < *max + 1)
        types->resize(static_cast<std::size_t>(*max) + 1);
    RType& user = (*types)[static_cast<std::size_t>(*max)];
    SetShape(user, kind, input);
    switch (placeKind) {
    case model::PieceKind::Straight:
        ws.Editor.SelStraight = static_cast<std::int16_t>(*max);
        break;
    case model::PieceKind::Curve:
        ws.Editor.SelCurve = static_cast<std::int16_t>(*max);
        break;
    default:
        ws.Editor.SelPoint = static_cast<std::int16_t>(*max);
        break;
    }
    // As a click on the user rail in the tool box's list: the list of its kind, with the
    // chosen piece (the user rail) as its current row.
    ws.ToolBox.ObjectIndex = placeKind;
    ws.Editor.AStatus = model::EditorMode::Place;
    ws.Host->RefreshRailLists();
    ws.Changed.Mark({app::Change::Catalogue, app::Change::Tool});
    return true;
}

} // namespace ferrovane::catalogue
