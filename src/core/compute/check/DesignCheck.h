#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/compute/check/EndRef.h"

namespace ferrovane::check {

// What a finding is about, in the order findings are listed.
enum class FindingKind : std::uint8_t { OpenEnd, Strained, NearMiss, Overlap, Duplicate };

// Thresholds of the design check.
inline constexpr float StrainedGap = 0.5f;   // joined ends further apart are strained
inline constexpr float StrainedAngle = 0.5f; // degrees from facing
inline constexpr float NearMissGap = 20.0f;  // free ends this close...
inline constexpr float NearMissAngle = 5.0f; // ...and this nearly facing
inline constexpr float DuplicateSlack = 0.01f;

// One finding. A and B are the rails involved (B and the ends only where the kind has
// them; A is the lower rail number of a pair); Gap and Angle are the figures of joints
// and near misses; X, Y a place on the board to show it at.
struct Finding {
    FindingKind Kind = FindingKind::OpenEnd;
    EndRef A;
    EndRef B;
    float Gap = 0;
    float Angle = 0;
    float X = 0, Y = 0;
    // A near miss whose ends fall in each other's detection window: it can be joined.
    bool Joinable = false;
};

struct CheckOptions {
    int RailWidth = 5;
    float DetectRange = 8;
};

// Every finding of the layout, sorted by kind, then by rail and end numbers.
std::vector<Finding> RunDesignCheck(const model::Layout& layout, const CheckOptions& options);

// The count of each kind, in kind order.
std::vector<int> CountFindings(const std::vector<Finding>& findings);

// Numbers as the check prints them: at most two decimals, no trailing zeros.
std::string CheckNumber(float value);

// The line the command-line check prints for a finding, and the summary line.
std::string FindingLine(const Finding& finding);
std::string SummaryLine(const std::vector<Finding>& findings);

} // namespace ferrovane::check
