#include "core/values/settings/IsNumericInput.h"

#include "core/values/platform/UiHost.h"
#include "core/values/settings/SettingConversions.h"
#include "core/values/text/Messages.h"

namespace ferrovane::app {

bool IsNumericInput(platform::UiHost& host, std::string_view text, bool anyNumber) {
    const auto value = ParseNumber(text);
    if (!value) {
        host.ShowMessage({text::Msg(text::MessageId::EnterNumberAlert), "Ferrovane"});
        return false;
    }
    if (anyNumber || *value > 0) return true;
    host.ShowMessage({text::Msg(text::MessageId::AboveZeroAlert), "Ferrovane"});
    return false;
}

} // namespace ferrovane::app
