#pragma once

#include <cstdint>
#include <string>

namespace ferrovane::catalogue {

// The clipboard box that cut and copy write.
inline constexpr const char* ClipRailBoxName = "クリップレール";

// One line of a rail box: the header record of a box (MemberIndex 0) or a member.
struct RailBoxRail {
    std::string Name;
    std::int16_t MemberKind = 0; // 0 straight, 1 curve; 5 on the header record
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
