#pragma once

#include <string>

#include "core/values/platform/ProgramContact.h"

namespace ferrovane::platform {
class UiHost;
}

namespace ferrovane::app {

// Where users report a fault.
inline constexpr const char* SupportContact = MailAddress;

// The text of the internal-error message for a place in the program.
std::string InternalErrorText(const std::string& place);

// Reports a state that must not occur, naming the place it was found in.
void ShowInternalError(platform::UiHost& host, const std::string& place);

} // namespace ferrovane::app
