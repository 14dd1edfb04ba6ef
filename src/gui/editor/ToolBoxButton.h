#pragma once

#include <QIcon>
#include <QWidget>

#include "core/app/board/ToolBoxButtons.h"

namespace ferrovane::gui {

// A picture button of the tool box: an icon on a face drawn flat, raised or sunken as
// the tool box's state says. It reports the pointer over it and the left button.
class ToolBoxButton : public QWidget {
    Q_OBJECT
public:
    ToolBoxButton(const QString& iconPath, QWidget* parent);

    void SetIcon(const QString& iconPath);
    void SetFace(editor::ButtonFace face);
    editor::ButtonFace Face() const { return mFace; }
    void SetIconSize(int pixels);

    QSize sizeHint() const override;

signals:
    void Hovered();
    void Pressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    QIcon mIcon;
    editor::ButtonFace mFace = editor::ButtonFace::Flat;
    int mIconSize = 32;
};

} // namespace ferrovane::gui
