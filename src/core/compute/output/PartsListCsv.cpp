#include "core/compute/output/PartsListCsv.h"

#include "core/compute/output/PartsList.h"
#include "core/values/text/Messages.h"

namespace ferrovane::output {

std::vector<std::vector<std::string>> PartsListRows(const model::Layout& layout) {
    const PartsCount parts = CountParts(layout);
    std::vector<std::vector<std::string>> rows{{text::Msg(text::MessageId::PartsCsvSection),
                                                text::Msg(text::MessageId::PartsCsvName),
                                                text::Msg(text::MessageId::PartsCsvCount)}};
    for (const auto& s : parts.Sections)
        for (const auto& e : s.Entries)
            rows.push_back({s.Title, e.Name, std::to_string(e.Count)});
    rows.push_back({OtherPartsTitle(), FlexibleRailLabel(), std::to_string(parts.Flexibles)});
    rows.push_back({OtherPartsTitle(), LabelPartsLabel(), std::to_string(parts.Labels)});
    return rows;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string PartsListCsv(const model::Layout& layout) {
    std::string csv = Utf8Bom;
    for (const auto& row : PartsListRows(layout)) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) csv += ',';
            csv += CsvField(row[i]);
        }
        csv += "\r\n";
    }
    return csv;
}

} // namespace ferrovane::output
