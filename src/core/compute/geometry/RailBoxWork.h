#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/compute/catalogue/RailBoxRail.h"
#include "core/compute/geometry/PlaneVector.h"

namespace ferrovane::catalogue {
struct Catalogue;
}

namespace ferrovane::geometry {

// One element of the working copy of a rail box: the member's data from the catalogue,
// and where its two ends lie in box coordinates.
struct RailBoxWorkRail {
    std::string Name;
    std::int16_t MemberKind = catalogue::MemberStraight; // MemberHeader for the header
    std::int16_t CurveFlip = 0;
    float Size = 0;
    float CurveAngle = 0;
    bool Free0 = false, Free1 = false;
    std::int32_t Color = 0;
    float OffsetX = 0, OffsetY = 0;
    float RelAngle = 0;
    bool Ungrouped = false;
    // End 0 is the offset with the angle of the end the member continues; end 1 is where
    // the piece laid from there ends, with its end-1 angle.
    float End0X = 0, End0Y = 0, End0Angle = 0;
    float End1X = 0, End1Y = 0, End1Angle = 0;
};

// Element 0 is the box itself (its name; BoxHigh is the member count), 1.. the members.
struct RailBoxWork {
    std::vector<RailBoxWorkRail> Rails;
    int BoxHigh() const { return static_cast<int>(Rails.size()) - 1; }
};

// Whether `box` is the header record of a complete box in the catalogue.
bool IsRailBox(const catalogue::Catalogue& catalogue, int box);

// Fills work from the box whose header record is at index `box`. False (work empty)
// when there is no such box.
bool BuildRailBoxWork(const catalogue::Catalogue& catalogue, int box, RailBoxWork& work);

// Moves turn to the next open joint of the box (joint j is end j mod 2 of element
// j / 2), wrapping after the last one. False, and turn 0, when the box has no open joint
// or is not a box.
bool NormalizeBoxTurn(const catalogue::Catalogue& catalogue, int box, std::int16_t& turn);

// Re-anchors the working copy on joint `turn`: that joint moves to the box origin and
// the box is turned so that a piece attached there continues an end of angle 0. An
// end-1 joint is anchored on its reversed angle, so that it meets the end it is put on
// head-on, as end 0 joints do.
void TurnRailBox(RailBoxWork& work, int turn);

// Rotates a point about the origin by `angle` degrees in the sense in which end angles
// grow; the angle is normalised in place.
model::Point RotateOffset(model::Point point, float& angle);

} // namespace ferrovane::geometry
