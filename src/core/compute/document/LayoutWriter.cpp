#include "core/compute/document/LayoutWriter.h"

#include <algorithm>

#include "core/compute/document/LayoutReader.h"
#include "core/values/format/ListDirected.h"
#include "core/values/format/Version.h"

namespace ferrovane::document {

namespace {

// A record line with realistic values takes about 600 bytes.
constexpr std::size_t TypicalRecordBytes = 640;

void WriteRecord(ListWriter& out, const model::Rail& r) {
    out.Boolean(r.Valid);
    out.Integer(r.No);
    out.String(r.Name);
    out.Integer(r.Kind);
    out.Integer(r.No);
    for (float v :
         {r.Length, r.Radius, r.Angle, r.BaseAngle, r.X0,      r.Y0,      r.X1,   r.Y1,  r.X2,
          r.Y2,     r.C1X,    r.C1Y,   r.C2X,       r.C2Y,     r.C3X,     r.C3Y,  r.C4X, r.C4Y,
          r.C5X,    r.C5Y,    r.C6X,   r.C6Y,       r.CenterX, r.CenterY, r.MidX, r.MidY})
        out.Single(v);
    out.Integer(r.Dir);
    out.Integer(r.Reserved1);
    for (float v : {r.Angle0, r.Angle1, r.Angle2, r.ArcStart, r.ArcSweep, r.MidCellX, r.MidCellY,
                    r.Cell0X, r.Cell0Y, r.Cell1X, r.Cell1Y, r.Cell2X, r.Cell2Y})
        out.Single(v);
    out.Boolean(r.Free0);
    out.Boolean(r.Free1);
    out.Boolean(r.Free2);
    out.Integer(r.LinkEnd0);
    out.Integer(r.Link0);
    out.Integer(r.LinkEnd1);
    out.Integer(r.Link1);
    out.Integer(r.LinkEnd2);
    out.Integer(r.Link2);
    out.Boolean(r.Upper);
    out.Integer(r.Reserved2);
    out.Integer(r.Reserved3);
    out.Integer(r.Reserved4);
    out.Integer(r.Color);
    out.Integer(r.BoxSeq);
    out.EndRecord();
}

} // namespace

std::string LayoutVersionLine() {
    return std::string(LayoutVersionTag) +
           "  Created by Ferrovane version : " + std::to_string(app::VersionMajor) + "." +
           std::to_string(app::VersionMinor) + "." + std::to_string(app::VersionRevision);
}

std::string WriteLayout(const model::Layout& layout) {
    ListWriter out;
    out.Reserve(256 + static_cast<std::size_t>(std::max(layout.RailCount, 0)) * TypicalRecordBytes);
    out.Line(LayoutVersionLine());
    out.Line("Layout Size Width : " + std::to_string(layout.LayoutWidth));
    out.Line("Layout Size Height: " + std::to_string(layout.LayoutHeight));
    const int count = std::min<int>(layout.RailCount, static_cast<int>(layout.Rails.size()) - 1);
    for (int n = 1; n <= count; ++n)
        WriteRecord(out, layout.Rails[static_cast<std::size_t>(n)]);
    return std::move(out.Bytes());
}

} // namespace ferrovane::document
