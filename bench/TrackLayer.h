#pragma once

// A 30,000-rail layout laid as a track layer would lay it, shared by the benchmarks.
#include <cmath>
#include <cstdint>
#include <random>

#include "core/values/model/Angle.h"
#include "core/values/model/Layout.h"
#include "core/values/model/RailIndex.h"

namespace ferrovane::bench {

inline constexpr int RailTotal = 30000;
inline constexpr float HalfWidth = 5;
inline constexpr double Pi = 3.14159265358979323846;

// Walks like a track layer: each piece starts where the last one ended, joined to it,
// and every few hundred pieces a new line starts somewhere else on the board.
class TrackLayer {
public:
    explicit TrackLayer(model::Layout& layout) : mLayout(layout), mRandom(11) {}

    void Lay(int total) {
        while (mLayout.RailCount < total) {
            const bool offBoard = mX < 200 || mY < 200 || mX > 11800 || mY > 11800;
            if (mLayout.RailCount % 300 == 0 || offBoard) StartLine();
            const int pick = static_cast<int>(mRandom() % 10);
            if (pick < 4)
                Straight();
            else if (pick < 8)
                Curve();
            else
                Point();
        }
        // A few deleted rails, their neighbours freed as a delete leaves them.
        for (int n = 7; n <= mLayout.RailCount; n += 53) {
            model::Rail& r = mLayout.Rails[static_cast<std::size_t>(n)];
            r.Valid = false;
            for (int e = 0; e < 3; ++e)
                if (!r.Free(e))
                    mLayout.Rails[static_cast<std::size_t>(r.Link(e))].Free(r.LinkEnd(e)) = true;
        }
    }

private:
    void StartLine() {
        std::uniform_real_distribution<float> pos(300, 11700);
        mX = pos(mRandom);
        mY = pos(mRandom);
        mHeading = static_cast<float>(mRandom() % 24) * 15.0f + 7.3f;
        mPrevious = 0;
    }

    model::Rail& Begin(const char* name, std::uint8_t kind) {
        model::Rail& r = mLayout.AppendRail();
        r.Valid = true;
        r.No = static_cast<std::int16_t>(mLayout.RailCount);
        r.Name = name;
        r.Kind = kind;
        r.Color = kind == model::KindPoint ? 0x008000 : 0x0000C0;
        r.Free0 = r.Free1 = r.Free2 = true;
        r.X0 = mX;
        r.Y0 = mY;
        r.Angle0 = model::NormalizeAngle(mHeading);
        Corners(r.C1X, r.C1Y, r.C2X, r.C2Y, mX, mY, mHeading);
        return r;
    }

    static void Corners(float& ax, float& ay, float& bx, float& by, float x, float y, float a) {
        const double rad = a * Pi / 180;
        const float nx = static_cast<float>(std::cos(rad)), ny = static_cast<float>(-std::sin(rad));
        ax = x - HalfWidth * nx;
        ay = y - HalfWidth * ny;
        bx = x + HalfWidth * nx;
        by = y + HalfWidth * ny;
    }

    void Finish(model::Rail& r, float x1, float y1, float heading1) {
        r.X1 = x1;
        r.Y1 = y1;
        r.Angle1 = model::NormalizeAngle(heading1 + 180);
        Corners(r.C4X, r.C4Y, r.C3X, r.C3Y, x1, y1, heading1);
        if (r.Kind != model::KindCurve) {
            r.MidX = (r.X0 + x1) / 2;
            r.MidY = (r.Y0 + y1) / 2;
        }
        model::UpdateCells(r);
        if (mPrevious != 0) {
            model::Rail& p = mLayout.Rails[static_cast<std::size_t>(mPrevious)];
            p.Free1 = false;
            p.Link1 = r.No;
            p.LinkEnd1 = 0;
            r.Free0 = false;
            r.Link0 = static_cast<std::int16_t>(mPrevious);
            r.LinkEnd0 = 1;
        }
        mPrevious = r.No;
        mX = x1;
        mY = y1;
        mHeading = heading1;
    }

    void Straight() {
        static const char* const names[] = {"S248", "S186", "S124", "直線 S64"};
        static const float lengths[] = {248, 186, 124, 64};
        const int k = static_cast<int>(mRandom() % 4);
        model::Rail& r = Begin(names[k], model::KindStraight);
        r.Length = lengths[k];
        const double rad = mHeading * Pi / 180;
        Finish(r, mX + static_cast<float>(lengths[k] * std::sin(rad)),
               mY + static_cast<float>(lengths[k] * std::cos(rad)), mHeading);
    }

    // An arc of radius radius turning by sweep degrees (positive: to the right).
    void Arc(float radius, float sweep, float& x1, float& y1, float& cx, float& cy, float& midX,
             float& midY, double& start) const {
        const double a = mHeading * Pi / 180;
        const double side = sweep > 0 ? 1 : -1;
        cx = mX + static_cast<float>(side * radius * std::cos(a));
        cy = mY - static_cast<float>(side * radius * std::sin(a));
        start = std::atan2(mX - cx, mY - cy);
        const double end = start + sweep * Pi / 180;
        const double mid = start + sweep * Pi / 360;
        x1 = cx + static_cast<float>(radius * std::sin(end));
        y1 = cy + static_cast<float>(radius * std::cos(end));
        midX = cx + static_cast<float>(radius * std::sin(mid));
        midY = cy + static_cast<float>(radius * std::cos(mid));
    }

    void Curve() {
        static const char* const names[] = {"R481-15", "R541-15", "R315-45", "曲線 R718-15"};
        static const float radii[] = {481, 541, 315, 718};
        static const float sweeps[] = {15, 15, 45, 15};
        const int k = static_cast<int>(mRandom() % 4);
        const float sweep = (mRandom() % 2 ? 1.0f : -1.0f) * sweeps[k];
        model::Rail& r = Begin(names[k], model::KindCurve);
        r.Radius = radii[k];
        r.Angle = sweeps[k];
        r.Dir = sweep > 0 ? 0 : 255;
        float x1, y1;
        double start;
        Arc(radii[k], sweep, x1, y1, r.CenterX, r.CenterY, r.MidX, r.MidY, start);
        r.ArcStart = static_cast<float>(start);
        r.ArcSweep = static_cast<float>(sweep * Pi / 180);
        Finish(r, x1, y1, mHeading + sweep);
    }

    void Point() {
        static const char* const names[] = {"ポイント#4 左", "ポイント#4 右", "ポイント#6 左",
                                            "ポイント#6 右"};
        const int k = static_cast<int>(mRandom() % 4);
        model::Rail& r = Begin(names[k], model::KindPoint);
        const float length = k < 2 ? 126.0f : 186.0f;
        const float radius = k < 2 ? 481.0f : 718.0f;
        const float sweep = k % 2 ? 15.0f : -15.0f;
        r.Length = length;
        r.Radius = radius;
        r.Angle = 15;
        r.Dir = static_cast<std::uint8_t>(k % 2);
        float x2, y2, mx, my;
        double start;
        Arc(radius, sweep, x2, y2, r.CenterX, r.CenterY, mx, my, start);
        r.X2 = x2;
        r.Y2 = y2;
        r.Angle2 = model::NormalizeAngle(mHeading + sweep + 180);
        Corners(r.C5X, r.C5Y, r.C6X, r.C6Y, x2, y2, mHeading + sweep);
        r.Cell2X = model::CellOf(x2);
        r.Cell2Y = model::CellOf(y2);
        const double rad = mHeading * Pi / 180;
        Finish(r, mX + static_cast<float>(length * std::sin(rad)),
               mY + static_cast<float>(length * std::cos(rad)), mHeading);
        r.Cell2X = model::CellOf(x2);
        r.Cell2Y = model::CellOf(y2);
    }

    model::Layout& mLayout;
    std::mt19937 mRandom;
    float mX = 0, mY = 0, mHeading = 0;
    int mPrevious = 0;
};

} // namespace ferrovane::bench
