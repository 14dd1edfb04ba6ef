#pragma once

#include <string>

#include "core/values/platform/UiHost.h"

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::output {

inline constexpr const char* PartsTextFilter =
    "テキストファイル(*.txt)|*.txt|全てのファイル(*.*)|*.*";
inline constexpr const char* PartsCsvFilter = "CSVファイル(*.csv)|*.csv|全てのファイル(*.*)|*.*";
inline constexpr const char* PartsTextTitle = "総レール数をテキストで保存";
inline constexpr const char* PartsCsvTitle = "総レール数をCSVで保存";
inline constexpr const char* PartsSaveFailedText = "総レール数のファイルを保存できませんでした。";

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
