#pragma once

#include <cstdint>
#include <string>

namespace ferrovane::catalogue {

// The clipboard box that cut and copy write. Its name is stored with the boxes, so it is
// the same in every language.
inline constexpr const char* ClipRailBoxName = "クリップレール";

// MemberKind values as the catalogue file stores them.
inline constexpr std::int16_t MemberStraight = 0;
inline constexpr std::int16_t MemberCurve = 1;
inline constexpr std::int16_t MemberHeader = 5;

// One line of a rail box: the header record of a box (MemberIndex 0) or a member.
struct RailBoxRail {
    std::string Name;
    std::int16_t MemberKind = MemberStraight; // MemberHeader on the header record
    std::int16_t CurveFlip = 0;
    float Size = 0;       // straight: length; curve: radius
    float CurveAngle = 0; // curve: swept angle in degrees
    bool Free0 = false, Free1 = false;
    std::int32_t Color = 0;
    float OffsetX = 0, OffsetY = 0;
    float RelAngle = 0;
    bool Ungrouped = false;
    std::int16_t Reserved = 0;
    // Set by the reader.
    std::int16_t ReaderZero = 0;
    std::int16_t BoxHigh = 0;
    std::int16_t MemberIndex = 0;
    std::int16_t BoxStart = 0;

    bool operator==(const RailBoxRail&) const = default;
};

} // namespace ferrovane::catalogue
