#include "core/app/IsNumericInput.h"

#include "core/app/SettingConversions.h"
#include "core/platform/UiHost.h"

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
