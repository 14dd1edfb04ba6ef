#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/compute/catalogue/Catalogue.h"
#include "core/compute/geometry/PieceStart.h"
#include "core/values/model/Rail.h"

namespace ferrovane::check {

// One piece of a closing sequence: a straight or a curve of the catalogue, curves in
// either direction (Flip: the mirrored curve, Dir 255).
struct ClosePiece {
    std::uint8_t Kind = model::KindStraight;
    int Type = 0; // index into StraightTypes or CurveTypes
    bool Flip = false;
    bool operator==(const ClosePiece&) const = default;
};

// A way to join two ends, and how far its last piece misses the far end.
struct CloserSuggestion {
    std::vector<ClosePiece> Pieces;
    float Gap = 0;    // units between the last piece's end and the far end
    float Angle = 0;  // degrees by which they miss facing
    float Length = 0; // the track length of the pieces
};

inline constexpr float CloserGap = 0.5f;
inline constexpr float CloserAngle = 0.5f;
inline constexpr int CloserMaxPieces = 3;
inline constexpr std::size_t CloserMaxSuggestions = 10;

// Sequences of up to maxPieces straights and curves of the catalogue (no points, rail
// boxes or user rails) that lead from the end `from` (laid on as the next piece is) to
// within CloserGap units and CloserAngle degrees of facing `to`. Best first: smallest
// error (gap plus angle, to two decimals), then fewest pieces, then shortest.
std::vector<CloserSuggestion> FindClosers(const catalogue::Catalogue& catalogue, int railWidth,
                                          geometry::PieceStart from, geometry::PieceStart to,
                                          int maxPieces = CloserMaxPieces,
                                          std::size_t limit = CloserMaxSuggestions);

// Lays one piece's geometry at `start` into rail (kind, dimensions, ends, corners...);
// name, colour, cells and links are the caller's.
void LayClosePiece(model::Rail& rail, const catalogue::Catalogue& catalogue,
                   const ClosePiece& piece, geometry::PieceStart start, int railWidth);

// The catalogue entry of a piece.
const catalogue::RType& ClosePieceType(const catalogue::Catalogue& catalogue,
                                       const ClosePiece& piece);

// "S248", or for a curve its name and "/L" (turning to increasing angles) or "/R".
std::string ClosePieceName(const catalogue::Catalogue& catalogue, const ClosePiece& piece);

} // namespace ferrovane::check
