#pragma once

#include <QDialog>
#include <QLineEdit>

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::gui {

// The move-all window: x and y offsets, both "0" at first; the button moves every
// rail (editor::MoveAllByText) and closes the window, or keeps it open after a
// refusal.
class frmMoveAll : public QDialog {
    Q_OBJECT
public:
    frmMoveAll(app::Workspace& ws, QWidget* parent);

private:
    void Move();
    app::Workspace& mWs;
    QLineEdit* mX = nullptr;
    QLineEdit* mY = nullptr;
};

} // namespace ferrovane::gui
