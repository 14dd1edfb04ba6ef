#include "core/compute/output/PartsList.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <unordered_map>

#include "core/values/format/Blanks.h"
#include "core/values/model/Layout.h"
#include "core/values/text/Messages.h"

namespace ferrovane::output {

namespace {

using document::TrimTrailingBlanks;

std::string RightAligned(int value, std::size_t width) {
    std::string digits = std::to_string(value);
    if (digits.size() < width) digits.insert(0, width - digits.size(), ' ');
    return digits;
}

std::string NameLine(const std::string& name, int count, std::size_t column) {
    std::string line = "  " + name;
    line.append(column - DisplayWidth(name), ' ');
    line += RightAligned(count, 4);
    line += "  ";
    line += text::Msg(text::MessageId::PartsCounterWord);
    return line;
}

// Distinct names in order of first appearance, each with its count.
class SectionCounter {
public:
    explicit SectionCounter(PartsSection& section) : mSection(section) {}
    void Count(const std::string& name) {
        const auto [it, added] = mPosition.try_emplace(name, mSection.Entries.size());
        if (added)
            mSection.Entries.push_back({name, 1});
        else
            ++mSection.Entries[it->second].Count;
    }

private:
    PartsSection& mSection;
    std::unordered_map<std::string, std::size_t> mPosition;
};

} // namespace

std::size_t DisplayWidth(const std::string& utf8) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t len = 1;
        std::uint32_t cp = lead;
        if (lead >= 0xF0 && lead < 0xF8) {
            len = 4;
            cp = lead & 0x07u;
        } else if (lead >= 0xE0) {
            len = 3;
            cp = lead & 0x0Fu;
        } else if (lead >= 0xC0) {
            len = 2;
            cp = lead & 0x1Fu;
        }
        if (len > 1) {
            if (i + len > utf8.size()) len = 1; // a cut sequence counts as one column
            for (std::size_t k = 1; k < len; ++k)
                cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
        }
        // ASCII and half-width katakana take one column, everything else two.
        width += (len == 1 || (cp >= 0xFF61 && cp <= 0xFF9F)) ? 1 : 2;
        i += len;
    }
    return width;
}

PartsCount CountParts(const model::Layout& layout) {
    PartsCount parts{{{{text::Msg(text::MessageId::PartsStraights), {}},
                       {text::Msg(text::MessageId::PartsCurves), {}},
                       {text::Msg(text::MessageId::PartsPoints), {}},
                       {text::Msg(text::MessageId::PartsRailBoxes), {}}}},
                     0,
                     0};
    std::array<SectionCounter, 4> counters{
        SectionCounter(parts.Sections[0]), SectionCounter(parts.Sections[1]),
        SectionCounter(parts.Sections[2]), SectionCounter(parts.Sections[3])};
    const int last = std::min<int>(layout.RailCount, static_cast<int>(layout.Rails.size()) - 1);
    for (int n = 1; n <= last; ++n) {
        const model::Rail& r = layout.Rails[n];
        if (!r.Valid) continue;
        switch (r.Kind) {
        case model::KindStraight:
            counters[0].Count(r.Name);
            break;
        case model::KindCurve:
            counters[1].Count(r.Name);
            break;
        case model::KindPoint:
            counters[2].Count(r.Name);
            break;
        // A rail-box group counts once, by its head; its members are not pieces.
        case model::KindBoxHeadStraight:
        case model::KindBoxHeadCurve:
            counters[3].Count(r.Name);
            break;
        case model::KindFlexible:
            ++parts.Flexibles;
            break;
        case model::KindText:
            ++parts.Labels;
            break;
        default:
            break;
        }
    }
    // Names compare exactly but are shown without trailing blanks.
    for (auto& s : parts.Sections)
        for (auto& e : s.Entries)
            e.Name = TrimTrailingBlanks(e.Name);
    return parts;
}

int PartsCount::Total() const {
    int total = Flexibles;
    for (const auto& s : Sections)
        for (const auto& e : s.Entries)
            total += e.Count;
    return total;
}

std::vector<std::string> BuildPartsList(const model::Layout& layout) {
    const PartsCount parts = CountParts(layout);

    // The column is common to the whole report so that every count lines up.
    std::size_t column = DisplayWidth(FlexibleRailLabel());
    for (const auto& s : parts.Sections)
        for (const auto& e : s.Entries)
            column = std::max(column, DisplayWidth(e.Name));
    column += 2;

    std::vector<std::string> lines;
    for (const auto& s : parts.Sections) {
        lines.push_back(s.Title + ":");
        for (const auto& e : s.Entries)
            lines.push_back(NameLine(e.Name, e.Count, column));
        lines.emplace_back();
    }
    lines.push_back(std::string(OtherPartsTitle()) + ":");
    lines.push_back(NameLine(FlexibleRailLabel(), parts.Flexibles, column));
    lines.push_back(std::string("  ") + LabelPartsLabel() + " : " + std::to_string(parts.Labels));
    lines.emplace_back();
    lines.push_back(text::Msg(text::MessageId::PartsTotal, {std::to_string(parts.Total())}));
    return lines;
}

std::string JoinPartsList(const std::vector<std::string>& lines, const std::string& lineEnd) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += lineEnd;
    }
    return text;
}

} // namespace ferrovane::output
