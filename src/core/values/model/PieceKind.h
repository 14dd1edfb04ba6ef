#pragma once

#include <cstdint>

namespace ferrovane::model {

// The kind chosen in the tool box (PlaceKind, and the tool box's kind buttons in this
// order). Straights, curves, points and rail boxes are placed by clicking; the flexible
// and object kinds list commands instead.
enum class PieceKind : std::int16_t {
    Straight = 0,
    Curve = 1,
    Point = 2,
    Flexible = 3,
    Object = 4,
    RailBox = 5,
};

// The kind's position in the row of kind buttons (and its stored number).
constexpr int KindIndex(PieceKind kind) {
    return static_cast<int>(kind);
}

// Straights, curves and points: the kinds whose pieces come from the catalogue's type
// lists and are laid by PlaceRail.
constexpr bool IsCatalogueKind(PieceKind kind) {
    return kind == PieceKind::Straight || kind == PieceKind::Curve || kind == PieceKind::Point;
}

// The kinds that place a piece at a click; the others choose a command.
constexpr bool PlacesByClick(PieceKind kind) {
    return IsCatalogueKind(kind) || kind == PieceKind::RailBox;
}

} // namespace ferrovane::model
