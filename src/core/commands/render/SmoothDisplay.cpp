#include "core/commands/render/SmoothDisplay.h"

#include "core/commands/workspace/Workspace.h"

namespace ferrovane::render {

void SetSmoothDisplay(app::Workspace& ws, bool on) {
    if (ws.Settings.SmoothDisplay == on) return;
    ws.Settings.SmoothDisplay = on;
    ws.Changed.Mark({app::Change::Settings, app::Change::View});
    ws.Redraw->ReDrawBackScreen();
}

} // namespace ferrovane::render
