#pragma once

#include "core/values/text/Messages.h"
#include <array>
#include <string>
#include <vector>

namespace ferrovane::model {
struct Layout;
}

namespace ferrovane::output {

// The section of the other pieces and the names of its two lines.
inline const char* OtherPartsTitle() {
    return text::Msg(text::MessageId::OtherPartsTitle);
}
inline const char* FlexibleRailLabel() {
    return text::Msg(text::MessageId::FlexibleRailLabel);
}
inline const char* LabelPartsLabel() {
    return text::Msg(text::MessageId::LabelPartsLabel);
}

struct PartsEntry {
    std::string Name; // without trailing blanks
    int Count = 0;
};

// One section of the list: its title (without the colon) and its names in order of
// first appearance.
struct PartsSection {
    std::string Title;
    std::vector<PartsEntry> Entries;
};

// What the layout needs: straights, curves, points and rail boxes by name (a group
// counts once, by its head), and how many flexible rails and text labels it has.
struct PartsCount {
    std::array<PartsSection, 4> Sections;
    int Flexibles = 0;
    int Labels = 0;
    // The pieces: every named entry and the flexible rails; labels are no track.
    int Total() const;
};

// Counts the live rails of a layout.
PartsCount CountParts(const model::Layout& layout);

// The parts list of a layout: how many pieces of each name it needs, in sections by
// kind. Each element is one line of the report, without a line end.
//
// A name line is two blanks, the name padded with blanks to the width of the longest
// name of the report plus two, the count right-aligned in four columns, two blanks and
// the counter word. Widths are counted in columns of a fixed-pitch font: a full-width
// character takes two.
std::vector<std::string> BuildPartsList(const model::Layout& layout);

// The report as one text, each line ended by the given line end.
std::string JoinPartsList(const std::vector<std::string>& lines, const std::string& lineEnd);

// Columns a text takes in a fixed-pitch font (half-width one, full-width two).
std::size_t DisplayWidth(const std::string& utf8);

} // namespace ferrovane::output
