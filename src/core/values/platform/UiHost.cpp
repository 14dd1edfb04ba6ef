#include "core/values/platform/UiHost.h"

namespace ferrovane::platform {

Answer ShowModal(UiHost& host, const Message& message) {
    const bool shown = host.IsToolBoxShown();
    if (shown) host.HideToolBox();
    const Answer answer = host.ShowMessage(message);
    if (shown) host.ShowToolBox();
    return answer;
}

} // namespace ferrovane::platform
