#include "core/compute/editor/LayoutInformation.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "core/compute/geometry/TrackLength.h"
#include "core/values/model/Layout.h"
#include "core/values/text/Messages.h"

namespace ferrovane::editor {

namespace {

using text::Msg;
using Id = text::MessageId;
constexpr Id Pieces = Id::CountPieces;

// Kinds below this are counted as pieces: straights, curves, points and flexible
// rails, but no rail-box rails or labels.
constexpr std::uint8_t CountedPieceKindEnd = 5;

void CountKind(LayoutInformation& info, const model::Rail& r) {
    switch (r.Kind) {
    case model::KindStraight:
        ++info.Straights;
        break;
    case model::KindCurve:
        ++info.Curves;
        break;
    case model::KindPoint:
        ++info.Points;
        break;
    case model::KindFlexible:
        ++info.Flexibles;
        break;
    case model::KindBoxHeadStraight:
    case model::KindBoxHeadCurve:
        ++info.RailBoxes;
        ++info.RailBoxPieces;
        break;
    case model::KindBoxMemberStraight:
    case model::KindBoxMemberCurve:
        ++info.RailBoxPieces;
        break;
    case model::KindText:
        ++info.Labels;
        break;
    default:
        break;
    }
}

// A label has no ends; a point has three. A rail-box member's inner ends are marked
// joined by the box itself, so only its outer ends can be open.
int OpenEndsOf(const model::Rail& r) {
    if (r.Kind >= model::KindText) return 0;
    const int ends = r.Kind == model::KindPoint ? 3 : 2;
    int open = 0;
    for (int e = 0; e < ends; ++e)
        if (r.Free(e)) ++open;
    return open;
}

std::string Count(int n, text::MessageId counter) {
    return text::Msg(counter, {std::to_string(n)});
}

std::string Length(double units) {
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", units);
    return text;
}

} // namespace

LayoutInformation GetLayoutInformation(const model::Layout& layout,
                                       const std::string& catalogueFileName, int flexibleDivides) {
    LayoutInformation info;
    info.Extent = model::GetLayoutExtents(layout);
    info.ExtentWidth = info.Extent.MaxX - info.Extent.MinX;
    info.ExtentHeight = info.Extent.MaxY - info.Extent.MinY;
    info.LayoutWidth = layout.LayoutWidth;
    info.LayoutHeight = layout.LayoutHeight;
    info.LayoutFileName = layout.LayoutFileName;
    info.CatalogueFileName = catalogueFileName;
    const int last = std::min<int>(layout.RailCount, static_cast<int>(layout.Rails.size()) - 1);
    for (int n = 1; n <= last; ++n) {
        const model::Rail& r = layout.Rails[static_cast<std::size_t>(n)];
        if (!r.Valid) continue;
        if (r.Kind < CountedPieceKindEnd) ++info.RailPieces;
        CountKind(info, r);
        info.OpenEnds += OpenEndsOf(r);
        info.TrackLength += geometry::TrackLength(r, flexibleDivides);
    }
    return info;
}

std::vector<std::string> LayoutInformationLines(const LayoutInformation& info) {
    return {text::Msg(text::MessageId::LayoutExtentLine,
                      {std::to_string(info.ExtentWidth), std::to_string(info.ExtentHeight),
                       std::to_string(info.LayoutWidth), std::to_string(info.LayoutHeight)}),
            Count(info.RailPieces, Pieces)};
}

std::vector<std::pair<std::string, std::string>>
LayoutInformationFields(const LayoutInformation& info) {
    const auto lines = LayoutInformationLines(info);
    return {
        {Msg(Id::InfoLayoutFile),
         info.LayoutFileName.empty() ? Msg(Id::InfoNotSaved) : info.LayoutFileName},
        {Msg(Id::InfoCatalogueFile),
         info.CatalogueFileName.empty() ? Msg(Id::InfoNone) : info.CatalogueFileName},
        {Msg(Id::InfoRailExtent), lines[0]},
        {Msg(Id::InfoRailCount), lines[1]},
        {Msg(Id::InfoStraights), Count(info.Straights, Pieces)},
        {Msg(Id::InfoCurves), Count(info.Curves, Pieces)},
        {Msg(Id::InfoPoints), Count(info.Points, Pieces)},
        {Msg(Id::InfoFlexibles), Count(info.Flexibles, Pieces)},
        {Msg(Id::InfoRailBoxes), Msg(Id::CountRailBoxes, {std::to_string(info.RailBoxes),
                                                          std::to_string(info.RailBoxPieces)})},
        {Msg(Id::InfoLabels), Count(info.Labels, Id::CountItems)},
        {Msg(Id::InfoOpenEnds), Count(info.OpenEnds, Id::CountPlaces)},
        {Msg(Id::InfoTrackLength), Length(info.TrackLength)},
    };
}

} // namespace ferrovane::editor
