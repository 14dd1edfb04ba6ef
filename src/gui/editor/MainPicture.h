#pragma once

#include <QWidget>

#include <functional>

#include "core/app/board/Board.h"
#include "gui/render/ImageSurface.h"

namespace ferrovane::gui {

// The visible board: shows the retained image of the board surface and forwards the
// mouse to the board's state machine in layout units. It decides nothing.
class MainPicture : public QWidget {
    Q_OBJECT
public:
    MainPicture(ImageSurface& surface, QWidget* parent = nullptr);

    // Layout units per pixel of the board (the zoom), to convert event positions.
    std::function<float()> UnitsPerPixel;
    std::function<void(const editor::BoardEvent&)> OnMouseDown;
    std::function<void(const editor::BoardEvent&)> OnMouseMove;
    std::function<void(const editor::BoardEvent&)> OnMouseUp;
    // The widget's new size in device-independent pixels; also called with the same
    // size when the screen's pixel ratio changed (moved to another screen), so the
    // surfaces are remade at the new ratio.
    std::function<void(int, int)> OnResize;
    // A wheel or touchpad turn over the board: the wheel's angle and the touchpad's pixel
    // deltas, the modifiers, and the pointer in widget pixels.
    std::function<void(QPoint, QPoint, Qt::KeyboardModifiers, QPointF)> OnWheel;

    // The position of the last event, for windows that open at the pointer.
    QPoint LastGlobalPos() const { return mLastGlobal; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    editor::BoardEvent ToBoard(const QMouseEvent* event, int button) const;

    ImageSurface& mSurface;
    QPoint mLastGlobal;
    double mRatio = 0; // the pixel ratio the surfaces were last sized for
};

} // namespace ferrovane::gui
