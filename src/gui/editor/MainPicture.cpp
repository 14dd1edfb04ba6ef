#include "gui/editor/MainPicture.h"

#include <QWheelEvent>

#include <QMouseEvent>
#include <QPainter>

namespace ferrovane::gui {

MainPicture::MainPicture(ImageSurface& surface, QWidget* parent)
    : QWidget(parent), mSurface(surface) {
    setObjectName(QStringLiteral("MainPicture"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    setMinimumSize(80, 60);
}

void MainPicture::paintEvent(QPaintEvent*) {
    // A move to a screen of another density repaints without resizing.
    if (devicePixelRatioF() != mRatio) {
        mRatio = devicePixelRatioF();
        if (OnResize) OnResize(width(), height());
    }
    mSurface.Flush();
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    // The image carries its pixel ratio: drawn at its device-independent size, every
    // physical pixel lands on one of the screen's.
    painter.drawImage(0, 0, mSurface.Image());
}

void MainPicture::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    mRatio = devicePixelRatioF();
    if (OnResize) OnResize(width(), height());
}

editor::BoardEvent MainPicture::ToBoard(const QMouseEvent* event, int button) const {
    const float scale = UnitsPerPixel ? UnitsPerPixel() : 1.0f;
    editor::BoardEvent e;
    e.Button = button;
    const Qt::KeyboardModifiers mods = event->modifiers();
    e.Shift = (mods & Qt::ShiftModifier ? 1 : 0) | (mods & Qt::ControlModifier ? 2 : 0) |
              (mods & Qt::AltModifier ? 4 : 0);
    e.X = static_cast<float>(event->position().x()) * scale;
    e.Y = static_cast<float>(event->position().y()) * scale;
    return e;
}

namespace {
int ButtonOf(Qt::MouseButton b) {
    if (b == Qt::LeftButton) return editor::LeftButton;
    if (b == Qt::RightButton) return editor::RightButton;
    return 0;
}
int HeldButton(Qt::MouseButtons b) {
    if (b & Qt::LeftButton) return editor::LeftButton;
    if (b & Qt::RightButton) return editor::RightButton;
    return 0;
}
} // namespace

void MainPicture::mousePressEvent(QMouseEvent* event) {
    mLastGlobal = event->globalPosition().toPoint();
    const int button = ButtonOf(event->button());
    if (button == 0) return;
    if (OnMouseDown) OnMouseDown(ToBoard(event, button));
    update();
}

// A double click is two clicks on the board.
void MainPicture::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void MainPicture::mouseMoveEvent(QMouseEvent* event) {
    mLastGlobal = event->globalPosition().toPoint();
    if (OnMouseMove) OnMouseMove(ToBoard(event, HeldButton(event->buttons())));
    update();
}

void MainPicture::mouseReleaseEvent(QMouseEvent* event) {
    mLastGlobal = event->globalPosition().toPoint();
    const int button = ButtonOf(event->button());
    if (button == 0) return;
    if (OnMouseUp) OnMouseUp(ToBoard(event, button));
    update();
}

void MainPicture::wheelEvent(QWheelEvent* event) {
    if (!OnWheel) {
        QWidget::wheelEvent(event);
        return;
    }
    OnWheel(event->angleDelta(), event->pixelDelta(), event->modifiers(), event->position());
    event->accept();
}

} // namespace ferrovane::gui
