#pragma once

#include "core/compute/render/BackScreenSize.h"
#include "core/compute/render/BoardPicture.h"
#include "core/compute/render/BoardSnapshot.h"
#include "core/compute/render/DrawContext.h"
#include "core/compute/render/RedrawTarget.h"
#include "core/compute/render/Surface.h"
#include "core/values/model/RailIndex.h"

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::render {

inline constexpr float RecoveryZoom = 1.5f;
inline constexpr int BackScreenTooLargeHelpTopic = 139;
const char* BackScreenTooLargeText();

// The board's drawing: the off-screen image BackScreen holding the whole board, and
// the visible board MainPicture showing a window of it with its overlays. Editing
// reaches it through RedrawTarget; the view's zoom and scrolling go through it too.
class ScreenRenderer : public RedrawTarget {
public:
    ScreenRenderer(app::Workspace& ws, Surface& backScreen, Surface& mainPicture);

    // Full redraw of BackScreen (grid, border, rails), then RefreshMainPicture. Sizes
    // BackScreen first when the board or the zoom changed since it was made.
    void ReDrawBackScreen() override;
    void DrawLayoutOnBackScreen() override;
    // One rail into BackScreen; the preview slot 0 is never drawn there.
    void DrawRailOnBackScreen(int rail) override;
    // The visible window copied from BackScreen, then ruler, numbers and selection.
    void RefreshMainPicture() override;
    void DrawPreviewOnMainPicture() override { DrawRailOnMainPicture(0); }
    void DrawRailOnMainPicture(int rail) override;
    void SetHighlightSelRail() override;
    void ShowHoverRail() override;
    // BackScreen at board / (zoom + 1) pixels; an image beyond the size cap (or one the
    // surface cannot make) falls back to zoom 1.5 with a warning and a BackScreen the
    // size of MainPicture.
    void ResizeBackScreen() override;

    // Applies the zoom factor to both surfaces, scrolls to the top-left and redraws.
    void ChangeZoomie();
    // Zoom menu items 0..3 (fixed zooms) and 4 (fit the layout into the board).
    void ApplyZoomItem(int item);
    // The scroll bars moved: TScreen follows and MainPicture is refreshed.
    void SetScroll();
    // MainPicture changed size: TScreen, the scroll bar limits, a refresh.
    void MainPictureResized();

    // The board from now on comes from tiles drawn as needed instead of the off-screen
    // image: no size cap, no full redraw; every request that drew into the off-screen
    // image marks the layout for a new snapshot, taken at the next refresh.
    void UseTiles(BoardPicture* tiles);
    bool Tiled() const { return mTiles != nullptr; }
    // A snapshot of the board as it is now (the tiles' last one when nothing changed).
    BoardSnapshotPtr Snapshot();

    Surface& BackScreen() { return mBack; }
    Surface& MainPicture() { return mMain; }

private:
    DrawContext Context(ViewOrigin origin) const;
    void DrawHighlightedWithGroup(int rail);
    void EnsureBackScreenSize();
    // The scroll bars' limits over the board and every rail, wherever it lies.
    void UpdateScrollLimits();
    // How far the rails reach, as the index keeps it (never less than they do).
    model::Extents RailReach() const;
    void DrawRailsPastTheBoard();
    void DrawFlexOverlay();
    void RecoverFromOversizedBackScreen();

    app::Workspace& mWs;
    Surface& mBack;
    Surface& mMain;
    PixelSize mFailedSize{-1, -1};
    BoardPicture* mTiles = nullptr;
    BoardSnapshotPtr mSnapshot;
    bool mSnapshotStale = true;
    float mShownScale = 0;
};

} // namespace ferrovane::render
