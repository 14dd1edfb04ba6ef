#include "core/compute/check/GapCloser.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>

#include "core/compute/check/EndRef.h"
#include "core/compute/geometry/CurveGeometry.h"
#include "core/compute/geometry/StraightGeometry.h"

namespace ferrovane::check {

namespace {

bool Usable(const catalogue::RType& t) {
    return t.IsUserRail == 0 && t.Name != catalogue::UserRailName;
}

struct Option {
    ClosePiece Piece;
    float Length = 0; // along the track
    float Reach = 0;  // from end to end
};

std::vector<Option> Options(const catalogue::Catalogue& cat) {
    std::vector<Option> out;
    const auto last = [](const auto& types, std::int32_t max) {
        return std::min<std::size_t>(types.size(), static_cast<std::size_t>(std::max(max, 0)) + 1);
    };
    for (std::size_t i = 0; i < last(cat.StraightTypes, cat.StraightTypeMax); ++i) {
        const auto& t = cat.StraightTypes[i];
        if (Usable(t) && t.Length > 0)
            out.push_back({{model::KindStraight, static_cast<int>(i), false}, t.Length, t.Length});
    }
    for (std::size_t i = 0; i < last(cat.CurveTypes, cat.CurveTypeMax); ++i) {
        const auto& t = cat.CurveTypes[i];
        if (!Usable(t) || t.Radius <= 0 || t.Angle <= 0) continue;
        const double rad = static_cast<double>(t.Angle) * std::numbers::pi / 180;
        const auto length = static_cast<float>(t.Radius * rad);
        const auto chord =
            static_cast<float>(2 * t.Radius * std::sin(std::min(rad, std::numbers::pi) / 2));
        for (bool flip : {false, true})
            out.push_back({{model::KindCurve, static_cast<int>(i), flip}, length, chord});
    }
    return out;
}

struct Search {
    const catalogue::Catalogue& Cat;
    int RailWidth;
    geometry::PieceStart To;
    int MaxPieces;
    std::vector<Option> Opts;
    float MaxReach = 0;
    std::vector<model::Rail> Scratch;
    std::vector<ClosePiece> Path;
    std::vector<CloserSuggestion> Found;

    void Step(geometry::PieceStart at, float length) {
        const int depth = static_cast<int>(Path.size());
        if (depth > 0) {
            const float gap = EndDistance(at.At.X, at.At.Y, To.At.X, To.At.Y);
            const float angle = FacingError(at.Angle, To.Angle);
            if (gap <= CloserGap && angle <= CloserAngle)
                Found.push_back({Path, gap, angle, length});
        }
        if (depth == MaxPieces) return;
        // Nothing further fits when the far end is out of reach of the pieces left.
        const float left = EndDistance(at.At.X, at.At.Y, To.At.X, To.At.Y);
        if (left > static_cast<float>(MaxPieces - depth) * MaxReach + CloserGap) return;
        model::Rail& r = Scratch[static_cast<std::size_t>(depth)];
        for (const Option& o : Opts) {
            LayClosePiece(r, Cat, o.Piece, at, RailWidth);
            Path.push_back(o.Piece);
            Step({{r.X1, r.Y1}, r.Angle1}, length + o.Length);
            Path.pop_back();
        }
    }
};

long ErrorKey(const CloserSuggestion& s) {
    return std::lround(static_cast<double>(s.Gap) * 100) +
           std::lround(static_cast<double>(s.Angle) * 100);
}

} // namespace

const catalogue::RType& ClosePieceType(const catalogue::Catalogue& cat, const ClosePiece& p) {
    const auto& types = p.Kind == model::KindCurve ? cat.CurveTypes : cat.StraightTypes;
    return types[static_cast<std::size_t>(p.Type)];
}

void LayClosePiece(model::Rail& rail, const catalogue::Catalogue& cat, const ClosePiece& piece,
                   geometry::PieceStart start, int railWidth) {
    const auto& t = ClosePieceType(cat, piece);
    if (piece.Kind == model::KindCurve)
        geometry::LayCurve(rail, start, {t.Radius, t.Angle}, piece.Flip, railWidth);
    else
        geometry::LayStraight(rail, start, t.Length, railWidth);
}

std::string ClosePieceName(const catalogue::Catalogue& cat, const ClosePiece& piece) {
    std::string name = ClosePieceType(cat, piece).Name;
    if (piece.Kind == model::KindCurve) name += piece.Flip ? "/R" : "/L";
    return name;
}

std::vector<CloserSuggestion> FindClosers(const catalogue::Catalogue& cat, int railWidth,
                                          geometry::PieceStart from, geometry::PieceStart to,
                                          int maxPieces, std::size_t limit) {
    Search search{cat, railWidth, to, std::clamp(maxPieces, 0, 8), Options(cat), 0, {}, {}, {}};
    for (const Option& o : search.Opts)
        search.MaxReach = std::max(search.MaxReach, o.Reach);
    search.Scratch.resize(static_cast<std::size_t>(search.MaxPieces) + 1);
    search.Step(from, 0);
    auto& found = search.Found;
    auto key = [](const CloserSuggestion& s) {
        return std::make_tuple(ErrorKey(s), s.Pieces.size(), s.Length);
    };
    std::stable_sort(
        found.begin(), found.end(),
        [&](const CloserSuggestion& a, const CloserSuggestion& b) { return key(a) < key(b); });
    if (found.size() > limit) found.resize(limit);
    return found;
}

} // namespace ferrovane::check
