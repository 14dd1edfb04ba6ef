#include "core/compute/document/AutosaveRecord.h"

#include <charconv>
#include <sstream>

namespace ferrovane::document {

namespace {

// A line break inside a path would end its line early: such a path is kept out.
std::string OneLine(const std::string& s) {
    return s.find_first_of("\r\n") == std::string::npos ? s : std::string();
}

} // namespace

std::string WriteAutosaveRecord(const AutosaveRecord& record) {
    return std::string(AutosaveRecordTag) + "\n" + "Layout=" + OneLine(record.LayoutFileName) +
           "\n" + "Catalogue=" + OneLine(record.CatalogueFileName) + "\n" +
           "SavedAt=" + std::to_string(record.SavedAt) + "\n";
}

std::optional<AutosaveRecord> ParseAutosaveRecord(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != AutosaveRecordTag) return std::nullopt;
    AutosaveRecord record;
    bool layout = false, catalogue = false, time = false;
    while (std::getline(in, line)) {
        const auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
        if (key == "Layout") {
            record.LayoutFileName = value;
            layout = true;
        } else if (key == "Catalogue") {
            record.CatalogueFileName = value;
            catalogue = true;
        } else if (key == "SavedAt") {
            const char* end = value.data() + value.size();
            const auto [p, ec] = std::from_chars(value.data(), end, record.SavedAt);
            time = ec == std::errc() && p == end && !value.empty();
        }
    }
    if (!layout || !catalogue || !time) return std::nullopt;
    return record;
}

} // namespace ferrovane::document
