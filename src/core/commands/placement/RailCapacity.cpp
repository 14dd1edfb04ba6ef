#include "core/commands/placement/RailCapacity.h"

#include "core/commands/workspace/Workspace.h"
#include "core/values/platform/UiHost.h"

namespace ferrovane::geometry {

bool RoomForRails(app::Workspace& ws, int needed) {
    if (ws.Layout.RailCount <= model::MaxRailCount - needed) return true;
    platform::Message message;
    message.Text = "レールの数が上限に達しました。これ以上レールを置けません。";
    message.Title = "警告";
    message.Icon = platform::MessageIcon::Exclamation;
    platform::ShowModal(*ws.Host, message);
    return false;
}

} // namespace ferrovane::geometry
