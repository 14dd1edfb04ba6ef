#pragma once

#include <functional>
#include <utility>

#include "core/compute/render/RedrawTarget.h"

namespace ferrovane::gui {

// Passes the editor's drawing requests on to the board's renderer and asks for the
// board widget to be repainted after each, so that whatever draws on the visible board
// (a modal window's preview, the tool box) shows at once and not at the next event of
// the main window.
class PictureRedraw : public render::RedrawTarget {
public:
    PictureRedraw(render::RedrawTarget& inner, std::function<void()> changed)
        : mInner(inner), mChanged(std::move(changed)) {}

    void ReDrawBackScreen() override { Then(&RedrawTarget::ReDrawBackScreen); }
    void DrawRailOnBackScreen(int rail) override {
        mInner.DrawRailOnBackScreen(rail);
        mChanged();
    }
    void RefreshMainPicture() override { Then(&RedrawTarget::RefreshMainPicture); }
    void DrawPreviewOnMainPicture() override { Then(&RedrawTarget::DrawPreviewOnMainPicture); }
    void DrawLayoutOnBackScreen() override { Then(&RedrawTarget::DrawLayoutOnBackScreen); }
    void DrawRailOnMainPicture(int rail) override {
        mInner.DrawRailOnMainPicture(rail);
        mChanged();
    }
    void SetHighlightSelRail() override { Then(&RedrawTarget::SetHighlightSelRail); }
    void ShowHoverRail() override { Then(&RedrawTarget::ShowHoverRail); }
    void ResizeBackScreen() override { Then(&RedrawTarget::ResizeBackScreen); }

private:
    void Then(void (RedrawTarget::*request)()) {
        (mInner.*request)();
        mChanged();
    }

    render::RedrawTarget& mInner;
    std::function<void()> mChanged;
};

} // namespace ferrovane::gui
