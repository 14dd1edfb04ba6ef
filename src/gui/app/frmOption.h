#pragma once

#include <QDialog>

#include <array>
#include <map>

#include "core/app/options/OptionFieldChecks.h"
#include "core/app/options/OptionsOk.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace ferrovane::app {
struct Workspace;
struct StartUpContext;
} // namespace ferrovane::app

namespace ferrovane::gui {

class ColourBox;
class frmTool;

// The options window: every setting in a control, each numeric field checked as the
// user leaves it, OK applying and saving them all. The checks and OK are the core's.
class frmOption : public QDialog, private app::OptionsWindowSteps {
    Q_OBJECT
public:
    frmOption(app::Workspace& ws, const app::StartUpContext& context, frmTool* toolBox,
              QWidget* parent);
    ~frmOption() override;

    QLineEdit* Field(app::OptionField field) const { return mFields.at(field); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build();
    void ShowValues();
    void TakeValues();
    void LeaveField(app::OptionField field);
    void OKButton_Click();

    // OptionsWindowSteps
    void CloseToolBox() override;
    void SetFormFont() override;
    void ResizeToolBox() override;
    void CloseDialog() override;

    app::Workspace& mWs;
    const app::StartUpContext& mContext;
    frmTool* mToolBox;
    app::OptionValues mValues;
    bool mChecking = false;

    std::map<app::OptionField, QLineEdit*> mFields;
    ColourBox* mRailColour = nullptr;
    ColourBox* mNextRailColour = nullptr;
    ColourBox* mHighlightRailColour = nullptr;
    ColourBox* mGridColour = nullptr;
    QComboBox* mZoomCombo = nullptr;
    QRadioButton* mLargeToolBox = nullptr;
    QRadioButton* mSmallToolBox = nullptr;
    QListWidget* lstItems = nullptr;
    QScrollBar* mFlexScroll = nullptr;
    QCheckBox* mHorizontalScrollBar = nullptr;
    QCheckBox* mAutoScroll = nullptr;
    QCheckBox* mAccurateAngle = nullptr;
    std::array<QRadioButton*, 3> mFontOptions{};
    QComboBox* mLanguageCombo = nullptr;
    QPushButton* mOk = nullptr;
    QPushButton* mCancel = nullptr;
    QPushButton* mHelp = nullptr;
};

} // namespace ferrovane::gui
