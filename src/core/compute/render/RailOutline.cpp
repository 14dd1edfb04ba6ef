#include "core/compute/render/RailOutline.h"

#include "core/compute/render/CurveDrawer.h"
#include "core/compute/render/CurvedPointDrawer.h"
#include "core/compute/render/FlexDrawer.h"
#include "core/compute/render/PointDrawer.h"

namespace ferrovane::render {

namespace {

ContourStep LineStep(const ViewOrigin& o, model::Point p) {
    ContourStep step;
    step.To = {p.X - o.Left, p.Y - o.Top};
    return step;
}

ContourStep ArcStep(const ViewOrigin& o, model::Point centre, float radius, float start,
                    float sweep) {
    ContourStep step;
    step.IsArc = true;
    step.Centre = {centre.X - o.Left, centre.Y - o.Top};
    step.Radius = radius;
    step.Start = start;
    step.Sweep = sweep;
    return step;
}

Contour Quad(const ViewOrigin& o, model::Point a, model::Point b, model::Point c, model::Point d) {
    return {LineStep(o, a), LineStep(o, b), LineStep(o, c), LineStep(o, d)};
}

Contour CornerQuad(const ViewOrigin& o, const model::Rail& r) {
    return Quad(o, {r.C1X, r.C1Y}, {r.C2X, r.C2Y}, {r.C3X, r.C3Y}, {r.C4X, r.C4Y});
}

// The band between the two edge arcs over the angles the arcs are drawn with.
void AddSector(std::vector<Contour>& out, const DrawContext& context, model::Point centre,
               float radius, int curveDir, float arcStart, float arcSweep) {
    auto angles = CurveArcAngles(curveDir, arcStart, arcSweep);
    if (!angles) return;
    const float a = NormalizeArcAngle(angles->first);
    const float b = NormalizeArcAngle(angles->second);
    double sweep = static_cast<double>(b) - a;
    if (sweep <= 0) sweep += ArcTwoPi; // through 0, or the full circle for equal angles
    const float w = context.Settings.RailWidth;
    const ViewOrigin& o = context.Origin;
    out.push_back({ArcStep(o, centre, radius + w, a, static_cast<float>(sweep)),
                   ArcStep(o, centre, radius - w, b, static_cast<float>(-sweep))});
}

void AddFlexBand(std::vector<Contour>& out, const DrawContext& context, const model::Rail& r) {
    const model::Point e0{r.X0, r.Y0}, c1{r.C1X, r.C1Y}, c2{r.C2X, r.C2Y}, e1{r.X1, r.Y1};
    const int divides = context.Settings.FlexibleDivides;
    const float w = context.Settings.RailWidth;
    model::Point p = e0;
    for (int i = 1; i <= divides; ++i) {
        const model::Point q =
            BezierPoint(e0, c1, c2, e1, static_cast<float>(i) / static_cast<float>(divides));
        const model::Point n = SegmentNormal(p, q, w);
        out.push_back(Quad(context.Origin, {p.X + n.X, p.Y + n.Y}, {q.X + n.X, q.Y + n.Y},
                           {q.X - n.X, q.Y - n.Y}, {p.X - n.X, p.Y - n.Y}));
        p = q;
    }
}

} // namespace

std::vector<Contour> RailOutline(const DrawContext& context, int index) {
    std::vector<Contour> out;
    const model::Rail* rail = context.ValidRailAt(index);
    if (rail == nullptr) return out;
    const model::Rail& r = *rail;
    const model::Point centre{r.CenterX, r.CenterY};
    switch (r.Kind) {
    case model::KindStraight:
    case model::KindBoxHeadStraight:
    case model::KindBoxMemberStraight:
        out.push_back(CornerQuad(context.Origin, r));
        break;
    case model::KindCurve:
    case model::KindBoxHeadCurve:
    case model::KindBoxMemberCurve:
        AddSector(out, context, centre, r.Radius, r.Dir, r.ArcStart, r.ArcSweep);
        break;
    case model::KindPoint:
        if (r.Dir < CurvedPointFirstDir) {
            out.push_back(CornerQuad(context.Origin, r));
        } else if (auto shape = CurvedPointShapeOf(r)) {
            AddSector(out, context, centre, r.Radius, shape->CurveDir, r.ArcStart, r.ArcSweep);
            AddSector(out, context, {centre.X + shape->Stub.X, centre.Y + shape->Stub.Y}, r.Radius,
                      shape->CurveDir, r.ArcStart, r.ArcSweep);
        }
        break;
    case model::KindFlexible:
        AddFlexBand(out, context, r);
        break;
    default:
        break;
    }
    return out;
}

void FillRail(const DrawContext& context, int index, Colour colour, Surface& surface) {
    std::vector<Contour> region = RailOutline(context, index);
    if (!region.empty()) surface.Fill(region, colour);
}

} // namespace ferrovane::render
