#include "support/CatalogueFixtures.h"

#include <gtest/gtest.h>

#include "core/commands/placement/Detection.h"
#include "core/commands/placement/Placement.h"

namespace ferrovane::testing {

catalogue::RType Piece(std::int16_t kind, int index, const char* name, float length, float radius,
                       float angle) {
    catalogue::RType t;
    t.Name = name;
    t.Length = length;
    t.Radius = radius;
    t.Angle = angle;
    t.Color = 0x00AA00 + 16 * kind + index;
    t.Kind = kind;
    return t;
}

catalogue::Catalogue SmallCatalogue() {
    catalogue::Catalogue c;
    c.StraightTypes = {Piece(0, 0, "S248", 248, 0, 0), Piece(0, 1, "S124", 124, 0, 0),
                       Piece(0, 2, "S100", 100, 0, 0)};
    c.CurveTypes = {Piece(1, 0, "C541-30", 0, 541, 30), Piece(1, 1, "C280-45", 0, 280, 45)};
    c.PointTypes = {Piece(2, 0, "P186", 186, 481, 15), Piece(2, 1, "CP60", -60, 481, 15)};
    c.StraightTypeMax = 2;
    c.CurveTypeMax = 1;
    c.PointTypeMax = 1;
    return c;
}

catalogue::RailBoxRail Member(std::int16_t kind, float size, float angle, bool flip, bool free0,
                              bool free1, float x, float y, float rel, bool ungrouped) {
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

CatalogueWorkspace::CatalogueWorkspace() {
    Ws.Catalogue = SmallCatalogue();
}

void CatalogueWorkspace::Tool(int kind, int sel) {
    auto& e = Ws.Editor;
    e.PlaceKind = static_cast<model::PieceKind>(kind);
    const auto s = static_cast<std::int16_t>(sel);
    (kind == 0 ? e.SelStraight : kind == 1 ? e.SelCurve : e.SelPoint) = s;
}

int CatalogueWorkspace::PlaceFree(int kind, int sel, float x, float y, float angle, int dir) {
    Tool(kind, sel);
    Ws.Editor.MouseX = x;
    Ws.Editor.MouseY = y;
    return geometry::PlaceRail(Ws, angle, dir, geometry::PlaceCommit, false);
}

void CatalogueWorkspace::SnapTo(int rail, int end) {
    EXPECT_TRUE(geometry::SnapToEnd(Ws, rail, end)) << "rail " << rail << " end " << end;
}

int CatalogueWorkspace::PlaceAt(int kind, int sel, int rail, int end, int dir) {
    Tool(kind, sel);
    SnapTo(rail, end);
    float angle = 0;
    return geometry::PlaceRail(Ws, angle, dir, geometry::PlaceCommit, true);
}

int CatalogueWorkspace::AddBox(const std::string& name,
                               std::vector<catalogue::RailBoxRail> members) {
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

} // namespace ferrovane::testing
