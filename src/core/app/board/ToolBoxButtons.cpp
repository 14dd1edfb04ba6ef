#include "core/app/board/ToolBoxButtons.h"

#include "core/commands/edit/StatusText.h"
#include "core/commands/workspace/Workspace.h"

namespace ferrovane::editor {

namespace {

ButtonFace RaiseUnlessSunken(ButtonFace face) {
    return face == ButtonFace::Sunken ? face : ButtonFace::Raised;
}

} // namespace

std::string ButtonStatusText(int id) {
    switch (id) {
    case 0:
        return "直線レールを作成します";
    case 1:
        return "曲線レールを作成します";
    case 2:
        return "ポイントレールを作成します";
    case 3:
        return "フレキシブルレールを作成します";
    case 4:
        return "オブジェクトを作成します";
    case 5:
        return "レール箱から作成します";
    case ButtonAbout:
        return "レール情報を表示/非表示します";
    case ButtonUpper:
        return "高架レールの設定/解除をします";
    case ButtonSize:
        return "ツールボックスを大型化/小型化します";
    case ButtonExecute0:
    case ButtonExecute1:
        return "フレキシブルレール/オブジェクトを作成します";
    case ButtonZoom:
        return "倍率を変更します";
    case ButtonArrow:
        return "レールを範囲選択します";
    case ButtonRuler:
        return "2点間の距離を測ります";
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
