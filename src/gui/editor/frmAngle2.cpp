#include "gui/editor/frmAngle2.h"

#include <QCursor>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "core/commands/edit/StatusText.h"
#include "core/commands/workspace/Workspace.h"
#include "core/values/platform/UiHost.h"

namespace ferrovane::gui {

namespace {

constexpr int PatternSize = 150;
constexpr int Margin = 6;
constexpr int ClipIntervalMs = 15;
constexpr double Pi = 3.14159265358979323846;

// Screen direction of an angle: 0 points down, 90 right (y grows downwards).
QPointF Direction(double degrees) {
    const double r = degrees * Pi / 180.0;
    return {std::sin(r), std::cos(r)};
}

void DrawArrow(QPainter& p, QPointF centre, QPointF dir, double length, double head) {
    const QPointF tip = centre + dir * (length / 2);
    const QPointF tail = centre - dir * (length / 2);
    const QPointF normal(-dir.y(), dir.x());
    p.drawLine(tail, tip - dir * head * 0.8);
    const QPointF base = tip - dir * head;
    p.drawPolygon(QPolygonF{tip, base + normal * (head * 0.6), base - normal * (head * 0.6)});
}

} // namespace

frmAngle2::frmAngle2(app::Workspace& ws, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), mWs(ws),
      mState(editor::OpenTypedAngle(ws)) {
    setObjectName(QStringLiteral("frmAngle2"));
    setWindowTitle(tr("角度"));
    setModal(true);
    setMouseTracking(true);

    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    column->setContentsMargins(Margin, Margin, Margin, Margin);
    column->setSpacing(4);
    column->addSpacing(PatternSize);

    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    mAngleCaption = new QLabel(tr("角度"), this);
    mAngleCaption->setMouseTracking(true);
    mAngleEdit = new QLineEdit(this);
    mAngleEdit->setObjectName(QStringLiteral("angleEdit"));
    mAngleEdit->setContextMenuPolicy(Qt::NoContextMenu);
    mAngleEdit->setMaxLength(16);
    mAngleEdit->setMinimumWidth(60);
    mAngleEdit->installEventFilter(this);
    auto* unit = new QLabel(tr("度"), this);
    unit->setMouseTracking(true);
    row->addWidget(mAngleCaption);
    row->addWidget(mAngleEdit, 1);
    row->addWidget(unit);
    column->addLayout(row);

    mClipTimer.setInterval(ClipIntervalMs);
    connect(&mClipTimer, &QTimer::timeout, this, &frmAngle2::ClampPointer);
    mAngleEdit->setFocus();
    adjustSize(); // the anchor is known before the window is shown
}

frmAngle2::~frmAngle2() {
    ReleaseMouseClip();
}

std::optional<float> frmAngle2::ShowModalAt(app::Workspace& ws, QWidget* parent, QPoint globalPos) {
    frmAngle2 window(ws, parent);
    window.adjustSize();
    QPoint topLeft = globalPos - window.PointerAnchor();
    if (const QScreen* screen = QGuiApplication::screenAt(globalPos)) {
        const QRect avail = screen->availableGeometry();
        topLeft.setX(std::clamp(topLeft.x(), avail.left(),
                                std::max(avail.left(), avail.right() - window.width())));
        topLeft.setY(std::clamp(topLeft.y(), avail.top(),
                                std::max(avail.top(), avail.bottom() - window.height())));
    }
    window.move(topLeft);
    window.exec();
    // The board's status line shows the pointer again.
    editor::SetStatusText(ws, "");
    return window.FlexAngle();
}

QRect frmAngle2::PatternRect() const {
    return {Margin, Margin, PatternSize, PatternSize};
}

QRect frmAngle2::Image1Rect() const {
    const QRect r = PatternRect();
    const int third = r.width() / 3;
    return {r.left() + third, r.top() + third, third, third};
}

QPoint frmAngle2::PointerAnchor() const {
    return mAngleCaption->geometry().center();
}

bool frmAngle2::OverImage1(QPoint pos) const {
    return Image1Rect().contains(pos);
}

void frmAngle2::PatternMove(QPoint pos) {
    const QRect r = PatternRect();
    editor::PickAngleAtPointer(mWs, mState, static_cast<float>(pos.x() - r.left()),
                               static_cast<float>(pos.y() - r.top()), static_cast<float>(r.width()),
                               static_cast<float>(r.height()));
    if (OverImage1(pos)) mWs.Host->SetStatusText(editor::TypedAngleCancelText());
    update();
}

void frmAngle2::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (PatternRect().contains(pos)) PatternMove(pos);
    QDialog::mouseMoveEvent(event);
}

void frmAngle2::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    // The pick under the pointer counts even when no move came before the click.
    if (PatternRect().contains(pos)) PatternMove(pos);
    if (event->button() == Qt::LeftButton && OverImage1(pos)) {
        reject();
        return;
    }
    const int button = event->button() == Qt::LeftButton    ? 1
                       : event->button() == Qt::RightButton ? 2
                                                            : 0;
    if (button == 0) return;
    const editor::TypedAngleClick click = editor::ClickTypedAngleWindow(mWs, mState, button);
    update();
    if (click.Close) {
        mFlexAngle = click.FlexAngle;
        accept();
    }
}

void frmAngle2::reject() {
    // Esc and the cancel picture: nothing is placed.
    editor::CancelTypedAngle(mWs, mState);
    mFlexAngle.reset();
    QDialog::reject();
}

bool frmAngle2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mAngleEdit && event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int code = key->key() == Qt::Key_Space ? ' ' : (key->key() < 256 ? key->key() : 0);
        const QByteArray before = mAngleEdit->text().toUtf8();
        std::string text(before.constData(), static_cast<std::size_t>(before.size()));
        editor::ApplyTypedAngleText(mWs, mState, text, code);
        if (text.size() != static_cast<std::size_t>(before.size())) {
            mAngleEdit->setText(
                QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        }
        update();
    }
    return QDialog::eventFilter(watched, event);
}

void frmAngle2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    LimitMouseClip();
}

void frmAngle2::hideEvent(QHideEvent* event) {
    ReleaseMouseClip();
    QDialog::hideEvent(event);
}

void frmAngle2::LimitMouseClip() {
    mClipTimer.start();
}

void frmAngle2::ReleaseMouseClip() {
    mClipTimer.stop();
}

void frmAngle2::ClampPointer() {
    // Only while this window has the focus: switching to another program frees the pointer.
    if (!isActiveWindow()) return;
    const QRect r = frameGeometry().adjusted(1, 1, -2, -2);
    const QPoint pos = QCursor::pos();
    const QPoint clamped(std::clamp(pos.x(), r.left(), r.right()),
                         std::clamp(pos.y(), r.top(), r.bottom()));
    if (clamped != pos) QCursor::setPos(clamped);
}

void frmAngle2::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    PaintPattern(p);
    PaintImage1(p);
}

void frmAngle2::PaintPattern(QPainter& p) const {
    const QRectF r = PatternRect();
    const QPointF centre = r.center();
    const double outer = r.width() * 0.48;
    const double inner = r.width() * 0.26;
    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    ring.addEllipse(centre, outer, outer);
    ring.addEllipse(centre, inner, inner);

    const QColor normal(0xdd, 0xe6, 0xf0);
    const QColor picked(0x4a, 0x86, 0xc8);
    const QColor arrow(0x33, 0x44, 0x55);
    const double third = r.width() / 3.0;
    // Each outer cell of the three-by-three pattern is one sector of the ring; the
    // cell's angle is the one the pattern picks there.
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            if (row == 1 && col == 1) continue;
            const QRectF cell(r.left() + col * third, r.top() + row * third, third, third);
            const float angle =
                editor::PatternAngle(static_cast<float>(cell.center().x() - r.left()),
                                     static_cast<float>(cell.center().y() - r.top()),
                                     static_cast<float>(r.width()), static_cast<float>(r.height()));
            QPainterPath cellPath;
            cellPath.addRect(cell);
            const bool isPicked = angle == mState.PickedAngle;
            p.setPen(QPen(palette().color(QPalette::Window), 2));
            p.setBrush(isPicked ? picked : normal);
            p.drawPath(ring.intersected(cellPath));
            // The arrow shows the way the piece will run, opposite its end angle.
            const QPointF dir = Direction(angle + 180);
            p.setPen(QPen(isPicked ? Qt::white : arrow, 1.5));
            p.setBrush(isPicked ? QColor(Qt::white) : arrow);
            DrawArrow(p, centre + dir * ((outer + inner) / 2), dir, (outer - inner) * 0.6, 6);
        }
    }
}

void frmAngle2::PaintImage1(QPainter& p) const {
    const QRectF r = QRectF(Image1Rect()).adjusted(3, 3, -3, -3);
    p.setPen(palette().color(QPalette::Dark));
    p.setBrush(palette().color(QPalette::Base));
    p.drawRoundedRect(r, 4, 4);
    const QPointF c = r.center();
    const double half = r.width() * 0.3;
    if (mState.PickedAngle == editor::NoAngle) {
        // Nothing picked: the picture is the cancel button.
        p.setPen(QPen(QColor(0xb0, 0x30, 0x30), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(-half * 0.7, -half * 0.7), c + QPointF(half * 0.7, half * 0.7));
        p.drawLine(c + QPointF(-half * 0.7, half * 0.7), c + QPointF(half * 0.7, -half * 0.7));
        return;
    }
    const QColor arrow(0x1e, 0x5a, 0x9c);
    p.setPen(QPen(arrow, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(arrow);
    DrawArrow(p, c, Direction(mState.PickedAngle + 180), half * 2, 8);
}

} // namespace ferrovane::gui
