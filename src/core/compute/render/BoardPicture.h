#pragma once

#include "core/compute/render/BoardSnapshot.h"
#include "core/compute/render/Surface.h"

namespace ferrovane::render {

// The board picture made of tiles that the front end draws as they are needed: the
// renderer tells it what to show and asks for the visible window.
class BoardPicture {
public:
    virtual ~BoardPicture() = default;
    // The board from now on, at scale layout units per pixel.
    virtual void Show(BoardSnapshotPtr snapshot, float scale) = 0;
    // Copies the window of the picture from pixel (px, py) on onto the whole target:
    // the tiles drawn so far, white where a tile is not drawn yet; the missing tiles
    // are drawn meanwhile and the target is refreshed as they come.
    virtual void Compose(Surface& target, int px, int py) = 0;
};

} // namespace ferrovane::render
