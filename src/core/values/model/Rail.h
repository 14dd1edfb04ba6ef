#pragma once

#include <cstdint>
#include <string>

namespace ferrovane::model {

// Rail kinds as stored in Rail::Kind.
enum RailKind : std::uint8_t {
    KindStraight = 0,
    KindCurve = 1,
    KindPoint = 2,
    KindFlexible = 3,
    KindBoxHeadStraight = 50,
    KindBoxHeadCurve = 51,
    KindBoxMemberStraight = 60,
    KindBoxMemberCurve = 61,
    KindText = 100,
};

// One placed piece, flexible-rail segment or text label. Fields keep the widths of
// the file so that every value read is written back identically; the order is the
// order of the layout file record (whose item 5 repeats No).
struct Rail {
    bool Valid = false;
    std::int16_t No = 0;
    std::string Name;
    std::uint8_t Kind = KindStraight;
    float Length = 0;
    float Radius = 0;
    float Angle = 0;
    float BaseAngle = 0;
    float X0 = 0, Y0 = 0;
    float X1 = 0, Y1 = 0;
    float X2 = 0, Y2 = 0;
    float C1X = 0, C1Y = 0, C2X = 0, C2Y = 0, C3X = 0, C3Y = 0, C4X = 0, C4Y = 0;
    float C5X = 0, C5Y = 0, C6X = 0, C6Y = 0;
    float CenterX = 0, CenterY = 0;
    float MidX = 0, MidY = 0;
    std::uint8_t Dir = 0;
    std::int16_t Reserved1 = 0;
    float Angle0 = 0, Angle1 = 0, Angle2 = 0;
    float ArcStart = 0;
    float ArcSweep = 0;
    float MidCellX = 0, MidCellY = 0;
    float Cell0X = 0, Cell0Y = 0;
    float Cell1X = 0, Cell1Y = 0;
    float Cell2X = 0, Cell2Y = 0;
    bool Free0 = false, Free1 = false, Free2 = false;
    std::uint8_t LinkEnd0 = 0;
    std::int16_t Link0 = 0;
    std::uint8_t LinkEnd1 = 0;
    std::int16_t Link1 = 0;
    std::uint8_t LinkEnd2 = 0;
    std::int16_t Link2 = 0;
    bool Upper = false;
    std::int16_t Reserved2 = 0, Reserved3 = 0, Reserved4 = 0;
    std::int32_t Color = 0;
    std::int16_t BoxSeq = 0;

    bool operator==(const Rail&) const = default;

    // Per-end access, e = 0, 1, 2: the fields with suffix e.
    bool& Free(int e) { return e == 0 ? Free0 : e == 1 ? Free1 : Free2; }
    bool Free(int e) const { return e == 0 ? Free0 : e == 1 ? Free1 : Free2; }
    std::int16_t& Link(int e) { return e == 0 ? Link0 : e == 1 ? Link1 : Link2; }
    std::int16_t Link(int e) const { return e == 0 ? Link0 : e == 1 ? Link1 : Link2; }
    std::uint8_t& LinkEnd(int e) { return e == 0 ? LinkEnd0 : e == 1 ? LinkEnd1 : LinkEnd2; }
    std::uint8_t LinkEnd(int e) const { return e == 0 ? LinkEnd0 : e == 1 ? LinkEnd1 : LinkEnd2; }
    float& X(int e) { return e == 0 ? X0 : e == 1 ? X1 : X2; }
    float X(int e) const { return e == 0 ? X0 : e == 1 ? X1 : X2; }
    float& Y(int e) { return e == 0 ? Y0 : e == 1 ? Y1 : Y2; }
    float Y(int e) const { return e == 0 ? Y0 : e == 1 ? Y1 : Y2; }
    float& EndAngle(int e) { return e == 0 ? Angle0 : e == 1 ? Angle1 : Angle2; }
    float EndAngle(int e) const { return e == 0 ? Angle0 : e == 1 ? Angle1 : Angle2; }
};

// Int(value / 100), rounding toward minus infinity: the index cell of a coordinate.
float CellOf(float value);

// Recomputes MidCell*, Cell0*..Cell2* from the positions.
void UpdateCells(Rail& rail);

} // namespace ferrovane::model
