#include "core/compute/editor/LayoutInformation.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "core/compute/geometry/TrackLength.h"
#include "core/values/model/Layout.h"

namespace ferrovane::editor {

namespace {
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

std::string Count(int n, const char* counter) {
    return std::to_string(n) + counter;
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
    return {std::to_string(info.ExtentWidth) + " x " + std::to_string(info.ExtentHeight) +
                "  (設定サイズ : " + std::to_string(info.LayoutWidth) + " x " +
                std::to_string(info.LayoutHeight) + ")",
            Count(info.RailPieces, "本")};
}

std::vector<std::pair<std::string, std::string>>
LayoutInformationFields(const LayoutInformation& info) {
    const auto lines = LayoutInformationLines(info);
    return {
        {"レイアウトファイル", info.LayoutFileName.empty() ? "(未保存)" : info.LayoutFileName},
        {"レール情報定義ファイル",
         info.CatalogueFileName.empty() ? "(なし)" : info.CatalogueFileName},
        {"レールの範囲", lines[0]},
        {"レール数", lines[1]},
        {"ストレートレール", Count(info.Straights, "本")},
        {"カーブレール", Count(info.Curves, "本")},
        {"ポイントレール", Count(info.Points, "本")},
        {"フレキシブルレール", Count(info.Flexibles, "本")},
        {"レール箱", Count(info.RailBoxes, "個") + " (" + Count(info.RailBoxPieces, "本") + ")"},
        {"文字", Count(info.Labels, "個")},
        {"つながっていない端", Count(info.OpenEnds, "箇所")},
        {"線路の総延長", Length(info.TrackLength)},
    };
}

} // namespace ferrovane::editor
