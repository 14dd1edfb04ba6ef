#pragma once

#include <string>
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

// What the fields show on opening: the user-rail entry of the tool box's kind as it is
// now (a curved point's length without its sign, with the curve-point box checked).
// Defaults for a kind without user rail.
UserRailInput UserRailInputOf(const app::Workspace& ws);

// The fields' texts as the window holds them.
struct UserRailTexts {
    std::string Length, Radius, Angle;
    bool CurvePoint = false;
    bool LeftFacing = false;
};

// The value a field keeps when it loses focus: the typed number when the numeric check
// accepts it (a number above 0), else 100.
float UserRailFieldValue(app::Workspace& ws, std::string_view text);

// What create takes from the fields: each field the kind carries checked as on leaving
// it (a refused one is 100); the fields a kind does not carry are not looked at.
UserRailInput UserRailInputFrom(app::Workspace& ws, const UserRailTexts& texts);

// Create: the user-rail entry of the tool box's kind (PlaceKind 0, 1, 2) takes the
// dimensions, and the tool box shows that kind's list with the user rail chosen. Other kinds store
// nothing (false). The values last until the catalogue is read again.
bool CreateUserRail(app::Workspace& ws, const UserRailInput& input);

} // namespace ferrovane::catalogue
