#pragma once

#include <QDialog>

#include "core/commands/output/PrintPlan.h"
#include "gui/output/PrintChoice.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::gui {

class PlanPreview;

// The print preview: where the sheets fall over the layout at the chosen scale and
// paper, the options, and the print command (to a printer or to a PDF file).
class frmPreview : public QDialog {
    Q_OBJECT
public:
    frmPreview(app::Workspace& ws, PrintChoice& choice, QWidget* parent);

    const output::PrintPlan& Plan() const { return mPlan; }
    PlanPreview* Preview() const { return mPreview; }
    // "印刷 (&P)": the pages of the preview to the chosen printer or PDF file.
    void Print();

private:
    void ReadControls();
    void Rebuild(bool railsChanged);
    QPageLayout ChosenPageLayout() const;

    app::Workspace& mWs;
    PrintChoice& mChoice;
    output::PrintPlan mPlan;
    PlanPreview* mPreview = nullptr;
    QComboBox* mPrinter = nullptr;
    QComboBox* mPaper = nullptr;
    QRadioButton* mPortrait = nullptr;
    QRadioButton* mLandscape = nullptr;
    QComboBox* mScale = nullptr;
    QComboBox* mMagnification = nullptr;
    QCheckBox* mTexts = nullptr;
    QCheckBox* mParts = nullptr;
    QCheckBox* mColour = nullptr;
    QCheckBox* mRuler = nullptr;
    QCheckBox* mGrid = nullptr;
    QCheckBox* mAutoRange = nullptr;
    QCheckBox* mSkipEmpty = nullptr;
    QLabel* mPageCount = nullptr;
};

} // namespace ferrovane::gui
