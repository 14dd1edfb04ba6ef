#include "core/compute/check/NearestFreeEnd.h"

#include <algorithm>
#include <cstdio>

#include "core/values/model/RailIndex.h"
#include "core/values/text/Messages.h"

namespace ferrovane::check {

namespace {

int EndOfLetter(char letter) {
    switch (letter) {
    case 'S':
        return 0;
    case 'E':
        return 1;
    case 'F':
        return 2;
    default:
        return -1;
    }
}

bool Before(const EndRef& a, const EndRef& b) {
    return a.Rail != b.Rail ? a.Rail < b.Rail : a.End < b.End;
}

} // namespace

std::optional<GapReading> NearestFreeEnd(const model::Layout& layout, float x, float y, float angle,
                                         int skipRail, float range) {
    const model::RailIndex& index = layout.Index;
    if (index.Empty() || !std::isfinite(x) || !std::isfinite(y)) return std::nullopt;
    const double lo = -1.0e7, hi = 1.0e7;
    if (x < lo || x > hi || y < lo || y > hi) return std::nullopt;
    const auto i0 = static_cast<std::int64_t>(model::CellOf(x - range)) - index.OriginX;
    const auto i1 = static_cast<std::int64_t>(model::CellOf(x + range)) - index.OriginX;
    const auto j0 = static_cast<std::int64_t>(model::CellOf(y - range)) - index.OriginY;
    const auto j1 = static_cast<std::int64_t>(model::CellOf(y + range)) - index.OriginY;
    std::optional<GapReading> best;
    for (std::int64_t j = std::max<std::int64_t>(j0, 0); j <= std::min<std::int64_t>(j1, index.H);
         ++j) {
        for (std::int64_t i = std::max<std::int64_t>(i0, 0);
             i <= std::min<std::int64_t>(i1, index.W); ++i) {
            for (const model::IndexToken& token : *index.At(i, j)) {
                const int e = EndOfLetter(token.Letter);
                if (e < 0 || token.Rail < 1 || token.Rail > layout.RailCount) continue;
                const EndRef ref{token.Rail, e};
                if (ref.Rail == skipRail || !IsFreeEnd(layout, ref.Rail, e)) continue;
                const model::Rail& r = layout.Rails[static_cast<std::size_t>(ref.Rail)];
                const float gap = EndDistance(x, y, r.X(e), r.Y(e));
                if (gap > range) continue;
                if (best && (gap > best->Gap || (gap == best->Gap && !Before(ref, best->Other))))
                    continue;
                best = GapReading{ref, gap, FacingError(angle, r.EndAngle(e))};
            }
        }
    }
    return best;
}

std::optional<GapReading> GapAtEnd(const model::Layout& layout, int n, int e) {
    if (!IsFreeEnd(layout, n, e)) return std::nullopt;
    const model::Rail& r = layout.Rails[static_cast<std::size_t>(n)];
    return NearestFreeEnd(layout, r.X(e), r.Y(e), r.EndAngle(e), n);
}

std::optional<GapReading> GapOfPreview(const model::Layout& layout, const model::Rail& piece,
                                       int joinedEnd, int at) {
    std::optional<GapReading> best;
    for (int e = 0; e < EndCountOf(piece.Kind); ++e) {
        if (e == joinedEnd) continue;
        const auto reading = NearestFreeEnd(layout, piece.X(e), piece.Y(e), piece.EndAngle(e), at);
        if (reading && (!best || reading->Gap < best->Gap)) best = reading;
    }
    return best;
}

std::string GapReadoutText(const GapReading& reading) {
    char gap[32];
    char angle[32];
    std::snprintf(gap, sizeof gap, "%.1f", static_cast<double>(reading.Gap));
    std::snprintf(angle, sizeof angle, "%.1f", static_cast<double>(reading.Angle));
    return text::Msg(text::MessageId::GapReadout, {gap, angle});
}

} // namespace ferrovane::check
