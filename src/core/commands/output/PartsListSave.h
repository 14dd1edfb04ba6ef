#pragma once

#include <string>

#include "core/values/platform/UiHost.h"
#include "core/values/text/Messages.h"

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::output {

inline const char* PartsTextFilter() {
    return text::Msg(text::MessageId::PartsTextFilter);
}
inline const char* PartsCsvFilter() {
    return text::Msg(text::MessageId::PartsCsvFilter);
}
inline const char* PartsTextTitle() {
    return text::Msg(text::MessageId::PartsTextTitle);
}
inline const char* PartsCsvTitle() {
    return text::Msg(text::MessageId::PartsCsvTitle);
}
inline const char* PartsSaveFailedText() {
    return text::Msg(text::MessageId::PartsSaveFailedText);
}

// The save dialog's question: the layout's folder and its name with the extension
// (".txt" or ".csv"); a layout never saved offers "総レール数" in the current folder.
platform::FileRequest PartsFileRequest(const app::Workspace& ws, const char* title,
                                       const char* filter, const std::string& extension);

// The parts list of the open layout saved as text: asks for a file name (nothing
// happens without one), writes the report in UTF-8 with CR LF line ends, replacing the
// file in one step, and tells the user when it could not. Returns whether it wrote.
bool SavePartsListText(app::Workspace& ws);

// The same as a table for spreadsheets (PartsListCsv).
bool SavePartsListCsv(app::Workspace& ws);

} // namespace ferrovane::output
