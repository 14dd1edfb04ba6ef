#include "core/compute/check/DesignCheck.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <tuple>
#include <unordered_map>

#include "core/compute/check/OutlineShape.h"
#include "core/values/model/RailIndex.h"

namespace ferrovane::check {

namespace {

using model::Layout;
using model::Rail;

const Rail& RailAt(const Layout& layout, int n) {
    return layout.Rails[static_cast<std::size_t>(n)];
}

void OpenEnds(const Layout& layout, std::vector<Finding>& out) {
    for (int n = 1; n <= layout.RailCount; ++n) {
        if (!layout.IsLive(n)) continue;
        const Rail& r = RailAt(layout, n);
        for (int e = 0; e < EndCountOf(r.Kind); ++e)
            if (r.Free(e)) out.push_back({FindingKind::OpenEnd, {n, e}, {}, 0, 0, r.X(e), r.Y(e)});
    }
}

void StrainedJoints(const Layout& layout, std::vector<Finding>& out) {
    for (int n = 1; n <= layout.RailCount; ++n) {
        if (!layout.IsLive(n)) continue;
        const Rail& r = RailAt(layout, n);
        for (int e = 0; e < EndCountOf(r.Kind); ++e) {
            const int m = r.Link(e), f = r.LinkEnd(e);
            if (r.Free(e) || m <= n || !layout.IsLive(m)) continue;
            const Rail& o = RailAt(layout, m);
            if (f >= EndCountOf(o.Kind)) continue;
            const float gap = EndDistance(r.X(e), r.Y(e), o.X(f), o.Y(f));
            const float angle = FacingError(r.EndAngle(e), o.EndAngle(f));
            if (gap > StrainedGap || angle > StrainedAngle)
                out.push_back({FindingKind::Strained,
                               {n, e},
                               {m, f},
                               gap,
                               angle,
                               (r.X(e) + o.X(f)) / 2,
                               (r.Y(e) + o.Y(f)) / 2});
        }
    }
}

int EndOfLetter(char letter) {
    return letter == 'S' ? 0 : letter == 'E' ? 1 : letter == 'F' ? 2 : -1;
}

// Pairs of free ends through the index: an end's partners lie at most one cell away.
void NearMisses(const Layout& layout, float detectRange, std::vector<Finding>& out) {
    const model::RailIndex& index = layout.Index;
    if (index.Empty()) return;
    for (int n = 1; n <= layout.RailCount; ++n) {
        if (!layout.IsLive(n)) continue;
        const Rail& r = RailAt(layout, n);
        for (int e = 0; e < EndCountOf(r.Kind); ++e) {
            if (!r.Free(e)) continue;
            const float x = r.X(e), y = r.Y(e);
            if (!std::isfinite(x) || !std::isfinite(y)) continue;
            const std::int64_t ci = static_cast<std::int64_t>(model::CellOf(x)) - index.OriginX;
            const std::int64_t cj = static_cast<std::int64_t>(model::CellOf(y)) - index.OriginY;
            for (std::int64_t j = cj - 1; j <= cj + 1; ++j) {
                for (std::int64_t i = ci - 1; i <= ci + 1; ++i) {
                    const auto* cell = index.At(i, j);
                    if (!cell) continue;
                    for (const model::IndexToken& token : *cell) {
                        const int f = EndOfLetter(token.Letter);
                        const int m = token.Rail;
                        if (f < 0 || m <= n || !IsFreeEnd(layout, m, f)) continue;
                        const Rail& o = RailAt(layout, m);
                        const float gap = EndDistance(x, y, o.X(f), o.Y(f));
                        const float angle = FacingError(r.EndAngle(e), o.EndAngle(f));
                        if (gap > NearMissGap || angle > NearMissAngle) continue;
                        Finding finding{FindingKind::NearMiss, {n, e},          {m, f}, gap, angle,
                                        (x + o.X(f)) / 2,      (y + o.Y(f)) / 2};
                        finding.Joinable = std::fabs(x - o.X(f)) < detectRange &&
                                           std::fabs(y - o.Y(f)) < detectRange;
                        out.push_back(finding);
                    }
                }
            }
        }
    }
}

bool JoinedTo(const Rail& r, int other) {
    for (int e = 0; e < EndCountOf(r.Kind); ++e)
        if (!r.Free(e) && r.Link(e) == other) return true;
    return false;
}

bool SameEnds(const Rail& a, const Rail& b) {
    const int count = EndCountOf(a.Kind);
    for (int e = 0; e < count; ++e) {
        bool found = false;
        for (int f = 0; f < count && !found; ++f)
            found = EndDistance(a.X(e), a.Y(e), b.X(f), b.Y(f)) <= DuplicateSlack;
        if (!found) return false;
    }
    return true;
}

bool IsDuplicate(const Rail& a, const Rail& b) {
    return a.Kind == b.Kind && a.Name == b.Name && SameEnds(a, b) && SameEnds(b, a);
}

struct Box {
    float MinX = 1e30f, MinY = 1e30f, MaxX = -1e30f, MaxY = -1e30f;
    bool Valid() const { return MinX <= MaxX && MinY <= MaxY; }
};

constexpr float OverlapCell = 200;
constexpr float OverlapSlack = 0.01f;
// Rails that reach further than this are not outlines a layout holds; damaged files only.
constexpr float MaxOutlineReach = 100000;

std::int64_t GridOf(float v) {
    return static_cast<std::int64_t>(std::floor(v / OverlapCell));
}

// Rails whose outlines cross: boxes into a grid, each pair tested in the one cell that
// holds the lower corner of the two boxes' common part.
void Overlaps(const Layout& layout, int railWidth, std::vector<Finding>& out) {
    std::vector<std::vector<OutlineQuad>> shapes(static_cast<std::size_t>(layout.RailCount) + 1);
    std::vector<Box> boxes(shapes.size());
    std::unordered_map<std::int64_t, std::vector<int>> grid;
    auto key = [](std::int64_t i, std::int64_t j) { return (i << 32) ^ (j & 0xffffffff); };
    for (int n = 1; n <= layout.RailCount; ++n) {
        if (!layout.IsLive(n)) continue;
        auto& shape = shapes[static_cast<std::size_t>(n)];
        shape = OutlineOf(RailAt(layout, n), railWidth);
        Box& b = boxes[static_cast<std::size_t>(n)];
        for (const auto& quad : shape)
            for (const auto& c : quad) {
                b.MinX = std::min(b.MinX, c.X), b.MaxX = std::max(b.MaxX, c.X);
                b.MinY = std::min(b.MinY, c.Y), b.MaxY = std::max(b.MaxY, c.Y);
            }
        if (!b.Valid() || !(std::fabs(b.MinX) < MaxOutlineReach) ||
            !(std::fabs(b.MaxX) < MaxOutlineReach) || !(std::fabs(b.MinY) < MaxOutlineReach) ||
            !(std::fabs(b.MaxY) < MaxOutlineReach)) {
            shape.clear();
            continue;
        }
        for (std::int64_t j = GridOf(b.MinY); j <= GridOf(b.MaxY); ++j)
            for (std::int64_t i = GridOf(b.MinX); i <= GridOf(b.MaxX); ++i)
                grid[key(i, j)].push_back(n);
    }
    for (const auto& [cellKey, rails] : grid) {
        for (std::size_t p = 0; p < rails.size(); ++p) {
            for (std::size_t q = p + 1; q < rails.size(); ++q) {
                const int a = std::min(rails[p], rails[q]), b = std::max(rails[p], rails[q]);
                const Box& ba = boxes[static_cast<std::size_t>(a)];
                const Box& bb = boxes[static_cast<std::size_t>(b)];
                const float lowX = std::max(ba.MinX, bb.MinX), lowY = std::max(ba.MinY, bb.MinY);
                if (lowX > std::min(ba.MaxX, bb.MaxX) || lowY > std::min(ba.MaxY, bb.MaxY))
                    continue;
                if (key(GridOf(lowX), GridOf(lowY)) != cellKey) continue;
                const Rail& ra = RailAt(layout, a);
                const Rail& rb = RailAt(layout, b);
                if (ra.Upper != rb.Upper || JoinedTo(ra, b) || JoinedTo(rb, a)) continue;
                if (IsDuplicate(ra, rb)) continue; // listed as a duplicate instead
                bool crossed = false;
                for (const auto& qa : shapes[static_cast<std::size_t>(a)]) {
                    for (const auto& qb : shapes[static_cast<std::size_t>(b)])
                        if ((crossed = QuadsOverlap(qa, qb, OverlapSlack))) break;
                    if (crossed) break;
                }
                if (crossed)
                    out.push_back({FindingKind::Overlap,
                                   {a, 0},
                                   {b, 0},
                                   0,
                                   0,
                                   (ra.MidX + rb.MidX) / 2,
                                   (ra.MidY + rb.MidY) / 2});
            }
        }
    }
}

// Duplicates share their middle point too: rails are grouped by whole-unit cells of it.
void Duplicates(const Layout& layout, std::vector<Finding>& out) {
    std::unordered_map<std::int64_t, std::vector<int>> cells;
    auto key = [](std::int64_t i, std::int64_t j) { return (i << 32) ^ (j & 0xffffffff); };
    auto cellOf = [](float v) { return static_cast<std::int64_t>(std::floor(v)); };
    for (int n = 1; n <= layout.RailCount; ++n) {
        if (!layout.IsLive(n)) continue;
        const Rail& r = RailAt(layout, n);
        if (EndCountOf(r.Kind) == 0 || !(std::fabs(r.MidX) < 1e9f) || !(std::fabs(r.MidY) < 1e9f))
            continue;
        const std::int64_t ci = cellOf(r.MidX), cj = cellOf(r.MidY);
        for (std::int64_t j = cj - 1; j <= cj + 1; ++j)
            for (std::int64_t i = ci - 1; i <= ci + 1; ++i) {
                const auto it = cells.find(key(i, j));
                if (it == cells.end()) continue;
                for (int m : it->second) {
                    const Rail& o = RailAt(layout, m);
                    if (IsDuplicate(r, o))
                        out.push_back(
                            {FindingKind::Duplicate, {m, 0}, {n, 0}, 0, 0, r.MidX, r.MidY});
                }
            }
        cells[key(ci, cj)].push_back(n);
    }
}

} // namespace

std::vector<Finding> RunDesignCheck(const Layout& layout, const CheckOptions& options) {
    std::vector<Finding> out;
    OpenEnds(layout, out);
    StrainedJoints(layout, out);
    NearMisses(layout, options.DetectRange, out);
    Overlaps(layout, options.RailWidth, out);
    Duplicates(layout, out);
    std::sort(out.begin(), out.end(), [](const Finding& a, const Finding& b) {
        return std::tie(a.Kind, a.A.Rail, a.A.End, a.B.Rail, a.B.End) <
               std::tie(b.Kind, b.A.Rail, b.A.End, b.B.Rail, b.B.End);
    });
    return out;
}

std::vector<int> CountFindings(const std::vector<Finding>& findings) {
    std::vector<int> counts(5, 0);
    for (const Finding& f : findings)
        ++counts[static_cast<std::size_t>(f.Kind)];
    return counts;
}

std::string CheckNumber(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(value));
    std::string s = text;
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == '.') s.pop_back();
    }
    if (s == "-0") s = "0";
    return s;
}

std::string FindingLine(const Finding& f) {
    auto end = [](const EndRef& r) { return std::to_string(r.Rail) + " " + std::to_string(r.End); };
    switch (f.Kind) {
    case FindingKind::OpenEnd:
        return "open " + end(f.A) + " " + CheckNumber(f.X) + " " + CheckNumber(f.Y);
    case FindingKind::Strained:
        return "strained " + end(f.A) + " " + end(f.B) + " " + CheckNumber(f.Gap) + " " +
               CheckNumber(f.Angle);
    case FindingKind::NearMiss:
        return "near " + end(f.A) + " " + end(f.B) + " " + CheckNumber(f.Gap) + " " +
               CheckNumber(f.Angle);
    case FindingKind::Overlap:
        return "overlap " + std::to_string(f.A.Rail) + " " + std::to_string(f.B.Rail);
    case FindingKind::Duplicate:
        return "duplicate " + std::to_string(f.A.Rail) + " " + std::to_string(f.B.Rail);
    }
    return {};
}

std::string SummaryLine(const std::vector<Finding>& findings) {
    const auto c = CountFindings(findings);
    return "summary open " + std::to_string(c[0]) + " strained " + std::to_string(c[1]) + " near " +
           std::to_string(c[2]) + " overlap " + std::to_string(c[3]) + " duplicate " +
           std::to_string(c[4]);
}

} // namespace ferrovane::check
