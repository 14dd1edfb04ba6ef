#include "gui/app/frmGeneral.h"

namespace ferrovane::gui {

namespace {
constexpr int NoteMilliseconds = 2500;
}

frmGeneral::frmGeneral(QWidget* board) : QLabel(board) {
    setObjectName(QStringLiteral("frmGeneral"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setWordWrap(true);
    setMargin(8);
    setStyleSheet(QStringLiteral("QLabel#frmGeneral { background: rgba(255, 255, 225, 235);"
                                 " border: 1px solid #8a8a6a; border-radius: 4px; color: #222; }"));
    hide();
    mTimer.setSingleShot(true);
    connect(&mTimer, &QTimer::timeout, this, &QWidget::hide);
}

void frmGeneral::ShowNote(const QString& text) {
    setText(text);
    Reposition();
    show();
    raise();
    mTimer.start(NoteMilliseconds);
}

void frmGeneral::Reposition() {
    QWidget* board = parentWidget();
    if (!board) return;
    const int width = qMin(360, qMax(160, board->width() - 24));
    setFixedWidth(width);
    adjustSize();
    // Bottom left: clear of the tool box, which floats at the top right.
    move(12, board->height() - height() - 12);
}

} // namespace ferrovane::gui
