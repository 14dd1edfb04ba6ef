#pragma once

#include <QImage>

#include "core/compute/render/BoardSnapshot.h"
#include "core/compute/render/TileGrid.h"

namespace ferrovane::gui {

// The whole board at a scale as one image (one pixel per board pixel), drawn piece by
// piece with the board's tile driver. A null image when the board is too large for one
// image at this scale (the off-screen size cap) or the memory cannot be had.
QImage ExportBoardImage(const render::BoardSnapshot& snapshot, float scale,
                        int bandSize = render::DefaultTileSize);

} // namespace ferrovane::gui
