#pragma once

#include <QPushButton>

#include <cstdint>

namespace ferrovane::gui {

// A swatch showing a layout colour; a click on it asks for another colour (the owner
// connects clicked to the colour question).
class ColourSample : public QPushButton {
    Q_OBJECT
public:
    ColourSample(QWidget* parent, QSize size);
    // An RGB long, red in the low byte, as the layout stores colours.
    void SetColour(std::int32_t colour);
};

} // namespace ferrovane::gui
