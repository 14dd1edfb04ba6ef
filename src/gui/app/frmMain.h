#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QScrollBar>
#include <QToolButton>

#include <array>
#include <memory>

#include "core/app/board/Board.h"
#include "core/app/board/BoardView.h"
#include "core/app/board/RailList.h"
#include "core/app/startup/MainWindowShell.h"
#include "core/app/startup/StartUp.h"
#include "core/commands/document/DocumentContext.h"
#include "core/commands/render/ScreenRenderer.h"
#include "core/commands/workspace/Workspace.h"
#include "gui/editor/PictureRedraw.h"
#include "gui/editor/ToolWindow.h"
#include "gui/output/PrintChoice.h"
#include "gui/platform/QtUiHost.h"
#include "gui/render/BoardTiles.h"
#include "gui/render/ImageSurface.h"

namespace ferrovane::app {
class Autosaver;
}

namespace ferrovane::gui {

class MainPicture;
class DesignCheckDock;
class frmGeneral;
class frmTool;
class QSettingsStore;

// The main window: menus, the board with its scroll bars, the status line and the zoom
// picture. It owns the workspace and wires the core's board, renderer and document
// commands to the widgets; what any command does is the core's.
class frmMain : public QMainWindow,
                public app::MainWindowShell,
                public document::BoardFrame,
                public editor::BoardView {
    Q_OBJECT
public:
    // programDir: the program's folder (bundled catalogues, start-up log);
    // userStore/appStore: the settings stores.
    frmMain(const QString& programDir, app::SettingsStore& userStore, app::SettingsStore& appStore,
            QWidget* parent = nullptr);
    ~frmMain() override;

    app::Workspace& Ws() { return mWs; }
    const app::StartUpContext& Context() const { return mContext; }
    editor::Board& GetBoard() { return *mBoard; }
    render::ScreenRenderer& Renderer() { return *mRenderer; }
    MainPicture* Picture() { return mPicture; }
    // A copy of the off-screen image as drawn so far.
    QImage BackScreenImage() {
        mBackScreen.Flush();
        return mBackScreen.Image().copy();
    }
    // Lets the event loop run until every visible tile of the board is drawn.
    bool WaitForBoard() { return mTiles->WaitUntilComplete(); }
    BoardTiles& Tiles() { return *mTiles; }
    frmTool* ToolBox() { return mTool; }
    app::Autosaver& Autosave() { return *mAutosaver; }
    QWidget* Welcome = nullptr; // hidden once the main window is shown

    // MainWindowShell
    void ShowMainWindow() override;
    void HideWelcome() override;
    void SetStatusFont(const std::string& fontName) override;
    void UncheckRailAbout() override;
    void ShowGridRulerNumbers() override;
    void ApplyZoomMenuItem(int item) override;
    void CloseToolBox() override;
    app::WindowPlace MainWindowPlace() const override;
    app::WindowPlace ToolBoxPlace() const override;
    float ViewOriginX() const override;
    float ViewOriginY() const override;

    // BoardFrame
    void SetScrollBars(int horizontal, int vertical) override;
    void ResizeBoard() override;

    // BoardView
    void SetMainPointer(editor::BoardPointer pointer) override;
    bool PopupMenu(editor::BoardMenu menu, bool changeRailNameVisible) override;
    void ShowTypedAngleWindow() override;
    void DrawRangeBox(float minX, float minY, float maxX, float maxY) override;
    void DrawRuler(float x1, float y1, float x2, float y2, const std::string& text) override;
    void SetAutoScroll() override;
    void RefreshToolBox(const std::vector<editor::RailListEntry>* list) override;
    void StepRailList(int delta) override;
    void ShowRailAbout(const editor::RailAbout& about) override;
    void ShowRailAboutItem() override;

    // The menu commands, also reached by tests.
    void New_Item_Click();
    void Open_Item_Click();
    void Save_Item_Click();
    void SaveAs_Item_Click();
    void ChangeRailFile_Item_Click();
    void mnuRecentFile_Click(int index);
    void itmUndo_Click();
    void itmRedo_Click();
    void mnuZoom_Click(int item);
    void picZoom_Click();
    // The tool windows that work with the board; one is open at a time.
    void OpenToolWindow(editor::ToolCommand command);
    void OpenRecolourWindow();
    ToolWindow* OpenTool() const { return mToolWindow; }
    // The design check's list (frmMainCheck.cpp); refreshed after every change while open.
    void OpenDesignCheck();
    DesignCheckDock* DesignCheck() const { return mDesignCheck; }
    // The windows of the Tools menu (frmMainLayoutWindows.cpp, frmMainCatalogueWindows.cpp,
    // frmMainRailBoxWindow.cpp, frmMainOptionWindows.cpp).
    void mnuMoveAll_Click();
    void itmSetLayoutSize_Click();
    void itmLayoutInformation_Click();
    void ShowRailCount_Click();
    void EditRail_Item_Click();
    void MakeUserRail_Item_Click();
    void EditRailBox_Item_Click();
    void Option_Item_Click();
    // A layout named on the command line or dropped on the window (frmMainFiles.cpp).
    void OpenNamedLayout(const QString& path);
    // Printing and the plan exports (frmMainPrint.cpp).
    void Print_Item_Click();
    void ExportPlan_Click(bool pdf);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The board's own keys (arrows, U, /, Esc); false for any other key.
    bool BoardKey(QKeyEvent* event);
    // The wheel scrolls the board (Shift: sideways); with Ctrl it zooms about the pointer.
    void BoardWheel(QPoint angle, QPoint pixels, Qt::KeyboardModifiers keys, QPointF at);

private:
    void BuildBoardArea();
    void BuildMenus();
    void BuildContextMenus();
    void ConnectHost();
    // Brings the scroll bars, the zoom label, the title and the menu states up to date
    // with what the workspace marks as changed, once per event.
    void ApplyChanges();
    void SyncScrollBars();
    void SyncMenus();
    void SetfrmMainTitle();
    void ScrollTo(int horizontal, int vertical);
    void ToggleViewFlag(bool& flag, bool redrawBackScreen);
    // Tiles arrived: the board is refreshed with what lies over it.
    void BoardTilesArrived();
    void ShowAboutBox();
    // Shows a freshly made tool window after its tool has opened.
    void ShowToolWindow(ToolWindow* window);
    void SaveAsBitmap();
    // The autosave timer (frmMainAutosave.cpp); the autosaver also looks after every
    // command, so a save or a new layout removes the autosave at once.
    void StartAutosave();
    void AutosaveTick();

    QString mProgramDir;
    QtUiHost mHost;
    app::Workspace mWs;
    ImageSurface mBackScreen;
    ImageSurface mMainSurface;
    std::unique_ptr<render::ScreenRenderer> mRenderer;
    std::unique_ptr<BoardTiles> mTiles;
    std::unique_ptr<PictureRedraw> mPictureRedraw;
    std::unique_ptr<editor::Board> mBoard;
    app::StartUpContext mContext;
    std::unique_ptr<app::Autosaver> mAutosaver;

    MainPicture* mPicture = nullptr;
    QScrollBar* mHScroll = nullptr;
    QScrollBar* mVScroll = nullptr;
    QLabel* mLblStatus = nullptr;
    DesignCheckDock* mDesignCheck = nullptr;
    QToolButton* mPicZoom = nullptr;
    frmGeneral* mNote = nullptr;
    frmTool* mTool = nullptr;
    QPointer<ToolWindow> mToolWindow;
    PrintChoice mPrintChoice;
    bool mSyncingScroll = false;
    bool mClosing = false;

    // Menu items the commands enable, check or rename.
    QAction* mItmUndo = nullptr;
    QAction* mItmRedo = nullptr;
    QAction* mItmCut = nullptr;
    QAction* mItmCopy = nullptr;
    QAction* mItmPaste = nullptr;
    QAction* mItmDelete = nullptr;
    QAction* mDeleteSelectionKey = nullptr;
    QAction* mItmCut2 = nullptr;
    QAction* mItmCopy2 = nullptr;
    QAction* mItmSelect = nullptr;
    QAction* mGridCheck = nullptr;
    QAction* mSmoothCheck = nullptr;
    QAction* mMemoriCheck = nullptr;
    QAction* mNumberCheck = nullptr;
    QAction* mShowRailAboutItem = nullptr;
    QAction* mChangeRailName = nullptr;
    std::array<QAction*, 5> mZoomItems{};
    std::array<QAction*, 5> mRecentItems{};
    QMenu* mRailMenu = nullptr;
    QMenu* mRailMenu2 = nullptr;
};

} // namespace ferrovane::gui
