#pragma once

#include <QDialog>
#include <QPlainTextEdit>

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::gui {

// The parts-list window: the report of the open layout, built once when the window
// opens, in a fixed-pitch font so that the counts line up; it can be copied to the
// clipboard or saved as text or CSV.
class frmRailCount : public QDialog {
    Q_OBJECT
public:
    frmRailCount(app::Workspace& ws, QWidget* parent);

    // Appends one line of the report.
    void AddText(const QString& line);
    QPlainTextEdit* Report() const { return mText; }

private:
    app::Workspace& mWs;
    QPlainTextEdit* mText = nullptr;
    QString mCopyText;
};

} // namespace ferrovane::gui
