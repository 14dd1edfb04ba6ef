#pragma once

#include <gtest/gtest.h>

#include "core/commands/placement/Detection.h"
#include "core/commands/placement/Placement.h"
#include "core/commands/workspace/Workspace.h"
#include "support/FakeUiHost.h"

namespace ferrovane::testing {

// Catalogue entries the geometry tests place (indices into the type arrays).
enum : std::int16_t { Straight248 = 0, Straight100 = 1 };
enum : std::int16_t { Curve541x30 = 0, Curve300x45 = 1 };
enum : std::int16_t { Point186 = 0, CurvedPoint60 = 1 };

inline catalogue::RType Piece(const char* name, float length, float radius, float angle,
                              std::int32_t color) {
    catalogue::RType t;
    t.Name = name;
    t.Length = length;
    t.Radius = radius;
    t.Angle = angle;
    t.Color = color;
    return t;
}

// A workspace with a small catalogue, an empty layout and a recording host.
class GeometryFixture : public ::testing::Test {
protected:
    FakeUiHost host;
    app::Workspace ws{host};

    GeometryFixture() {
        auto& c = ws.Catalogue;
        c.StraightTypes = {Piece("S248", 248, 0, 0, 111), Piece("S100", 100, 0, 0, 112)};
        c.CurveTypes = {Piece("C541-30", 0, 541, 30, 221), Piece("C300-45", 0, 300, 45, 222)};
        c.PointTypes = {Piece("P186", 186, 481, 15, 331), Piece("CP60", -60, 481, 15, 332)};
        c.StraightTypeMax = c.CurveTypeMax = c.PointTypeMax = 1;
    }

    void Tool(std::int16_t kind, std::int16_t sel) {
        ws.Editor.PlaceKind = static_cast<model::PieceKind>(kind);
        if (kind == 0) ws.Editor.SelStraight = sel;
        if (kind == 1) ws.Editor.SelCurve = sel;
        if (kind == 2) ws.Editor.SelPoint = sel;
    }

    // What the typed-angle window's commit does at (x, y).
    int PlaceFree(std::int16_t kind, std::int16_t sel, float x, float y, float angle, int dir = 0) {
        Tool(kind, sel);
        ws.Editor.MouseX = x;
        ws.Editor.MouseY = y;
        return geometry::PlaceRail(ws, angle, dir, geometry::PlaceCommit, false);
    }

    // What a left click on end `end` of rail `rail` commits.
    int PlaceAt(std::int16_t kind, std::int16_t sel, int rail, int end, int dir = 0) {
        Tool(kind, sel);
        EXPECT_TRUE(geometry::SnapToEnd(ws, rail, end));
        float angle = 0;
        return geometry::PlaceRail(ws, angle, dir, geometry::PlaceCommit, true);
    }

    const model::Rail& R(int n) const { return ws.Layout.Rails[n]; }
};

} // namespace ferrovane::testing
