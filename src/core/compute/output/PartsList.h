#pragma once

#include <string>
#include <vector>

namespace ferrovane::model {
struct Layout;
}

namespace ferrovane::output {

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
