#pragma once

#include "core/values/text/Messages.h"
#include <cstdint>
#include <optional>
#include <string>

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::editor {

inline constexpr float NoAngle = -100; // the middle of the pattern: nothing picked
inline const char* TypedAngleOpenText() {
    return text::Msg(text::MessageId::TypedAngleOpenText);
}
inline const char* TypedAngleCancelText() {
    return text::Msg(text::MessageId::TypedAngleCancelText);
}

// The typed-angle window's own state.
struct TypedAngleState {
    float PickedAngle = NoAngle;
    float LastAngle = NoAngle;  // the angle last previewed
    std::int16_t PickedDir = 0; // CurveFlip, PointOrient or BoxTurn of the piece
};

// The eight-direction pattern: the window split into three by three parts; the middle
// picks nothing (NoAngle), each outer part the angle whose piece runs from the middle
// towards it (below 180, right 270, above 0, left 90, corners in between).
float PatternAngle(float x, float y, float width, float height);

// The status text while an angle is picked: the whole degrees and what a click does.
std::string PickedAngleStatusText(const app::Workspace& ws, float angle);

// Opening at the clicked board position (MouseX, MouseY): the board goes into mode
// TypedAngle (TypedAngleBox for a rail box) unless a flexible-rail end is being chosen.
TypedAngleState OpenTypedAngle(app::Workspace& ws);

// The pointer over the pattern: picks, shows the status text and previews a new angle.
void PickAngleAtPointer(app::Workspace& ws, TypedAngleState& st, float x, float y, float width,
                        float height);

// A key released in the angle field; text is the field's content and may be changed
// (the space that turns the piece is removed).
void ApplyTypedAngleText(app::Workspace& ws, TypedAngleState& st, std::string& text, int keyCode);

// What a click on the window did.
struct TypedAngleClick {
    bool Close = false;
    std::optional<float> FlexAngle; // the angle chosen for a flexible-rail end
};

// Right button turns the piece and previews it again; left button places it (or hands
// the angle to the flexible rail) and closes the window.
TypedAngleClick ClickTypedAngleWindow(app::Workspace& ws, TypedAngleState& st, int button);

// The cancel picture: nothing placed, the preview erased, the window closes.
void CancelTypedAngle(app::Workspace& ws, TypedAngleState& st);

} // namespace ferrovane::editor
