#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/commands/workspace/Workspace.h"
#include "core/compute/catalogue/Catalogue.h"
#include "support/FakeUiHost.h"

namespace ferrovane::testing {

// Entries of SmallCatalogue (indices into the type arrays).
enum : std::int16_t { Straight248 = 0, Straight124 = 1, Straight100 = 2 };
enum : std::int16_t { Curve541x30 = 0, Curve280x45 = 1 };
enum : std::int16_t { Point186 = 0, CurvedPoint60 = 1 };

// An entry of kind 0 (straight), 1 (curve) or 2 (point); colour 0x00AA00 + 16 * kind + index.
catalogue::RType Piece(std::int16_t kind, int index, const char* name, float length, float radius,
                       float angle);

// Straights 248, 124, 100; curves R541 30 degrees, R280 45 degrees; a point 186 (R481,
// 15 degrees) and a curved point 60; no rail boxes.
catalogue::Catalogue SmallCatalogue();

// A box member: straight (kind 0, size = length) or curve (kind 1, size = radius).
catalogue::RailBoxRail Member(std::int16_t kind, float size, float angle, bool flip, bool free0,
                              bool free1, float x, float y, float rel, bool ungrouped = false);

// A workspace over a recording host with SmallCatalogue and an empty layout.
struct CatalogueWorkspace {
    FakeUiHost Host;
    app::Workspace Ws{Host};

    CatalogueWorkspace();

    model::Layout& Layout() { return Ws.Layout; }
    model::Rail& Rail(int n) { return Ws.Layout.Rails[static_cast<std::size_t>(n)]; }

    // Chooses entry `sel` of kind `kind` as the piece to place.
    void Tool(int kind, int sel);
    // The typed-angle window's commit at (x, y).
    int PlaceFree(int kind, int sel, float x, float y, float angle, int dir = 0);
    // Detection at end `end` of rail `rail`, as the pointer resting there does.
    void SnapTo(int rail, int end);
    // A left click on end `end` of rail `rail`: detection, then the commit.
    int PlaceAt(int kind, int sel, int rail, int end, int dir = 0);
    // Appends a box to the catalogue; returns the index of its header record.
    int AddBox(const std::string& name, std::vector<catalogue::RailBoxRail> members);
};

} // namespace ferrovane::testing
