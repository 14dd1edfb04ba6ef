#include "gui/editor/ColourSample.h"

#include "gui/render/PainterSurface.h"

namespace ferrovane::gui {

ColourSample::ColourSample(QWidget* parent, QSize size) : QPushButton(parent) {
    setObjectName(QStringLiteral("colourSample"));
    setFixedSize(size);
    setAutoDefault(false);
    setToolTip(tr("クリックで色を選びます"));
}

void ColourSample::SetColour(std::int32_t colour) {
    setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid #444;")
                      .arg(ToQColor(colour).name()));
}

} // namespace ferrovane::gui
