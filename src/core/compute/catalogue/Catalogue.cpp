#include "core/compute/catalogue/Catalogue.h"

namespace ferrovane::catalogue {

Catalogue EmptyCatalogue(std::int32_t railColor) {
    Catalogue c;
    const auto user = [&](std::int16_t kind) {
        RType t;
        t.Name = UserRailName;
        t.Color = railColor;
        t.Kind = kind;
        t.IsUserRail = -1;
        return t;
    };
    c.StraightTypes = {user(0)};
    c.CurveTypes = {user(1)};
    c.PointTypes = {user(2)};
    return c;
}

} // namespace ferrovane::catalogue
