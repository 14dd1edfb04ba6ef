#include "core/values/platform/InternalError.h"

#include "core/values/platform/UiHost.h"
#include "core/values/text/Messages.h"

namespace ferrovane::app {

std::string InternalErrorText(const std::string& place) {
    return text::Msg(text::MessageId::InternalErrorText, {place, SupportContact});
}

void ShowInternalError(platform::UiHost& host, const std::string& place) {
    host.ShowMessage({InternalErrorText(place), text::Msg(text::MessageId::InternalErrorTitle),
                      platform::MessageIcon::Exclamation});
}

} // namespace ferrovane::app
