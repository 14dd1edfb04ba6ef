#include "core/values/platform/InternalError.h"

#include "core/values/platform/UiHost.h"

namespace ferrovane::app {

std::string InternalErrorText(const std::string& place) {
    return "内部エラーが発生しました。場所:" + place + "\r" +
           "作者に連絡してください。連絡先 : " + SupportContact;
}

void ShowInternalError(platform::UiHost& host, const std::string& place) {
    host.ShowMessage(
        {InternalErrorText(place), "Ferrovane内部エラー", platform::MessageIcon::Exclamation});
}

} // namespace ferrovane::app
