#pragma once

#include <QDialog>

#include "core/compute/catalogue/Catalogue.h"

class QLabel;
class QListWidget;

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::gui {

// The rail-box window: the catalogue's boxes with a picture of the chosen one; delete,
// rename, and a new box from the rails selected on the board. Changes are written to
// the catalogue file when the user saves; closing without saving asks.
class frmEditRailBox : public QDialog {
    Q_OBJECT
public:
    frmEditRailBox(app::Workspace& ws, QWidget* parent);

    void done(int result) override;

private:
    void FillList(int currentHeader);
    int CurrentHeader() const;
    void ShowPreview();

    app::Workspace& mWs;
    const catalogue::Catalogue mOpened;
    QListWidget* mList = nullptr;
    QLabel* mPreview = nullptr;
    bool mSaved = false;
};

} // namespace ferrovane::gui
