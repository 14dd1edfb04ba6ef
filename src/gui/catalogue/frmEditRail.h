#pragma once

#include <QDialog>

#include <array>
#include <string>

#include "core/commands/catalogue/CatalogueEditor.h"
#include "core/compute/catalogue/RTypeForm.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::gui {

// The catalogue editor: entries of one kind in a list, the fields of the chosen entry,
// and the commands that change the catalogue. It works on the workspace's catalogue;
// opening, closing, saving and putting the catalogue back are the core's.
class frmEditRail : public QDialog {
    Q_OBJECT
public:
    frmEditRail(app::Workspace& ws, QWidget* parent = nullptr);

    // The entry whose fields are shown (-1: none).
    int ShownEntry() const { return mRow; }

public slots:
    // The close box and Esc: asks whether to save when the catalogue changed.
    void reject() override;

private:
    void BuildControls();
    void FillList(int row);
    void ShowEntry(int row);
    void ShowForm(const catalogue::RTypeForm& form);
    void EnableFields();
    catalogue::RTypeForm ReadForm() const;
    bool MayLeaveEntry();
    void ListRowChanged(int row);
    void KindChanged(int kind);
    void CheckNumber(int box);
    void AngleScrolled(int value);
    void AngleTextChanged();
    void ShowColour();
    void ChooseColour();
    void Register();
    void AddEntry();
    void DeleteEntry();
    void RenameEntry();
    void AutoColours();
    void ApplyColours();
    void SaveAndClose();

    app::Workspace& mWs;
    catalogue::CatalogueEditorSession mSession;
    int mKind = 0;
    int mRow = -1;
    std::int32_t mColour = 0;
    bool mSyncing = false;
    bool mClosed = false;
    // What each numeric box held when it was last accepted.
    std::array<std::string, 3> mAccepted;

    QComboBox* cmbObjType = nullptr;
    QListWidget* railList = nullptr;
    std::array<QLineEdit*, 3> numberEdits{}; // length, radius, angle
    std::array<QLabel*, 3> numberLabels{};
    QScrollBar* angleScroll = nullptr;
    QLabel* angleLabel = nullptr;
    QLabel* colourLabel = nullptr;
    QPushButton* colourButton = nullptr;
    QCheckBox* curvePointCheck = nullptr;
    QRadioButton* leftFacingOption = nullptr;
    QRadioButton* rightFacingOption = nullptr;
    QComboBox* levelCombo = nullptr;
    QPushButton* addButton = nullptr;
    QPushButton* deleteButton = nullptr;
    QPushButton* renameButton = nullptr;
    QPushButton* registerButton = nullptr;
    QPushButton* autoColourButton = nullptr;
    QPushButton* applyColourButton = nullptr;
    QPushButton* saveCloseButton = nullptr;
};

} // namespace ferrovane::gui
