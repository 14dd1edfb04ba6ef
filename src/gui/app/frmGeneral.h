#pragma once

#include <QLabel>
#include <QTimer>

namespace ferrovane::gui {

// The message window: a short note shown over the board (for example that two rails
// were joined) that closes itself after a few seconds, without taking the focus.
class frmGeneral : public QLabel {
    Q_OBJECT
public:
    explicit frmGeneral(QWidget* board);

    void ShowNote(const QString& text);

private:
    void Reposition();
    QTimer mTimer;
};

} // namespace ferrovane::gui
