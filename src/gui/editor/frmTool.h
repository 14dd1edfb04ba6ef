#pragma once

#include <QWidget>

#include <array>
#include <vector>

#include "core/app/board/RailAbout.h"
#include "core/app/board/RailList.h"
#include "core/app/board/ToolBoxButtons.h"

class QLabel;
class QListWidget;
class QGridLayout;

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::gui {

class ToolBoxButton;

// The floating tool box: kind and tool buttons, the rail list, the labels of the chosen
// piece and the rail-information panel. It shows the workspace's tool-box state and
// hands every click to the core; the main window calls the public procedures when the
// board changes that state.
class frmTool : public QWidget {
    Q_OBJECT
public:
    frmTool(app::Workspace& ws, QWidget* mainWindow);

    // Redraws the buttons for the current ButtonId (nothing when already drawn for it).
    void setButton();
    // Refills the rail list for the chosen kind (the core decides the board's mode).
    void setlstRails();
    // Shows a list the board already filled, choosing the current piece's row.
    void ShowRailList(const std::vector<editor::RailListEntry>& list);
    // The Up and Down keys of the board: the next or previous entry.
    void StepRailList(int delta);
    // The panel shows these lines in the rail's colour.
    void ShowRailAbout(const editor::RailAbout& about);
    // The panel shown or hidden as IsRailAboutOn says.
    void ShowRailAbout();
    // The rail-information button's click (also the menu item and its key).
    void ToggleRailAbout();
    // Lays the window out large or small as LargeToolBox says.
    void SetSize();
    // The pointer moved onto the board: no button is under it.
    void PointerOnBoard();

    const editor::ButtonLook& Look() const { return mLook; }
    const std::vector<editor::RailListEntry>& Entries() const { return mEntries; }

signals:
    // A command entry of the flexible or object list was chosen.
    void CommandChosen(editor::ToolCommand command);
    // The buttons were redrawn; the main window draws its zoom picture from this.
    void LookChanged(const editor::ButtonLook& look);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // A new window font: the fixed size is worked out again once the texts are laid out
    // in it.
    void changeEvent(QEvent* event) override;

private:
    bool mResizePending = false;
    ToolBoxButton* AddButton(QGridLayout* grid, int row, int column, const char* icon, int hoverId);
    void Hover(int buttonId);
    void ApplyLook();
    void FitListHeight();
    void ChooseRow(int row, bool fromClick);
    void ShowLabels(const editor::RailLabels& labels);
    void ObjectPressed(int kind);
    void ExecutePressed();

    app::Workspace& mWs;
    editor::ButtonLook mLook;
    std::vector<editor::RailListEntry> mEntries;
    bool mFilling = false;

    std::array<ToolBoxButton*, 6> picObject{};
    ToolBoxButton* picAbout = nullptr;
    ToolBoxButton* picUpper = nullptr;
    ToolBoxButton* picSize = nullptr;
    ToolBoxButton* picExecute = nullptr;
    ToolBoxButton* picArrow = nullptr;
    ToolBoxButton* picRuler = nullptr;
    QListWidget* lstRails = nullptr;
    QLabel* lblLength = nullptr;
    QLabel* lblRadian = nullptr;
    QLabel* lblDegree = nullptr;
    QLabel* lblLength2 = nullptr;
    QLabel* lblRadian2 = nullptr;
    QLabel* lblDegree2 = nullptr;
    QLabel* picRailAbout = nullptr;
};

} // namespace ferrovane::gui
