#pragma once

#include <QDialog>
#include <QTimer>

#include <optional>

#include "core/app/board/TypedAngle.h"

class QLabel;
class QLineEdit;

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::gui {

// The typed-angle window: a piece not attached to an end (above all the first of a
// layout) gets its start angle here, from the eight-direction pattern or a typed angle;
// it also gives the direction of a free end of a flexible rail. The board's clicked
// position is the piece's start.
class frmAngle2 : public QDialog {
    Q_OBJECT
public:
    frmAngle2(app::Workspace& ws, QWidget* parent);
    ~frmAngle2() override;

    // Opens the window modally with the pointer resting on its angle caption, so that a
    // typed angle is committed by a click in place. Returns the angle chosen for a
    // flexible-rail end (nullopt otherwise, and when cancelled).
    static std::optional<float> ShowModalAt(app::Workspace& ws, QWidget* parent, QPoint globalPos);

    // Where the pointer rests when the window opens, in window coordinates.
    QPoint PointerAnchor() const;
    // The pattern's square, in window coordinates.
    QRect PatternRect() const;
    const editor::TypedAngleState& State() const { return mState; }
    std::optional<float> FlexAngle() const { return mFlexAngle; }

    // Confines the pointer to the window while it is open; ReleaseMouseClip lifts it.
    void LimitMouseClip();
    void ReleaseMouseClip();

public slots:
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OverImage1(QPoint pos) const;
    QRect Image1Rect() const;
    void PatternMove(QPoint pos);
    void PaintPattern(QPainter& p) const;
    void PaintImage1(QPainter& p) const;
    void ClampPointer();

    app::Workspace& mWs;
    editor::TypedAngleState mState;
    std::optional<float> mFlexAngle;
    QLineEdit* mAngleEdit = nullptr;
    QLabel* mAngleCaption = nullptr;
    QTimer mClipTimer;
};

} // namespace ferrovane::gui
