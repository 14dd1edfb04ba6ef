#pragma once

#include <QDialog>

#include "core/app/about/AboutText.h"

namespace ferrovane::gui {

// The About box: the program and its version, the toolkit and the system it runs on,
// a button that copies all of it for a bug report, and where to find the program.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent);

    // What this running program reports about itself.
    static app::AboutFacts Facts();
    const QString& Report() const { return mReport; }
    void CopyReport();

private:
    QString mReport;
};

} // namespace ferrovane::gui
