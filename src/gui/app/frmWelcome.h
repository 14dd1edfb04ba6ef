#pragma once

#include <QWidget>

#include <functional>

namespace ferrovane::gui {

// The first window: the program's name and a button that starts a new layout.
class frmWelcome : public QWidget {
    Q_OBJECT
public:
    explicit frmWelcome(QWidget* parent = nullptr);

    // The user proceeds (the start-up order runs from here).
    std::function<void()> OnProceed;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ferrovane::gui
