#pragma once

namespace ferrovane::render {

// What editing asks of the drawing side: the off-screen image, one rail drawn into
// it, the preview on the visible board. The renderer implements it; without one (the
// command line without rendering, most tests) the requests do nothing.
class RedrawTarget {
public:
    virtual ~RedrawTarget() = default;
    virtual void ReDrawBackScreen() {}
    virtual void DrawRailOnBackScreen(int /*rail*/) {}
    // Copies the off-screen image to the visible board with its overlays.
    virtual void RefreshMainPicture() {}
    // Draws the preview slot 0 on the visible board only.
    virtual void DrawPreviewOnMainPicture() {}
    // Draws every rail into the off-screen image over what it holds.
    virtual void DrawLayoutOnBackScreen() {}
    // Draws one rail (0: the preview) on the visible board only.
    virtual void DrawRailOnMainPicture(int /*rail*/) {}
    // The selection, highlighted on the visible board.
    virtual void SetHighlightSelRail() {}
    // The rail under the pointer (PointedRail), highlighted and filled, with its name in
    // the status line.
    virtual void ShowHoverRail() {}
    // Sizes the off-screen image for the board size and zoom.
    virtual void ResizeBackScreen() {}
};

// The target that draws nothing.
RedrawTarget& NullRedrawTarget();

} // namespace ferrovane::render
