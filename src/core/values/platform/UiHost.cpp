#include "core/values/platform/UiHost.h"

namespace ferrovane::platform {

Answer ShowModal(UiHost& host, const Message& message) {
    host.HideToolBox();
    const Answer answer = host.ShowMessage(message);
    host.ShowToolBox();
    return answer;
}

} // namespace ferrovane::platform
