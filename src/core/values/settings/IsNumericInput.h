#pragma once

#include <string_view>

namespace ferrovane::platform {
class UiHost;
}

namespace ferrovane::app {

// Checks a numeric field: a number, and above 0 unless anyNumber. Tells the user what
// is wrong and returns false; the caller keeps its dialog open.
bool IsNumericInput(platform::UiHost& host, std::string_view text, bool anyNumber);

} // namespace ferrovane::app
