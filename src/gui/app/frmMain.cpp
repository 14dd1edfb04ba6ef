#include "gui/app/frmMain.h"

#include "core/commands/check/CheckEdits.h"
#include "gui/editor/DesignCheckDock.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QStandardPaths>

#include <algorithm>

#include "core/app/autosave/Autosaver.h"
#include "core/app/board/EditMenu.h"
#include "core/app/board/RailAbout.h"
#include "core/app/startup/StartLogLocation.h"
#include "core/commands/document/DocumentCommands.h"
#include "core/commands/document/LayoutTitle.h"
#include "core/commands/edit/PerformUndo.h"
#include "core/commands/render/AutoScroll.h"
#include "core/compute/render/WheelView.h"
#include "core/compute/render/Zoom.h"
#include "core/values/platform/InstallLocations.h"
#include "gui/app/FormFont.h"
#include "gui/app/frmGeneral.h"
#include "gui/editor/MainPicture.h"
#include "gui/editor/frmAngle2.h"
#include "gui/editor/frmTool.h"
#include "gui/platform/ProgramPlaces.h"

namespace ferrovane::gui {

namespace {

// The bundled catalogues: beside the program, in the installation's data folder, or in
// the sources of a build tree.
std::string CatalogueDir(const QString& programDir) {
    return platform::FirstExistingDir(
        platform::CatalogueDirCandidates(ProgramPlacesOf(programDir)));
}

std::string StartLogPath(const QString& programDir) {
    const std::string dir = programDir.toStdString();
    QString userDir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(userDir);
    return app::ChooseStartLogPath(dir, app::IsFolderWritable(dir), userDir.toStdString());
}

} // namespace

frmMain::frmMain(const QString& programDir, app::SettingsStore& userStore,
                 app::SettingsStore& appStore, QWidget* parent)
    : QMainWindow(parent), mProgramDir(programDir), mHost(this), mWs(mHost) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));
    mWs.StartLogPath = StartLogPath(programDir);
    mRenderer = std::make_unique<render::ScreenRenderer>(mWs, mBackScreen, mMainSurface);
    mTiles = std::make_unique<BoardTiles>([this] { BoardTilesArrived(); });
    mRenderer->UseTiles(mTiles.get());
    mBoard = std::make_unique<editor::Board>(mWs, *this);

    mContext.UserStore = &userStore;
    mContext.AppStore = &appStore;
    mContext.Shell = this;
    mContext.Document.LayoutDir = programDir.toStdString();
    mContext.Document.CatalogueDir = CatalogueDir(programDir);
    mContext.Document.WorkingDir = QDir::currentPath().toStdString();
    mContext.Document.Frame = this;

    BuildBoardArea();
    mPictureRedraw = std::make_unique<PictureRedraw>(*mRenderer, [this] { mPicture->update(); });
    mWs.Redraw = mPictureRedraw.get();
    BuildMenus();
    BuildContextMenus();
    mTool = new frmTool(mWs, this);
    mTool->installEventFilter(this);
    for (QWidget* child : mTool->findChildren<QWidget*>())
        child->installEventFilter(this);
    // The tool box's information button and the View menu item show the same state.
    // Its buttons also arm range selection, whose menu item carries a check mark.
    connect(mTool, &frmTool::CommandChosen, this, &frmMain::OpenToolWindow);
    connect(mTool, &frmTool::LookChanged, this, [this] {
        mShowRailAboutItem->setChecked(mWs.ToolBox.IsRailAboutOn);
        SyncMenus();
    });
    ConnectHost();
    // A layout file dropped on the window opens as if chosen in the Open dialog.
    setAcceptDrops(true);
    StartAutosave();
    resize(1024, 720);
    SetfrmMainTitle();
}

frmMain::~frmMain() {
    // A tool window still open gives the board back as it goes, so it must go while
    // the board and the workspace are still there, not among this window's children.
    delete mToolWindow;
    // The renderer draws into surfaces this window owns; nothing may draw after them.
    mWs.Redraw = &render::NullRedrawTarget();
}

void frmMain::BuildBoardArea() {
    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(1);

    mPicture = new MainPicture(mMainSurface, central);
    mVScroll = new QScrollBar(Qt::Vertical, central);
    mHScroll = new QScrollBar(Qt::Horizontal, central);
    mVScroll->setObjectName(QStringLiteral("VScroll"));
    mHScroll->setObjectName(QStringLiteral("HScroll"));
    mVScroll->setFocusPolicy(Qt::NoFocus);
    mHScroll->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(mPicture, 0, 0);
    grid->addWidget(mVScroll, 0, 1);
    grid->addWidget(mHScroll, 1, 0);

    auto* statusRow = new QHBoxLayout();
    statusRow->setContentsMargins(2, 1, 2, 2);
    mPicZoom = new QToolButton(central);
    mPicZoom->setObjectName(QStringLiteral("picZoom"));
    mPicZoom->setIcon(QIcon(QStringLiteral(":/icons/zoom.svg")));
    mPicZoom->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    mPicZoom->setAutoRaise(true);
    mPicZoom->setFocusPolicy(Qt::NoFocus);
    mPicZoom->installEventFilter(this);
    mLblStatus = new QLabel(central);
    mLblStatus->setObjectName(QStringLiteral("lblStatus"));
    mLblStatus->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    mLblStatus->setMinimumHeight(22);
    mLblStatus->setMouseTracking(true);
    mLblStatus->installEventFilter(this);
    statusRow->addWidget(mPicZoom);
    statusRow->addWidget(mLblStatus, 1);
    grid->addLayout(statusRow, 2, 0, 1, 2);
    grid->setRowStretch(0, 1);
    grid->setColumnStretch(0, 1);
    mLblStatus->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setCentralWidget(central);

    mNote = new frmGeneral(mPicture);

    mPicture->UnitsPerPixel = [this] { return mWs.View.UnitsPerPixel(); };
    mPicture->OnResize = [this](int w, int h) {
        // Both surfaces hold the screen's physical pixels: the visible board is a copy of
        // the off-screen one, so it can only be as sharp as that.
        const double ratio = mPicture->devicePixelRatioF();
        mMainSurface.SetDevicePixelRatio(ratio);
        mMainSurface.Resize(w, h);
        mTiles->SetDevicePixelRatio(ratio);
        mRenderer->MainPictureResized();
        SyncScrollBars();
        mPicture->update();
    };
    mPicture->OnMouseDown = [this](const editor::BoardEvent& e) {
        mBoard->MouseDown(e);
        ApplyChanges();
    };
    mPicture->OnMouseMove = [this](const editor::BoardEvent& e) {
        if (mTool) mTool->PointerOnBoard();
        mBoard->MouseMove(e);
        SyncScrollBars();
    };
    mPicture->OnWheel = [this](QPoint angle, QPoint pixels, Qt::KeyboardModifiers keys,
                               QPointF at) { BoardWheel(angle, pixels, keys, at); };
    mPicture->OnMouseUp = [this](const editor::BoardEvent& e) {
        mBoard->MouseUp(e);
        ApplyChanges();
    };

    const auto scrolled = [this] {
        if (mSyncingScroll) return;
        mWs.View.HScroll.Value = mHScroll->value();
        mWs.View.VScroll.Value = mVScroll->value();
        mRenderer->SetScroll();
        mPicture->update();
    };
    connect(mHScroll, &QScrollBar::valueChanged, this, scrolled);
    connect(mVScroll, &QScrollBar::valueChanged, this, scrolled);
    connect(mPicZoom, &QToolButton::clicked, this, &frmMain::picZoom_Click);
}

void frmMain::ConnectHost() {
    mHost.OnStatusText = [this](const QString& text) { mLblStatus->setText(text); };
    mHost.OnNote = [this](const QString& text) { mNote->ShowNote(text); };
    mHost.OnToolBoxVisible = [this](bool visible) {
        if (!mTool || mClosing) return;
        if (visible && isVisible())
            mTool->show();
        else if (!visible)
            mTool->hide();
    };
    mHost.ToolBoxShown = [this] { return mTool && mTool->isVisible(); };
    mHost.OnRailListsChanged = [this] {
        if (mTool) mTool->setlstRails();
    };
    mHost.OnEnableCC = [this](bool enabled) {
        for (QAction* a : {mItmCut, mItmCopy, mDeleteSelectionKey, mItmCut2, mItmCopy2})
            if (a) a->setEnabled(enabled);
    };
}

void frmMain::ApplyChanges() {
    // Only the widgets that show what the commands of this event changed.
    const app::ChangeMarks changes = mWs.Changed.Take();
    using app::Change;
    if (changes.Has(Change::View)) SyncScrollBars();
    if (changes.Has(Change::Undo) || changes.Has(Change::Selection) ||
        changes.Has(Change::Catalogue) || changes.Has(Change::Tool))
        SyncMenus();
    if (changes.Has(Change::Layout) || changes.Has(Change::Catalogue)) SetfrmMainTitle();
    if (changes.Has(Change::Layout) && mDesignCheck && mDesignCheck->isVisible())
        mDesignCheck->ShowFindings(check::CheckLayout(mWs));
    mPicture->update();
}

void frmMain::SyncScrollBars() {
    mSyncingScroll = true;
    const auto apply = [](QScrollBar* bar, const render::ScrollBar& s, int step) {
        bar->setEnabled(s.Enabled);
        bar->setRange(s.Min, std::max(s.Min, s.Max));
        bar->setSingleStep(std::max(1, step));
        bar->setPageStep(std::max(1, step * 5));
        bar->setValue(s.Value);
    };
    apply(mHScroll, mWs.View.HScroll, mWs.Settings.ScrollWidth);
    apply(mVScroll, mWs.View.VScroll, mWs.Settings.ScrollHeight);
    mSyncingScroll = false;
    mPicZoom->setText(QString::number(render::ZoomPercent(mWs.View.Zoom)) + QStringLiteral(" %"));
}

void frmMain::SyncMenus() {
    const auto& undo = mWs.Undo.MenuItem();
    mItmUndo->setEnabled(undo.Enabled);
    mItmUndo->setText(QString::fromStdString(undo.Caption));
    const editor::EditMenuState state = editor::EditMenuStateOf(mWs);
    mItmRedo->setEnabled(state.Redo);
    for (QAction* a : {mItmCut, mItmCopy, mDeleteSelectionKey, mItmCut2, mItmCopy2})
        if (a) a->setEnabled(state.CutCopyDelete);
    mItmPaste->setEnabled(state.Paste);
    mItmSelect->setChecked(state.RangeSelect);
}

void frmMain::SetfrmMainTitle() {
    setWindowTitle(QString::fromStdString(document::MainTitle(mWs.Layout)));
    for (int i = 0; i < 5; ++i) {
        const std::string& path = mWs.Layout.RecentFiles[static_cast<std::size_t>(i)];
        if (path.empty()) continue;
        mRecentItems[static_cast<std::size_t>(i)]->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QString::fromStdString(path).replace(QLatin1Char('&'), QStringLiteral("&&"))));
        mRecentItems[static_cast<std::size_t>(i)]->setVisible(true);
        mRecentItems[static_cast<std::size_t>(i)]->setEnabled(true);
    }
}

// --- MainWindowShell ---------------------------------------------------------

namespace {

app::WindowPlace PlaceOf(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

// The window's stored place on the screens there are now; false when none is stored.
bool RestorePlace(QWidget* window, const app::WindowPlace& stored, bool size) {
    std::vector<app::WindowPlace> screens;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        screens.push_back(PlaceOf(primary->availableGeometry()));
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            screens.push_back(PlaceOf(screen->availableGeometry()));
    const auto place = app::FitOnScreens(stored, screens);
    if (!place) return false;
    if (size) window->resize(place->Width, place->Height);
    window->move(place->X, place->Y);
    return true;
}

} // namespace

app::WindowPlace frmMain::MainWindowPlace() const {
    return PlaceOf(QRect(pos(), size()));
}

app::WindowPlace frmMain::ToolBoxPlace() const {
    return mTool && mTool->isVisible() ? PlaceOf(QRect(mTool->pos(), mTool->size()))
                                       : mWs.Settings.ToolBoxPlace;
}

void frmMain::ShowMainWindow() {
    const bool first = !isVisible();
    // The settings are read by now: the tool box takes the size they chose before it is
    // ever shown, and both windows the places they had.
    if (first && mTool) mTool->SetSize();
    if (first) RestorePlace(this, mWs.Settings.MainWindowPlace, true);
    show();
    raise();
    activateWindow();
    if (first && mTool) {
        // The tool box floats beside the board's right edge, clear of the menus, and
        // inside the screen that holds the main window.
        const QRect frame = geometry();
        mTool->adjustSize();
        QPoint at(frame.right() - mTool->width() - 40, frame.top() + 60);
        if (const QScreen* screen = this->screen()) {
            const QRect avail = screen->availableGeometry();
            at.setX(
                std::clamp(at.x(), avail.left(),
                           std::max(avail.left(), avail.right() - mTool->frameGeometry().width())));
            at.setY(std::clamp(
                at.y(), avail.top(),
                std::max(avail.top(), avail.bottom() - mTool->frameGeometry().height())));
        }
        mTool->move(at);
        // Its size follows the settings; only its place is restored.
        RestorePlace(mTool, mWs.Settings.ToolBoxPlace, false);
    }
}

void frmMain::HideWelcome() {
    if (Welcome) Welcome->hide();
}

void frmMain::SetStatusFont(const std::string& fontName) {
    // The window font names of the settings are mapped to fonts installed here; every
    // window, the status line among them, takes the family.
    SetFormFont(fontName);
    QFont font = mLblStatus->font();
    const QString family = FormFontFamily(fontName);
    if (!family.isEmpty()) font.setFamilies({family, font.family()});
    mLblStatus->setFont(font);
}

void frmMain::UncheckRailAbout() {
    mShowRailAboutItem->setChecked(false);
}

void frmMain::ShowGridRulerNumbers() {
    mGridCheck->setChecked(mWs.View.IsGrid);
    mMemoriCheck->setChecked(mWs.View.IsMemori);
    mNumberCheck->setChecked(mWs.View.IsNumber);
    mSmoothCheck->setChecked(mWs.Settings.SmoothDisplay);
}

void frmMain::ApplyZoomMenuItem(int item) {
    mnuZoom_Click(item);
}

void frmMain::CloseToolBox() {
    if (mTool) mTool->close();
}

float frmMain::ViewOriginX() const {
    return mWs.View.Screen.Left;
}
float frmMain::ViewOriginY() const {
    return mWs.View.Screen.Top;
}

// --- BoardFrame ---------------------------------------------------------------

void frmMain::SetScrollBars(int horizontal, int vertical) {
    ScrollTo(horizontal, vertical);
}

void frmMain::ScrollTo(int horizontal, int vertical) {
    mWs.View.HScroll.Value = std::clamp(horizontal, 0, std::max(0, mWs.View.HScroll.Max));
    mWs.View.VScroll.Value = std::clamp(vertical, 0, std::max(0, mWs.View.VScroll.Max));
    mRenderer->SetScroll();
    SyncScrollBars();
    mPicture->update();
}

void frmMain::ResizeBoard() {
    mRenderer->MainPictureResized();
    SyncScrollBars();
    mPicture->update();
}

// --- BoardView ----------------------------------------------------------------

void frmMain::SetMainPointer(editor::BoardPointer pointer) {
    Qt::CursorShape shape = Qt::ArrowCursor;
    switch (pointer) {
    case editor::BoardPointer::Default:
    case editor::BoardPointer::Arrow:
        shape = Qt::ArrowCursor;
        break;
    case editor::BoardPointer::Cross:
        shape = Qt::CrossCursor;
        break;
    case editor::BoardPointer::SizeAll:
        shape = Qt::SizeAllCursor;
        break;
    case editor::BoardPointer::NoDrop:
        shape = Qt::ForbiddenCursor;
        break;
    }
    if (mPicture->cursor().shape() != shape) mPicture->setCursor(shape);
}

bool frmMain::PopupMenu(editor::BoardMenu menu, bool changeRailNameVisible) {
    mChangeRailName->setVisible(changeRailNameVisible);
    QMenu* popup = menu == editor::BoardMenu::RailMenu ? mRailMenu : mRailMenu2;
    SyncMenus();
    popup->exec(QCursor::pos());
    ApplyChanges();
    // Qt does not pass the click that closes a menu on to the board.
    return false;
}

void frmMain::ShowTypedAngleWindow() {
    frmAngle2::ShowModalAt(mWs, this, mPicture->LastGlobalPos());
    ApplyChanges();
}

void frmMain::DrawRangeBox(float minX, float minY, float maxX, float maxY) {
    const render::Colour c = mWs.Settings.GridColor;
    mMainSurface.SetDrawWidth(1);
    mMainSurface.Line({minX, minY}, {maxX, minY}, c);
    mMainSurface.Line({maxX, minY}, {maxX, maxY}, c);
    mMainSurface.Line({maxX, maxY}, {minX, maxY}, c);
    mMainSurface.Line({minX, maxY}, {minX, minY}, c);
    mPicture->update();
}

void frmMain::DrawRuler(float x1, float y1, float x2, float y2, const std::string& text) {
    mMainSurface.SetDrawWidth(1);
    mMainSurface.Line({x1, y1}, {x2, y2}, mWs.Settings.RailColor);
    mMainSurface.CurrentX = (x1 + x2) / 2;
    mMainSurface.CurrentY = (y1 + y2) / 2;
    mMainSurface.SetForeColor(render::Black);
    mMainSurface.Print(text);
    mPicture->update();
}

void frmMain::SetAutoScroll() {
    const auto pointer = render::SetAutoScroll(mWs, *mRenderer);
    static const char* const icons[] = {nullptr, ":/icons/scroll-left.svg", ":/icons/scroll-up.svg",
                                        ":/icons/scroll-right.svg", ":/icons/scroll-down.svg"};
    const int index = static_cast<int>(pointer);
    if (index == 0)
        mPicture->setCursor(Qt::CrossCursor);
    else
        mPicture->setCursor(QCursor(QIcon(QString::fromLatin1(icons[index])).pixmap(24, 24)));
    SyncScrollBars();
}

void frmMain::RefreshToolBox(const std::vector<editor::RailListEntry>* list) {
    if (!mTool) return;
    mTool->setButton();
    if (list) mTool->ShowRailList(*list);
}

void frmMain::StepRailList(int delta) {
    if (mTool) mTool->StepRailList(delta);
}

void frmMain::ShowRailAbout(const editor::RailAbout& about) {
    if (mTool) mTool->ShowRailAbout(about);
}

void frmMain::ShowRailAboutItem() {
    mShowRailAboutItem->trigger();
}

// --- commands -------------------------------------------------------------------

void frmMain::New_Item_Click() {
    if (document::StartNewLayout(mWs, mContext.Document) == document::CommandResult::Quit) {
        mClosing = true;
        QApplication::quit();
        return;
    }
    ApplyChanges();
}

void frmMain::Open_Item_Click() {
    if (document::OpenLayoutFile(mWs, mContext.Document) == document::CommandResult::Quit) {
        mClosing = true;
        QApplication::quit();
        return;
    }
    ApplyChanges();
}

void frmMain::Save_Item_Click() {
    document::SaveLayout(mWs, mContext.Document);
    ApplyChanges();
}

void frmMain::SaveAs_Item_Click() {
    document::SaveLayoutAs(mWs, mContext.Document);
    ApplyChanges();
}

void frmMain::ChangeRailFile_Item_Click() {
    document::ChangeCatalogueFile(mWs, mContext.Document);
    ApplyChanges();
}

void frmMain::mnuRecentFile_Click(int index) {
    document::OpenRecentLayout(mWs, mContext.Document, index);
    ApplyChanges();
}

void frmMain::itmUndo_Click() {
    editor::UndoCommand(mWs);
    ApplyChanges();
}

void frmMain::itmRedo_Click() {
    editor::RedoCommand(mWs);
    ApplyChanges();
}

void frmMain::mnuZoom_Click(int item) {
    if (item < 0 || item >= render::ZoomItemCount) item = 0;
    mRenderer->ApplyZoomItem(item);
    for (int i = 0; i < render::ZoomItemCount; ++i)
        mZoomItems[static_cast<std::size_t>(i)]->setChecked(i == item);
    SyncScrollBars();
    mPicture->update();
}

void frmMain::BoardWheel(QPoint angle, QPoint pixels, Qt::KeyboardModifiers keys, QPointF at) {
    render::View& view = mWs.View;
    if (keys & Qt::ControlModifier) {
        // One zoom step per notch, about the point under the pointer.
        const int notches = angle.y() / 120;
        const auto item = render::ZoomStepItem(view.Zoom, notches);
        if (notches == 0 || !item) return;
        const float upp = view.UnitsPerPixel();
        const float layoutX = view.Screen.Left + static_cast<float>(at.x()) * upp;
        const float layoutY = view.Screen.Top + static_cast<float>(at.y()) * upp;
        mnuZoom_Click(*item);
        render::KeepPointUnderPointer(view, layoutX, layoutY, static_cast<float>(at.x()),
                                      static_cast<float>(at.y()));
    } else {
        const render::WheelTurn turn{angle.x(), angle.y(), pixels.x(), pixels.y(),
                                     (keys & Qt::ShiftModifier) != 0};
        if (!render::ScrollViewByWheel(view, turn, mWs.Settings.ScrollWidth,
                                       mWs.Settings.ScrollHeight))
            return;
    }
    mRenderer->SetScroll();
    SyncScrollBars();
    mPicture->update();
}

void frmMain::BoardTilesArrived() {
    if (mClosing) return;
    mRenderer->RefreshMainPicture();
    // What the pointer showed over the board stays: the hovered rail, the preview.
    if (mWs.Editor.PointedRail >= 1) mRenderer->ShowHoverRail();
    if (!mWs.Layout.Rails.empty() && mWs.Layout.Rails[0].Valid)
        mRenderer->DrawPreviewOnMainPicture();
    mPicture->update();
}

void frmMain::ToggleViewFlag(bool& flag, bool redrawBackScreen) {
    flag = !flag;
    if (redrawBackScreen)
        mRenderer->ReDrawBackScreen();
    else
        mRenderer->RefreshMainPicture();
    ShowGridRulerNumbers();
    mPicture->update();
}

// --- events ---------------------------------------------------------------------

void frmMain::closeEvent(QCloseEvent* event) {
    if (!app::RunShutdown(mWs, mContext)) {
        event->ignore();
        return;
    }
    mClosing = true;
    event->accept();
    QApplication::quit();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mLblStatus && event->type() == QEvent::MouseMove)
        mBoard->PointerOverStatusLine();
    // The zoom picture is one of the tool box's buttons as far as hover texts go.
    if (watched == mPicZoom && event->type() == QEvent::Enter && mTool) {
        mWs.ToolBox.ButtonId = editor::ButtonZoom;
        mTool->setButton();
    }
    // A window manager may give the tool box the focus: the board's keys work from it.
    if (event->type() == QEvent::KeyPress && mTool && watched->isWidgetType() &&
        (watched == mTool || mTool->isAncestorOf(static_cast<QWidget*>(watched))) &&
        BoardKey(static_cast<QKeyEvent*>(event)))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::keyPressEvent(QKeyEvent* event) {
    if (!BoardKey(event)) QMainWindow::keyPressEvent(event);
}

bool frmMain::BoardKey(QKeyEvent* event) {
    int code = 0;
    switch (event->key()) {
    case Qt::Key_Escape:
        // Esc on the board ends an open tool as its own window's Esc does.
        if (mToolWindow) {
            mToolWindow->close();
            return true;
        }
        code = editor::KeyEscape;
        break;
    case Qt::Key_Left:
        code = editor::KeyLeftArrow;
        break;
    case Qt::Key_Up:
        code = editor::KeyUpArrow;
        break;
    case Qt::Key_Right:
        code = editor::KeyRightArrow;
        break;
    case Qt::Key_Down:
        code = editor::KeyDownArrow;
        break;
    case Qt::Key_U:
        code = editor::KeyU;
        break;
    case Qt::Key_Slash:
        code = editor::KeySlash;
        break;
    default:
        return false;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    const int shift = event->modifiers() & Qt::ShiftModifier ? 1 : 0;
    mBoard->KeyDown(code, shift);
    ApplyChanges();
    return true;
}

} // namespace ferrovane::gui
