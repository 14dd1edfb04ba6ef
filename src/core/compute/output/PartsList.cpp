#include "core/compute/output/PartsList.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <unordered_map>

#include "core/values/format/Blanks.h"
#include "core/values/model/Layout.h"

namespace ferrovane::output {

namespace {

constexpr const char* CounterWord = "本";
constexpr const char* FlexibleLabel = "フレキシブルレール";

// Distinct names of one section in order of first appearance, each with its count.
struct Section {
    const char* Header;
    std::vector<std::pair<std::string, int>> Entries;
    std::unordered_map<std::string, std::size_t> Position;

    void Count(const std::string& name) {
        const auto [it, added] = Position.try_emplace(name, Entries.size());
        if (added)
            Entries.emplace_back(name, 1);
        else
            ++Entries[it->second].second;
    }
};

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
    line += CounterWord;
    return line;
}

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

std::vector<std::string> BuildPartsList(const model::Layout& layout) {
    std::array<Section, 4> sections{{{"ストレートレール:", {}, {}},
                                     {"カーブレール:", {}, {}},
                                     {"ポイントレール:", {}, {}},
                                     {"レール箱レール:", {}, {}}}};
    int flexible = 0;
    int labels = 0;
    const int last = std::min<int>(layout.RailCount, static_cast<int>(layout.Rails.size()) - 1);
    for (int n = 1; n <= last; ++n) {
        const model::Rail& r = layout.Rails[n];
        if (!r.Valid) continue;
        switch (r.Kind) {
        case model::KindStraight:
            sections[0].Count(r.Name);
            break;
        case model::KindCurve:
            sections[1].Count(r.Name);
            break;
        case model::KindPoint:
            sections[2].Count(r.Name);
            break;
        // A rail-box group counts once, by its head; its members are not pieces.
        case model::KindBoxHeadStraight:
        case model::KindBoxHeadCurve:
            sections[3].Count(r.Name);
            break;
        case model::KindFlexible:
            ++flexible;
            break;
        case model::KindText:
            ++labels;
            break;
        default:
            break;
        }
    }

    // Names are shown without trailing blanks; the column is common to the whole report
    // so that every count lines up.
    std::size_t column = DisplayWidth(FlexibleLabel);
    for (auto& s : sections)
        for (auto& e : s.Entries) {
            e.first = TrimTrailingBlanks(e.first);
            column = std::max(column, DisplayWidth(e.first));
        }
    column += 2;

    std::vector<std::string> lines;
    int total = flexible;
    for (const auto& s : sections) {
        lines.emplace_back(s.Header);
        for (const auto& [name, count] : s.Entries) {
            lines.push_back(NameLine(name, count, column));
            total += count;
        }
        lines.emplace_back();
    }
    lines.emplace_back("その他:");
    lines.push_back(NameLine(FlexibleLabel, flexible, column));
    lines.push_back("  文字 : " + std::to_string(labels));
    lines.emplace_back();
    lines.push_back("総レール数 : " + std::to_string(total) + " " + CounterWord);
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
