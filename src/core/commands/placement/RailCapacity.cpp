#include "core/commands/placement/RailCapacity.h"

#include "core/commands/workspace/Workspace.h"
#include "core/values/platform/UiHost.h"
#include "core/values/text/Messages.h"

namespace ferrovane::geometry {

bool RoomForRails(app::Workspace& ws, int needed) {
    if (ws.Layout.RailCount <= model::MaxRailCount - needed) return true;
    platform::Message message;
    message.Text = text::Msg(text::MessageId::RailLimitReached);
    message.Title = text::Msg(text::MessageId::WarningTitle);
    message.Icon = platform::MessageIcon::Exclamation;
    platform::ShowModal(*ws.Host, message);
    return false;
}

} // namespace ferrovane::geometry
