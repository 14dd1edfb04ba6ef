#include "gui/render/BoardImageExport.h"

#include <QPainter>

#include "core/compute/render/BackScreenSize.h"
#include "core/compute/render/TileGrid.h"
#include "gui/render/BoardTiles.h"

namespace ferrovane::gui {

QImage ExportBoardImage(const render::BoardSnapshot& snapshot, float scale, int bandSize) {
    const render::PixelSize size =
        render::BackScreenPixelSize(snapshot.LayoutWidth, snapshot.LayoutHeight, scale - 1);
    if (!render::BackScreenFits(size)) return {};
    QImage image(static_cast<int>(size.Width), static_cast<int>(size.Height), QImage::Format_RGB32);
    if (image.isNull()) return {};
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const render::TileGrid grid(bandSize);
    for (const render::TileKey key : grid.Covering({0, 0, size.Width, size.Height})) {
        const render::PixelRect area = grid.Rect(key);
        painter.drawImage(QPoint(static_cast<int>(area.X), static_cast<int>(area.Y)),
                          DrawBoardAreaImage(snapshot, scale, area));
    }
    return image;
}

} // namespace ferrovane::gui
