#pragma once

#include <string_view>

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::catalogue {

// What the user rail maker's fields hold once they passed the numeric check.
struct UserRailInput {
    float Length = 100;
    float Radius = 100;
    float Angle = 45;
    bool CurvePoint = false; // points: stored with a negative length
    bool LeftFacing = false; // points: Hand -1
};

// The value a field keeps when it loses focus: the typed number when the numeric check
// accepts it (a number above 0), else 100.
float UserRailFieldValue(app::Workspace& ws, std::string_view text);

// Create: the user-rail entry of the tool box's kind (PlaceKind 0, 1, 2) takes the
// dimensions, and the tool box takes it as its current choice. Other kinds store
// nothing (false). The values last until the catalogue is read again.
bool CreateUserRail(app::Workspace& ws, const UserRailInput& input);

} // namespace ferrovane::catalogue
