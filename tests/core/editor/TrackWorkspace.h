#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "core/commands/placement/Placement.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/catalogue/Catalogue.h"
#include "core/values/model/RailIndex.h"
#include "support/FakeUiHost.h"
#include "support/LinkInvariant.h"
#include "support/Tolerance.h"

namespace ferrovane::testing {

// A workspace with a small catalogue: straight 0 (248), curve 0 (R 541, 30 degrees),
// point 0 (186, R 481, 15 degrees), and no boxes.
struct TrackWorkspace {
    FakeUiHost Host;
    app::Workspace Ws{Host};

    TrackWorkspace() {
        auto entry = [](const char* name, float length, float radius, float angle,
                        std::int16_t kind) {
            catalogue::RType t;
            t.Name = name;
            t.Length = length;
            t.Radius = radius;
            t.Angle = angle;
            t.Color = 0x00AA00 + kind;
            t.Kind = kind;
            return t;
        };
        auto& c = Ws.Catalogue;
        c.StraightTypes = {entry("S248", 248, 0, 0, 0), entry("S124", 124, 0, 0, 0)};
        c.CurveTypes = {entry("C541-30", 0, 541, 30, 1), entry("C280-45", 0, 280, 45, 1)};
        c.PointTypes = {entry("P186", 186, 481, 15, 2)};
        c.StraightTypeMax = 1;
        c.CurveTypeMax = 1;
        c.PointTypeMax = 0;
    }

    // Appends a box to the catalogue; returns the index of its header record.
    int AddBox(const std::string& name, std::vector<catalogue::RailBoxRail> members) {
        auto& rails = Ws.Catalogue.RailBoxRails;
        if (Ws.Catalogue.RailBoxRailMax + 1 != static_cast<std::int32_t>(rails.size()))
            rails.resize(static_cast<std::size_t>(Ws.Catalogue.RailBoxRailMax) + 1);
        if (rails.size() == 1 && rails[0].Name.empty()) rails.clear();
        const int start = static_cast<int>(rails.size());
        catalogue::RailBoxRail header;
        header.Name = name;
        header.MemberKind = 5;
        members.insert(members.begin(), header);
        for (std::size_t k = 0; k < members.size(); ++k) {
            members[k].BoxHigh = static_cast<std::int16_t>(members.size() - 1);
            members[k].MemberIndex = static_cast<std::int16_t>(k);
            members[k].BoxStart = static_cast<std::int16_t>(start);
            rails.push_back(members[k]);
        }
        Ws.Catalogue.RailBoxRailMax = static_cast<std::int32_t>(rails.size()) - 1;
        return start;
    }

    model::Layout& Layout() { return Ws.Layout; }
    model::Rail& Rail(int n) { return Ws.Layout.Rails[static_cast<std::size_t>(n)]; }

    // The typed-angle window's commit at (x, y).
    int PlaceFree(int kind, float x, float y, float angle, int dir = 0) {
        Ws.Editor.PlaceKind = static_cast<model::PieceKind>(kind);
        Ws.Editor.MouseX = x;
        Ws.Editor.MouseY = y;
        return geometry::PlaceRail(Ws, angle, dir, geometry::PlaceCommit, false);
    }

    // Points the hit-test results at end `end` of rail `rail`, as a click there does.
    void SnapTo(int rail, int end) {
        auto& e = Ws.Editor;
        const model::Rail& r = Rail(rail);
        e.SnapX = r.X(end);
        e.SnapY = r.Y(end);
        e.SnapAngle = r.EndAngle(end);
        e.SnapRail = static_cast<std::int16_t>(rail);
        e.SnapEnd = static_cast<std::uint8_t>(end);
        e.MouseX = r.X(end);
        e.MouseY = r.Y(end);
        e.MouseCellX = model::CellOf(e.MouseX);
        e.MouseCellY = model::CellOf(e.MouseY);
    }

    // Commits a piece at end `end` of rail `rail`.
    int PlaceAt(int kind, int rail, int end, int dir = 0) {
        SnapTo(rail, end);
        Ws.Editor.PlaceKind = static_cast<model::PieceKind>(kind);
        float angle = 0;
        return geometry::PlaceRail(Ws, angle, dir, geometry::PlaceCommit, true);
    }
};

// A box member: straight (kind 0, size = length) or curve (kind 1, size = radius).
inline catalogue::RailBoxRail Member(std::int16_t kind, float size, float angle, bool flip,
                                     bool free0, bool free1, float x, float y, float rel,
                                     bool ungrouped = false) {
    catalogue::RailBoxRail m;
    m.Name = kind == 0 ? "M-S" : "M-C";
    m.MemberKind = kind;
    m.CurveFlip = flip ? -1 : 0;
    m.Size = size;
    m.CurveAngle = angle;
    m.Free0 = free0;
    m.Free1 = free1;
    m.Color = 0x123456;
    m.OffsetX = x;
    m.OffsetY = y;
    m.RelAngle = rel;
    m.Ungrouped = ungrouped;
    return m;
}

// A rail as far as it matters: the link fields of a free end carry no meaning.
inline model::Rail Canonical(model::Rail r) {
    for (int e = 0; e < 3; ++e) {
        if (!r.Free(e)) continue;
        r.Link(e) = 0;
        r.LinkEnd(e) = 0;
    }
    return r;
}

// The index content by absolute cell, independent of where the grid starts.
using IndexContent =
    std::vector<std::tuple<std::int64_t, std::int64_t, std::vector<model::IndexToken>>>;

inline IndexContent ContentOf(const model::RailIndex& index) {
    IndexContent out;
    for (std::int64_t j = 0; j <= index.H; ++j)
        for (std::int64_t i = 0; i <= index.W; ++i) {
            const auto* cell = index.At(i, j);
            if (cell && !cell->empty())
                out.emplace_back(i + index.OriginX, j + index.OriginY, *cell);
        }
    std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) {
        return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
    });
    return out;
}

// What the layout held at one moment.
struct LayoutSnapshot {
    std::int32_t RailCount = 0;
    std::vector<model::Rail> Rails;
    IndexContent Index;
};

inline LayoutSnapshot Snapshot(const model::Layout& layout) {
    LayoutSnapshot s;
    s.RailCount = layout.RailCount;
    for (int n = 1; n <= layout.RailCount; ++n)
        s.Rails.push_back(Canonical(layout.Rails[static_cast<std::size_t>(n)]));
    s.Index = ContentOf(layout.Index);
    return s;
}

// The layout holds exactly what it held at the snapshot; slots added since are dead.
inline void ExpectRestored(const LayoutSnapshot& before, const model::Layout& layout) {
    ASSERT_GE(layout.RailCount, before.RailCount);
    for (int n = 1; n <= before.RailCount; ++n)
        EXPECT_EQ(Canonical(layout.Rails[static_cast<std::size_t>(n)]),
                  before.Rails[static_cast<std::size_t>(n - 1)])
            << "rail " << n;
    for (int n = before.RailCount + 1; n <= layout.RailCount; ++n)
        EXPECT_FALSE(layout.Rails[static_cast<std::size_t>(n)].Valid) << "rail " << n;
    EXPECT_EQ(ContentOf(layout.Index), before.Index);
}

// LinksConsistent for layouts with rail boxes: an end closed inside a box (not free,
// naming no neighbour) joins nothing and is accepted; every other joined end of a live
// rail names a live rail whose end names it back.
inline ::testing::AssertionResult LinksConsistentWithClosedEnds(const model::Layout& layout) {
    for (int n = 1; n <= layout.RailCount; ++n) {
        const model::Rail& r = layout.Rails[static_cast<std::size_t>(n)];
        if (!r.Valid) continue;
        const int ends = r.Kind == model::KindPoint ? 3 : 2;
        for (int e = 0; e < ends; ++e) {
            if (r.Free(e) || r.Link(e) == 0) continue;
            const int m = r.Link(e);
            const int f = r.LinkEnd(e);
            if (!layout.IsLive(m) || f > 2)
                return ::testing::AssertionFailure()
                       << "rail " << n << " end " << e << " names dead rail " << m;
            const model::Rail& o = layout.Rails[static_cast<std::size_t>(m)];
            if (o.Free(f) || o.Link(f) != n || o.LinkEnd(f) != e)
                return ::testing::AssertionFailure() << "rail " << n << " end " << e << " -> " << m
                                                     << ":" << f << " does not point back";
        }
    }
    return ::testing::AssertionSuccess();
}

} // namespace ferrovane::testing
