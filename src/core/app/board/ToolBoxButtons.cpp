#include "core/app/board/ToolBoxButtons.h"

#include "core/commands/edit/StatusText.h"
#include "core/commands/workspace/Workspace.h"
#include "core/values/text/Messages.h"

namespace ferrovane::editor {

namespace {

ButtonFace RaiseUnlessSunken(ButtonFace face) {
    return face == ButtonFace::Sunken ? face : ButtonFace::Raised;
}

} // namespace

std::string ButtonStatusText(int id) {
    switch (id) {
    case 0:
        return text::Msg(text::MessageId::ButtonStraight);
    case 1:
        return text::Msg(text::MessageId::ButtonCurve);
    case 2:
        return text::Msg(text::MessageId::ButtonPoint);
    case 3:
        return text::Msg(text::MessageId::ButtonFlexible);
    case 4:
        return text::Msg(text::MessageId::ButtonObject);
    case 5:
        return text::Msg(text::MessageId::ButtonRailBox);
    case ButtonAbout:
        return text::Msg(text::MessageId::ButtonAbout);
    case ButtonUpper:
        return text::Msg(text::MessageId::ButtonUpper);
    case ButtonSize:
        return text::Msg(text::MessageId::ButtonSize);
    case ButtonExecute0:
    case ButtonExecute1:
        return text::Msg(text::MessageId::ButtonExecute);
    case ButtonZoom:
        return text::Msg(text::MessageId::ButtonZoom);
    case ButtonArrow:
        return text::Msg(text::MessageId::ButtonArrow);
    case ButtonRuler:
        return text::Msg(text::MessageId::ButtonRuler);
    default:
        return "";
    }
}

ButtonLook ComputeButtonLook(const app::Workspace& ws) {
    const ToolBoxState& tb = ws.ToolBox;
    ButtonLook look;
    look.ObjectIcon = model::KindIndex(tb.ObjectIndex);
    look.Object = ButtonFace::Sunken;
    if (tb.IsRailAboutOn) look.About = ButtonFace::Sunken;
    if (ws.Editor.IsUpperMode) look.Upper = ButtonFace::Sunken;
    if (ws.Editor.AStatus == EditorMode::RangeArmed) look.Arrow = ButtonFace::Sunken;
    if (ws.Editor.AStatus == EditorMode::RulerArmed) look.Ruler = ButtonFace::Sunken;
    switch (tb.ButtonId) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
        look.ObjectIcon = tb.ButtonId;
        look.Object = ButtonFace::Raised;
        break;
    case ButtonAbout:
        look.About = RaiseUnlessSunken(look.About);
        break;
    case ButtonUpper:
        look.Upper = RaiseUnlessSunken(look.Upper);
        break;
    case ButtonSize:
        look.Size = ButtonFace::Raised;
        break;
    case ButtonZoom:
        look.Zoom = ButtonFace::Raised;
        break;
    case ButtonArrow:
        look.Arrow = RaiseUnlessSunken(look.Arrow);
        break;
    case ButtonRuler:
        look.Ruler = RaiseUnlessSunken(look.Ruler);
        break;
    case ButtonExecute0:
    case ButtonExecute1:
        look.ExecuteImage = tb.ButtonId - ButtonExecute0;
        look.Execute = ButtonFace::Raised;
        break;
    default:
        break;
    }
    return look;
}

bool RefreshToolButtons(app::Workspace& ws, ButtonLook& look) {
    if (ws.ToolBox.ButtonId == ws.ToolBox.ShownButtonId) return false;
    look = ComputeButtonLook(ws);
    SetStatusText(ws, ButtonStatusText(ws.ToolBox.ButtonId));
    ws.ToolBox.ShownButtonId = ws.ToolBox.ButtonId;
    return true;
}

void ToggleRangeSelectTool(app::Workspace& ws) {
    ws.Changed.Mark(app::Change::Tool);
    ws.Editor.AStatus =
        ws.Editor.AStatus == EditorMode::RangeArmed ? EditorMode::Place : EditorMode::RangeArmed;
    ws.ToolBox.ButtonId = ButtonArrow + ButtonClicked;
}

void ToggleRulerTool(app::Workspace& ws) {
    ws.Changed.Mark(app::Change::Tool);
    ws.Editor.AStatus =
        ws.Editor.AStatus == EditorMode::Place ? EditorMode::RulerArmed : EditorMode::Place;
    ws.ToolBox.ButtonId = ButtonRuler + ButtonClicked;
}

void ToggleUpperMode(app::Workspace& ws) {
    ws.Changed.Mark(app::Change::Tool);
    ws.Editor.IsUpperMode = !ws.Editor.IsUpperMode;
    ws.ToolBox.ButtonId = ButtonUpper + ButtonClicked;
}

void ToggleRailAboutDisplay(app::Workspace& ws) {
    ws.Changed.Mark(app::Change::Tool);
    ws.ToolBox.IsRailAboutOn = !ws.ToolBox.IsRailAboutOn;
    ws.ToolBox.ButtonId = ButtonAbout + ButtonClicked;
}

void ToggleLargeToolBox(app::Workspace& ws) {
    ws.Changed.Mark(app::Change::Tool);
    ws.Settings.LargeToolBox = !ws.Settings.LargeToolBox;
    ws.ToolBox.ButtonId = ButtonSize + ButtonClicked;
}

void ChooseKindButton(app::Workspace& ws, int kind) {
    ws.Changed.Mark(app::Change::Tool);
    if (kind < ButtonKindFirst || kind > ButtonKindLast) return;
    ws.ToolBox.ObjectIndex = static_cast<PieceKind>(kind);
    ws.ToolBox.ButtonId = static_cast<std::int16_t>(kind + ButtonClicked);
}

} // namespace ferrovane::editor
