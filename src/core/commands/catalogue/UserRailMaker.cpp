#include "core/commands/catalogue/UserRailMaker.h"

#include <cmath>

#include "core/commands/workspace/Workspace.h"
#include "core/compute/catalogue/CatalogueEditing.h"
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
    // As a click on the user rail in the tool box's list.
    ws.Editor.AStatus = model::EditorMode::Place;
    ws.Host->RefreshRailLists();
    return true;
}

} // namespace ferrovane::catalogue
