#include "gui/editor/ToolBoxButton.h"

#include <QMouseEvent>
#include <QPainter>

namespace ferrovane::gui {

namespace {
constexpr int FacePadding = 3;
}

ToolBoxButton::ToolBoxButton(const QString& iconPath, QWidget* parent)
    : QWidget(parent), mIcon(iconPath) {
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ToolBoxButton::SetIcon(const QString& iconPath) {
    mIcon = QIcon(iconPath);
    update();
}

void ToolBoxButton::SetFace(editor::ButtonFace face) {
    if (face == mFace) return;
    mFace = face;
    update();
}

void ToolBoxButton::SetIconSize(int pixels) {
    mIconSize = pixels;
    updateGeometry();
    setFixedSize(sizeHint());
    update();
}

QSize ToolBoxButton::sizeHint() const {
    return {mIconSize + 2 * FacePadding, mIconSize + 2 * FacePadding};
}

void ToolBoxButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    const QPalette& pal = palette();
    QColor face = pal.color(QPalette::Button);
    if (mFace == editor::ButtonFace::Sunken) face = face.darker(112);
    if (mFace == editor::ButtonFace::Raised) face = face.lighter(104);
    p.fillRect(rect(), face);
    if (mFace != editor::ButtonFace::Flat) {
        const bool sunken = mFace == editor::ButtonFace::Sunken;
        const QColor light = pal.color(QPalette::Light);
        const QColor dark = pal.color(QPalette::Dark);
        p.setPen(sunken ? dark : light);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(sunken ? light : dark);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
    // A pressed-in face shifts its picture, as a real button does.
    const int shift = mFace == editor::ButtonFace::Sunken ? 1 : 0;
    const QRect iconRect(FacePadding + shift, FacePadding + shift, mIconSize, mIconSize);
    mIcon.paint(&p, iconRect);
}

void ToolBoxButton::mouseMoveEvent(QMouseEvent* event) {
    emit Hovered();
    event->accept(); // the tool box behind would take the pointer as off the buttons
}

void ToolBoxButton::enterEvent(QEnterEvent* event) {
    emit Hovered();
    QWidget::enterEvent(event);
}

void ToolBoxButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit Pressed();
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

} // namespace ferrovane::gui
