#pragma once

#include <string>
#include <vector>

namespace ferrovane::model {
struct Layout;
}

namespace ferrovane::output {

// Spreadsheet programs take a file that starts with this for UTF-8 and show the
// Japanese names; without it many read the bytes in the local code page.
inline constexpr const char* Utf8Bom = "\xEF\xBB\xBF";

// The parts list as rows of a table: a heading row "区分", "名称", "数量", then one row
// per name of each section (section title without the colon, name, count), then the
// flexible rails and the text labels under "その他", always listed as the report
// does. No total row: a sum over the column would count it twice.
std::vector<std::vector<std::string>> PartsListRows(const model::Layout& layout);

// The rows as CSV: the byte-order mark, fields separated by commas, a field with a
// comma, a quote or a line break quoted (quotes doubled), CR LF after every row.
std::string PartsListCsv(const model::Layout& layout);

// One field as CSV writes it.
std::string CsvField(const std::string& text);

} // namespace ferrovane::output
