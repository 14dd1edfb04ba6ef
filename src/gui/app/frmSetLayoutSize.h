#pragma once

#include <QDialog>
#include <QLineEdit>

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::gui {

// The layout-size window: the board's width and height, shown as they are. OK sets
// them (editor::AcceptLayoutSize) and closes; a refused size keeps the window open.
class frmSetLayoutSize : public QDialog {
    Q_OBJECT
public:
    frmSetLayoutSize(app::Workspace& ws, QWidget* parent);

private:
    void Accept();
    app::Workspace& mWs;
    QLineEdit* mWidth = nullptr;
    QLineEdit* mHeight = nullptr;
};

} // namespace ferrovane::gui
