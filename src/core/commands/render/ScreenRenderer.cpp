#include "core/commands/render/ScreenRenderer.h"

#include <algorithm>
#include <string>

#include "core/commands/edit/StatusText.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/render/FlexPreviewDrawer.h"
#include "core/compute/render/GridAndRuler.h"
#include "core/compute/render/Primitives.h"
#include "core/compute/render/RailColor.h"
#include "core/compute/render/RailDispatch.h"
#include "core/compute/render/RailOutline.h"
#include "core/compute/render/ScrollLimits.h"
#include "core/compute/render/TextLabelDrawer.h"
#include "core/compute/render/Zoom.h"
#include "core/values/format/Blanks.h"
#include "core/values/model/RailIndex.h"
#include "core/values/platform/UiHost.h"
#include "core/values/text/Messages.h"

namespace ferrovane::render {

const char* BackScreenTooLargeText() {
    return text::Msg(text::MessageId::BackScreenTooLargeText);
}

namespace {

constexpr int NormalWidth = 1;
constexpr int ElevatedWidth = 3;
constexpr int HighlightWidth = 2;
constexpr int BorderWidth = 2;

bool IsGroupHead(int kind) {
    return kind == model::KindBoxHeadStraight || kind == model::KindBoxHeadCurve;
}
bool IsGroupMember(int kind) {
    return kind == model::KindBoxMemberStraight || kind == model::KindBoxMemberCurve;
}

// The highest rail number the whole-layout drivers may visit.
int LastRail(const model::Layout& layout) {
    const int last = static_cast<int>(layout.Rails.size()) - 1;
    return layout.RailCount < last ? layout.RailCount : last;
}

} // namespace

ScreenRenderer::ScreenRenderer(app::Workspace& ws, Surface& backScreen, Surface& mainPicture)
    : mWs(ws), mBack(backScreen), mMain(mainPicture) {}

DrawContext ScreenRenderer::Context(ViewOrigin origin) const {
    return DrawContext{mWs.Layout.Rails, mWs.Settings, origin, mWs.View.IsHighlighting};
}

void ScreenRenderer::UseTiles(BoardPicture* tiles) {
    mTiles = tiles;
    mSnapshotStale = true;
    mShownScale = 0;
}

BoardSnapshotPtr ScreenRenderer::Snapshot() {
    if (mSnapshotStale || !mSnapshot) {
        mSnapshot = MakeBoardSnapshot(mWs.Layout, mWs.Settings, mWs.View.IsGrid, mSnapshot.get());
        mSnapshotStale = false;
    }
    return mSnapshot;
}

void ScreenRenderer::ReDrawBackScreen() {
    if (mTiles != nullptr) {
        mSnapshotStale = true;
        RefreshMainPicture();
        return;
    }
    platform::BusyPointer busy(*mWs.Host);
    EnsureBackScreenSize();
    mBack.Clear();
    const int w = mWs.Layout.LayoutWidth;
    const int h = mWs.Layout.LayoutHeight;
    if (mWs.View.IsGrid) SetGrid(mBack, mWs.Settings, w, h);
    mBack.SetDrawWidth(BorderWidth);
    const Colour border = mWs.Settings.NextRailColor;
    const auto fw = static_cast<float>(w), fh = static_cast<float>(h);
    mBack.Line({fw, 0}, {fw, fh}, border);
    mBack.Line({0, fh}, {fw, fh}, border);
    DrawLayoutOnBackScreen();
    mBack.Refresh();
    RefreshMainPicture();
}

void ScreenRenderer::DrawLayoutOnBackScreen() {
    if (mTiles != nullptr) {
        mSnapshotStale = true;
        return;
    }
    const DrawContext context = Context({0, 0});
    const int last = LastRail(mWs.Layout);
    for (int i = 1; i <= last; ++i) {
        const model::Rail& rail = mWs.Layout.Rails[static_cast<std::size_t>(i)];
        if (!rail.Valid) continue;
        mBack.SetDrawWidth(rail.Upper ? ElevatedWidth : NormalWidth);
        DrawRailByKind(context, i, GetRailColor(context, i), mBack, true);
    }
}

void ScreenRenderer::DrawRailOnBackScreen(int rail) {
    if (rail < 1) return;
    // A rail laid past the board's edge widens what can be scrolled to.
    UpdateScrollLimits();
    mWs.Changed.Mark(app::Change::View);
    if (mTiles != nullptr) {
        mSnapshotStale = true;
        return;
    }
    const DrawContext context = Context({0, 0});
    const model::Rail* r = context.ValidRailAt(rail);
    if (r == nullptr) return;
    mBack.SetDrawWidth(r->Upper ? ElevatedWidth : NormalWidth);
    DrawRailByKind(context, rail, GetRailColor(context, rail), mBack, true);
}

void ScreenRenderer::RefreshMainPicture() {
    const View& view = mWs.View;
    const float scale = view.UnitsPerPixel();
    const int px = ToPixel(view.Screen.Left, 0, scale), py = ToPixel(view.Screen.Top, 0, scale);
    if (mTiles != nullptr) {
        // The tiles go on past the board's edges, rails and all.
        if (mSnapshotStale || scale != mShownScale) {
            mTiles->Show(Snapshot(), scale);
            mShownScale = scale;
        }
        mTiles->Compose(mMain, px, py);
    } else {
        // The copy whitens whatever lies beyond the off-screen image, so no clear first.
        mMain.CopyFrom(mBack, px, py);
        DrawRailsPastTheBoard();
    }
    if (view.IsMemori)
        SetMemori(mMain, mWs.Settings, view.Screen, mWs.Layout.LayoutWidth,
                  mWs.Layout.LayoutHeight);
    if (view.IsNumber)
        SetNumber(mMain, mWs.Settings, view.Screen, mWs.Layout.LayoutWidth,
                  mWs.Layout.LayoutHeight);
    const auto& sel = mWs.Editor.SelRailList;
    if (!sel.empty() && sel[0] >= 1) SetHighlightSelRail();
    DrawFlexOverlay();
    mMain.Refresh();
}

void ScreenRenderer::DrawFlexOverlay() {
    // The flexible rail being laid is part of the picture while it is shaped, so every
    // refresh (a hover change, a scroll) keeps it on the board.
    using model::EditorMode;
    const EditorMode mode = mWs.Editor.AStatus;
    const bool shaping = mode == EditorMode::FlexShaping ||
                         mode == EditorMode::FlexDraggingStartHandle ||
                         mode == EditorMode::FlexDraggingEndHandle;
    if (mode != EditorMode::FlexChoosingEnd && !shaping) return;
    const TScreen& screen = mWs.View.Screen;
    const ViewOrigin origin{screen.Left, screen.Top};
    const app::Settings& s = mWs.Settings;
    geometry::FlexDef& def = mWs.Editor.FlexDef;
    if (!shaping) {
        DrawFlexEndMark(mMain, origin, {def.StartX, def.StartY},
                        static_cast<float>(s.RailWidth) / 2, s.NextRailColor);
        return;
    }
    DrawFlexPreview(mMain, origin,
                    geometry::MakeFlexPreview(def, s.RailWidth, s.NextRailColor,
                                              mWs.Editor.IsUpperMode, s.FlexibleDivides),
                    s.FlexibleDivides);
}

void ScreenRenderer::DrawRailsPastTheBoard() {
    // The off-screen image holds the board only; where the window shows more, the rails
    // that reach past the board's edges are drawn straight onto the visible board.
    const TScreen& screen = mWs.View.Screen;
    const int w = mWs.Layout.LayoutWidth, h = mWs.Layout.LayoutHeight;
    if (screen.Left >= 0 && screen.Top >= 0 && screen.Right <= static_cast<float>(w) &&
        screen.Bottom <= static_cast<float>(h))
        return;
    // Outlines and arcs stay near the features the extents take in.
    constexpr int Slack = 400;
    const auto withinBoard = [&](const model::Extents& e) {
        return e.MinX - Slack >= 0 && e.MinY - Slack >= 0 && e.MaxX + Slack <= w &&
               e.MaxY + Slack <= h;
    };
    // The index knows how far the rails reach: on a board that holds them all (the usual
    // case when zoomed out) this refresh, which runs on every hover, visits no rail.
    if (withinBoard(RailReach())) return;
    const DrawContext context = Context({screen.Left, screen.Top});
    const int last = LastRail(mWs.Layout);
    for (int i = 1; i <= last; ++i) {
        const model::Rail& rail = mWs.Layout.Rails[static_cast<std::size_t>(i)];
        if (!rail.Valid || withinBoard(model::RailExtents(rail))) continue;
        mMain.SetDrawWidth(rail.Upper ? ElevatedWidth : NormalWidth);
        DrawRailByKind(context, i, GetRailColor(context, i), mMain, true);
    }
    mMain.SetDrawWidth(NormalWidth);
}

void ScreenRenderer::DrawRailOnMainPicture(int rail) {
    const TScreen& screen = mWs.View.Screen;
    const DrawContext context = Context({screen.Left, screen.Top});
    const model::Rail* r = context.ValidRailAt(rail);
    if (r == nullptr) return;
    int width = r->Upper ? ElevatedWidth : NormalWidth;
    if (mWs.View.IsHighlighting) width = HighlightWidth;
    mMain.SetDrawWidth(width);
    DrawRailByKind(context, rail, GetRailColor(context, rail), mMain, true);
    mMain.SetDrawWidth(NormalWidth);
}

void ScreenRenderer::DrawHighlightedWithGroup(int rail) {
    DrawRailOnMainPicture(rail);
    const model::Layout& layout = mWs.Layout;
    if (rail < 1 || rail > LastRail(layout)) return;
    if (!IsGroupHead(layout.Rails[static_cast<std::size_t>(rail)].Kind)) return;
    const int last = LastRail(layout);
    for (int j = rail + 1; j <= last; ++j) {
        if (!IsGroupMember(layout.Rails[static_cast<std::size_t>(j)].Kind)) break;
        DrawRailOnMainPicture(j);
    }
}

void ScreenRenderer::SetHighlightSelRail() {
    const auto& sel = mWs.Editor.SelRailList;
    if (sel.empty() || sel[0] < 1) return;
    mWs.View.IsHighlighting = true;
    const int count = sel[0];
    for (int k = 1; k <= count && k < static_cast<int>(sel.size()); ++k) {
        if (sel[static_cast<std::size_t>(k)] >= 1)
            DrawHighlightedWithGroup(sel[static_cast<std::size_t>(k)]);
    }
    mWs.View.IsHighlighting = false;
}

void ScreenRenderer::ShowHoverRail() {
    const int d = mWs.Editor.PointedRail;
    if (d < 1 || d > LastRail(mWs.Layout) || !mWs.Layout.Rails[static_cast<std::size_t>(d)].Valid)
        return;
    mWs.View.IsHighlighting = true;
    DrawHighlightedWithGroup(d);
    const model::Rail& rail = mWs.Layout.Rails[static_cast<std::size_t>(d)];
    const std::string number = std::to_string(d);
    if (rail.Kind != model::KindText) {
        const TScreen& screen = mWs.View.Screen;
        FillRail(Context({screen.Left, screen.Top}), d, mWs.Settings.HighlightRailColor, mMain);
        mWs.Host->SetStatusText(document::TrimBlanks(rail.Name) + " (No:" + number + ")");
    } else {
        std::string text(1, '"');
        text += LabelText(rail);
        text += "\" (No:";
        text += number;
        text += ')';
        mWs.Host->SetStatusText(text);
    }
    mWs.View.IsHighlighting = false;
}

void ScreenRenderer::ResizeBackScreen() {
    if (mTiles != nullptr) return; // tiles have no size to outgrow
    platform::BusyPointer busy(*mWs.Host);
    const PixelSize size =
        BackScreenPixelSize(mWs.Layout.LayoutWidth, mWs.Layout.LayoutHeight, mWs.View.Zoom);
    if (!BackScreenFits(size) ||
        !mBack.Resize(static_cast<int>(size.Width), static_cast<int>(size.Height))) {
        mFailedSize = size;
        RecoverFromOversizedBackScreen();
        return;
    }
    mFailedSize = {-1, -1};
    mBack.SetScale(mWs.View.UnitsPerPixel());
}

void ScreenRenderer::EnsureBackScreenSize() {
    if (mTiles != nullptr) return;
    const PixelSize size =
        BackScreenPixelSize(mWs.Layout.LayoutWidth, mWs.Layout.LayoutHeight, mWs.View.Zoom);
    const bool current = size.Width == mBack.PixelWidth() && size.Height == mBack.PixelHeight();
    const bool knownToFail = size.Width == mFailedSize.Width && size.Height == mFailedSize.Height;
    if (!current && !knownToFail) ResizeBackScreen();
}

void ScreenRenderer::RecoverFromOversizedBackScreen() {
    mWs.View.Zoom = RecoveryZoom;
    platform::Message message;
    message.Text = BackScreenTooLargeText();
    message.Title = "Ferrovane";
    message.Icon = platform::MessageIcon::Exclamation;
    message.HelpTopic = BackScreenTooLargeHelpTopic;
    platform::ShowModal(*mWs.Host, message);
    // A board that is still too large at the fallback zoom is not tried again on every
    // redraw.
    const PixelSize fallback =
        BackScreenPixelSize(mWs.Layout.LayoutWidth, mWs.Layout.LayoutHeight, RecoveryZoom);
    if (!BackScreenFits(fallback)) mFailedSize = fallback;
    mBack.Resize(mMain.PixelWidth(), mMain.PixelHeight());
    // Both surfaces follow the zoom, so the copy and the drawing stay in step.
    mBack.SetScale(mWs.View.UnitsPerPixel());
    mMain.SetScale(mWs.View.UnitsPerPixel());
    SetTScreen(mWs.View, mMain.ScaleWidth(), mMain.ScaleHeight());
    RefreshMainPicture();
}

void ScreenRenderer::ChangeZoomie() {
    mWs.Changed.Mark({app::Change::View, app::Change::Settings});
    // Whatever lay under the pointer before lies elsewhere now: its text goes.
    mWs.Editor.PointedRail = -1;
    editor::SetStatusText(mWs, "");
    platform::BusyPointer busy(*mWs.Host);
    // Whatever chose the zoom, the next start opens at it (a fitted or typed zoom as the
    // nearest menu step).
    mWs.Settings.ZoomPosition = static_cast<std::int16_t>(NearestZoomItem(mWs.View.Zoom));
    ResizeBackScreen();
    mBack.SetScale(mWs.View.UnitsPerPixel());
    mMain.SetScale(mWs.View.UnitsPerPixel());
    mWs.View.HScroll.Value = 0;
    mWs.View.VScroll.Value = 0;
    // The tiles of the new scale are drawn from the snapshot as it is.
    if (mTiles == nullptr) ReDrawBackScreen();
    SetTScreen(mWs.View, mMain.ScaleWidth(), mMain.ScaleHeight());
    MainPictureResized();
}

void ScreenRenderer::ApplyZoomItem(int item) {
    if (auto zoom = ZoomForMenuItem(item)) {
        mWs.View.Zoom = *zoom;
        ChangeZoomie();
        return;
    }
    if (item != ZoomItemFit) return;
    model::Extents extents = model::GetLayoutExtents(mWs.Layout);
    // Room above and left of the track for the ruler and its numbers, which are drawn
    // over the board's top and left edges.
    extents.MinX -= RulerStripUnits;
    extents.MinY -= RulerStripUnits;
    mWs.View.Zoom = FitZoom(extents, mMain.PixelWidth(), mMain.PixelHeight());
    ChangeZoomie();
    // Show the fitted layout: scroll to its top-left corner, as far as the bars allow.
    View& view = mWs.View;
    if (view.HScroll.Enabled)
        view.HScroll.Value = std::clamp(extents.MinX, view.HScroll.Min, view.HScroll.Max);
    if (view.VScroll.Enabled)
        view.VScroll.Value = std::clamp(extents.MinY, view.VScroll.Min, view.VScroll.Max);
    if (view.HScroll.Value != 0 || view.VScroll.Value != 0) SetScroll();
}

void ScreenRenderer::SetScroll() {
    mWs.Changed.Mark(app::Change::View);
    SetTScreen(mWs.View, mMain.ScaleWidth(), mMain.ScaleHeight());
    RefreshMainPicture();
}

void ScreenRenderer::MainPictureResized() {
    mWs.Changed.Mark(app::Change::View);
    mMain.SetScale(mWs.View.UnitsPerPixel());
    SetTScreen(mWs.View, mMain.ScaleWidth(), mMain.ScaleHeight());
    UpdateScrollLimits();
    RefreshMainPicture();
}

model::Extents ScreenRenderer::RailReach() const {
    const model::Layout& layout = mWs.Layout;
    return layout.Index.Empty() ? model::Extents{0, 0, 0, 0} : layout.Index.Extent;
}

void ScreenRenderer::UpdateScrollLimits() {
    SetScrollLimits(mWs.View, mWs.Layout.LayoutWidth, mWs.Layout.LayoutHeight, RailReach());
}

} // namespace ferrovane::render
