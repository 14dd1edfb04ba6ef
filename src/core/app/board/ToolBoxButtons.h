#pragma once

#include "core/values/text/Messages.h"
#include <cstdint>
#include <string>

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::editor {

// The status text of a button id; empty for ids without a button (the status line then
// shows the pointer position).
std::string ButtonStatusText(int buttonId);

// Hover texts of the tool box's labels and list.
inline const char* HoverDegree() {
    return text::Msg(text::MessageId::HoverDegree);
}
inline const char* HoverDegree2() {
    return text::Msg(text::MessageId::HoverDegree2);
}
inline const char* HoverLength2() {
    return text::Msg(text::MessageId::HoverLength2);
}
inline const char* HoverRadian2() {
    return text::Msg(text::MessageId::HoverRadian2);
}
inline const char* HoverSetDegree() {
    return text::Msg(text::MessageId::HoverSetDegree);
}
inline const char* HoverRailList() {
    return text::Msg(text::MessageId::HoverRailList);
}
inline const char* HoverRailAbout() {
    return text::Msg(text::MessageId::HoverRailAbout);
}

enum class ButtonFace { Flat, Raised, Sunken };

// How every button of the tool box is drawn.
struct ButtonLook {
    int ObjectIcon = 0; // the kind whose icon picObject shows
    ButtonFace Object = ButtonFace::Flat;
    ButtonFace About = ButtonFace::Flat;
    ButtonFace Upper = ButtonFace::Flat;
    ButtonFace Size = ButtonFace::Flat;
    int ExecuteImage = 0;
    ButtonFace Execute = ButtonFace::Flat;
    ButtonFace Zoom = ButtonFace::Flat;
    ButtonFace Arrow = ButtonFace::Flat;
    ButtonFace Ruler = ButtonFace::Flat;
    bool operator==(const ButtonLook&) const = default;
};

// The buttons as the editor's state and the button under the pointer make them.
ButtonLook ComputeButtonLook(const app::Workspace& ws);

// Refreshes the buttons for the current ButtonId: false when they were last drawn for
// the same id (nothing to draw). Otherwise fills look, shows the button's status text
// and remembers the id.
bool RefreshToolButtons(app::Workspace& ws, ButtonLook& look);

// The buttons' clicks. Each sets ButtonId to the button's id plus 100; the window then
// runs RefreshToolButtons (and, where the list changes, FillRailList).
void ToggleRangeSelectTool(app::Workspace& ws);
void ToggleRulerTool(app::Workspace& ws);
void ToggleUpperMode(app::Workspace& ws);
void ToggleRailAboutDisplay(app::Workspace& ws);
// Toggles the large-tool-box setting; the window resizes itself.
void ToggleLargeToolBox(app::Workspace& ws);
void ChooseKindButton(app::Workspace& ws, int kind);

} // namespace ferrovane::editor
