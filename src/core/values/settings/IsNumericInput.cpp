#include "core/values/settings/IsNumericInput.h"

#include "core/values/platform/UiHost.h"
#include "core/values/settings/SettingConversions.h"

namespace ferrovane::app {

bool IsNumericInput(platform::UiHost& host, std::string_view text, bool anyNumber) {
    const auto value = ParseNumber(text);
    if (!value) {
        host.ShowMessage({"数値を代入して下さい!", "Ferrovane"});
        return false;
    }
    if (anyNumber || *value > 0) return true;
    host.ShowMessage({"0より上の数値を代入して下さい!!", "Ferrovane"});
    return false;
}

} // namespace ferrovane::app
