// The main window's menu bar and context menus.
#include <QApplication>
#include <QCoreApplication>
#include <QMenuBar>

#include "core/app/board/EditMenu.h"
#include "core/commands/edit/Clipboard.h"
#include "core/commands/edit/DeleteRail.h"
#include "core/commands/edit/RenameRail.h"
#include "core/commands/edit/StatusText.h"
#include "core/commands/output/ImageExport.h"
#include "core/commands/render/SmoothDisplay.h"
#include "gui/app/frmMain.h"
#include "gui/app/frmZoom.h"
#include "gui/editor/MainPicture.h"
#include "gui/editor/frmTool.h"
#include "gui/platform/UserGuide.h"
#include "gui/render/BoardImageExport.h"
#include "gui/render/ImageFileWriter.h"

namespace ferrovane::gui {

namespace {

QAction* AddItem(QMenu* menu, const char* objectName, const QString& text,
                 const QKeySequence& key = {}) {
    QAction* a = menu->addAction(text);
    a->setObjectName(QString::fromLatin1(objectName));
    if (!key.isEmpty()) {
        a->setShortcut(key);
        // The tool box floats above the main window and often has the focus; the
        // editor's shortcuts work from it too.
        a->setShortcutContext(Qt::ApplicationShortcut);
    }
    return a;
}

} // namespace

void frmMain::BuildMenus() {
    QMenu* file = menuBar()->addMenu(tr("ファイル(&F)"));
    connect(AddItem(file, "New_Item", tr("新規作成(&N)"), QKeySequence::New), &QAction::triggered,
            this, &frmMain::New_Item_Click);
    connect(AddItem(file, "Open_Item", tr("開く(&O)..."), QKeySequence::Open), &QAction::triggered,
            this, &frmMain::Open_Item_Click);
    connect(AddItem(file, "Save_Item", tr("上書き保存(&S)"), QKeySequence::Save),
            &QAction::triggered, this, &frmMain::Save_Item_Click);
    connect(AddItem(file, "SaveAs_Item", tr("名前を付けて保存(&A)..."), QKeySequence::SaveAs),
            &QAction::triggered, this, &frmMain::SaveAs_Item_Click);
    file->addSeparator();
    connect(AddItem(file, "ChangeRailFile_Item", tr("レール情報ファイルの変更(&C)...")),
            &QAction::triggered, this, &frmMain::ChangeRailFile_Item_Click);
    connect(AddItem(file, "itmSaveAsBitmap", tr("画像として保存(&B)...")), &QAction::triggered,
            this, &frmMain::SaveAsBitmap);
    connect(AddItem(file, "Print_Item", tr("印刷プリビュー && 印刷(&P)..."), QKeySequence::Print),
            &QAction::triggered, this, &frmMain::Print_Item_Click);
    connect(AddItem(file, "itmExportPdf", tr("PDFに書き出す...")), &QAction::triggered, this,
            [this] { ExportPlan_Click(true); });
    connect(AddItem(file, "itmExportSvg", tr("SVGに書き出す...")), &QAction::triggered, this,
            [this] { ExportPlan_Click(false); });
    file->addSeparator();
    for (int i = 0; i < 5; ++i) {
        QAction* a = AddItem(file, "mnuRecentFile", QString());
        a->setVisible(false);
        connect(a, &QAction::triggered, this, [this, i] { mnuRecentFile_Click(i); });
        mRecentItems[static_cast<std::size_t>(i)] = a;
    }
    file->addSeparator();
    connect(AddItem(file, "Exit_Item", tr("終了(&X)"), QKeySequence::Quit), &QAction::triggered,
            this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(tr("編集(&E)"));
    mItmUndo = AddItem(edit, "itmUndo", QString(), QKeySequence::Undo);
    connect(mItmUndo, &QAction::triggered, this, &frmMain::itmUndo_Click);
    mItmRedo = AddItem(edit, "itmRedo", QString::fromUtf8(editor::RedoCaption()),
                       QKeySequence(Qt::CTRL | Qt::Key_Y));
    mItmRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(mItmRedo, &QAction::triggered, this, &frmMain::itmRedo_Click);
    connect(mItmRedo, &QAction::hovered, this,
            [this] { editor::SetStatusText(mWs, editor::RedoStatusText()); });
    edit->addSeparator();
    mItmCut = AddItem(edit, "itmCut", tr("切り取り(&T)"), QKeySequence::Cut);
    mItmCopy = AddItem(edit, "itmCopy", tr("コピー(&C)"), QKeySequence::Copy);
    connect(mItmCut, &QAction::triggered, this, [this] {
        editor::CutSelection(mWs);
        ApplyChanges();
    });
    connect(mItmCopy, &QAction::triggered, this, [this] {
        editor::CopySelection(mWs);
        ApplyChanges();
    });
    mItmPaste = AddItem(edit, "itmPaste", tr("貼り付け(&P)"), QKeySequence::Paste);
    connect(mItmPaste, &QAction::triggered, this, [this] {
        if (editor::ArmClipRail(mWs) && mTool) {
            mTool->setlstRails();
            mTool->setButton();
        }
        ApplyChanges();
    });
    edit->addSeparator();
    mItmSelect = AddItem(edit, "itmSelect", tr("範囲選択(&R)"));
    mItmSelect->setCheckable(true);
    connect(mItmSelect, &QAction::triggered, this, [this] {
        mItmSelect->setChecked(mBoard->ToggleRangeSelection(!mItmSelect->isChecked()));
        ApplyChanges();
    });
    mItmDelete = AddItem(edit, "Delete_Item", tr("削除(&D)..."));
    connect(mItmDelete, &QAction::triggered, this,
            [this] { OpenToolWindow(editor::ToolCommand::Delete); });
    // The Delete key takes the selected rails away at once, as one undo step.
    // It is the window's own action, not a menu item: the menu's delete opens the tool.
    mDeleteSelectionKey = new QAction(this);
    mDeleteSelectionKey->setObjectName(QStringLiteral("deleteSelection"));
    mDeleteSelectionKey->setShortcut(QKeySequence::Delete);
    mDeleteSelectionKey->setShortcutContext(Qt::ApplicationShortcut);
    addAction(mDeleteSelectionKey);
    connect(mDeleteSelectionKey, &QAction::triggered, this, [this] {
        editor::DeleteSelection(mWs);
        ApplyChanges();
    });

    QMenu* view = menuBar()->addMenu(tr("表示(&V)"));
    connect(AddItem(view, "Refresh_Item", tr("再描画(&R)"), QKeySequence::Refresh),
            &QAction::triggered, this, [this] {
                mRenderer->ReDrawBackScreen();
                mPicture->update();
            });
    view->addSeparator();
    mGridCheck = AddItem(view, "Grid_Check", tr("グリッド(&G)"));
    mMemoriCheck = AddItem(view, "Memori_Check", tr("目盛り(&M)"));
    mNumberCheck = AddItem(view, "Number_Check", tr("座標の数値(&N)"));
    for (QAction* a : {mGridCheck, mMemoriCheck, mNumberCheck})
        a->setCheckable(true);
    connect(mGridCheck, &QAction::triggered, this,
            [this] { ToggleViewFlag(mWs.View.IsGrid, true); });
    connect(mMemoriCheck, &QAction::triggered, this,
            [this] { ToggleViewFlag(mWs.View.IsMemori, false); });
    connect(mNumberCheck, &QAction::triggered, this,
            [this] { ToggleViewFlag(mWs.View.IsNumber, false); });
    mSmoothCheck = AddItem(view, "SmoothDisplay_Check", tr("なめらか表示"));
    mSmoothCheck->setCheckable(true);
    mSmoothCheck->setChecked(mWs.Settings.SmoothDisplay);
    connect(mSmoothCheck, &QAction::triggered, this, [this](bool on) {
        render::SetSmoothDisplay(mWs, on);
        mSmoothCheck->setChecked(mWs.Settings.SmoothDisplay);
        ApplyChanges();
        mPicture->update();
    });
    view->addSeparator();
    QMenu* zoom = view->addMenu(tr("倍率(&Z)"));
    const QString zoomTexts[] = {QStringLiteral("100 %"), QStringLiteral("75 %"),
                                 QStringLiteral("50 %"), QStringLiteral("25 %"),
                                 tr("全体を表示(&F)")};
    for (int i = 0; i < 5; ++i) {
        QAction* a = AddItem(zoom, "mnuZoom", zoomTexts[i]);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, i] { mnuZoom_Click(i); });
        mZoomItems[static_cast<std::size_t>(i)] = a;
    }
    zoom->addSeparator();
    connect(AddItem(zoom, "picZoom_Item", tr("倍率の指定(&S)...")), &QAction::triggered, this,
            &frmMain::picZoom_Click);
    view->addSeparator();
    mShowRailAboutItem = AddItem(view, "ShowRailAbout_Item", tr("レール情報(&I)"));
    mShowRailAboutItem->setCheckable(true);
    connect(mShowRailAboutItem, &QAction::triggered, this, [this] {
        if (mTool) mTool->ToggleRailAbout();
        mShowRailAboutItem->setChecked(mWs.ToolBox.IsRailAboutOn);
    });

    QMenu* tools = menuBar()->addMenu(tr("ツール(&T)"));
    connect(AddItem(tools, "itmFlexibleRail", tr("フレキシブルレール(&F)...")), &QAction::triggered,
            this, [this] { OpenToolWindow(editor::ToolCommand::FlexibleRail); });
    connect(AddItem(tools, "itmInsertString", tr("文字の挿入(&T)...")), &QAction::triggered, this,
            [this] { OpenToolWindow(editor::ToolCommand::InsertText); });
    connect(AddItem(tools, "itmChangeColor", tr("レールの色の変更(&C)...")), &QAction::triggered,
            this, &frmMain::OpenRecolourWindow);
    connect(AddItem(tools, "itmUpper", tr("レールの高架化(&U)...")), &QAction::triggered, this,
            [this] { OpenToolWindow(editor::ToolCommand::Elevate); });
    tools->addSeparator();
    connect(AddItem(tools, "mnuMoveAll", tr("全体移動(&M)...")), &QAction::triggered, this,
            &frmMain::mnuMoveAll_Click);
    connect(AddItem(tools, "itmSetLayoutSize", tr("レイアウトサイズの設定(&L)...")),
            &QAction::triggered, this, &frmMain::itmSetLayoutSize_Click);
    connect(AddItem(tools, "itmLayoutInformation", tr("レイアウト情報(&I)...")),
            &QAction::triggered, this, &frmMain::itmLayoutInformation_Click);
    connect(AddItem(tools, "ShowRailCount", tr("総レール数の表示(&S)...")), &QAction::triggered,
            this, &frmMain::ShowRailCount_Click);
    connect(AddItem(tools, "itmCloseGap", tr("すき間を埋める...")), &QAction::triggered, this,
            [this] { OpenToolWindow(editor::ToolCommand::CloseGap); });
    connect(AddItem(tools, "itmDesignCheck", tr("レイアウトの検査...")), &QAction::triggered, this,
            &frmMain::OpenDesignCheck);
    tools->addSeparator();
    connect(AddItem(tools, "EditRail_Item", tr("レール情報の編集(&E)...")), &QAction::triggered,
            this, &frmMain::EditRail_Item_Click);
    connect(AddItem(tools, "MakeUserRail_Item", tr("ユーザーレールの作成(&R)...")),
            &QAction::triggered, this, &frmMain::MakeUserRail_Item_Click);
    connect(AddItem(tools, "EditRailBox_Item", tr("レール箱の編集(&R)...")), &QAction::triggered,
            this, &frmMain::EditRailBox_Item_Click);
    tools->addSeparator();
    connect(AddItem(tools, "Option_Item", tr("オプション(&O)...")), &QAction::triggered, this,
            &frmMain::Option_Item_Click);

    QMenu* help = menuBar()->addMenu(tr("ヘルプ(&H)"));
    connect(AddItem(help, "About_Item", tr("バージョン情報(&A)...")), &QAction::triggered, this,
            &frmMain::ShowAboutBox);
    SyncMenus();

    AddUserGuideItem(help);
}

void frmMain::BuildContextMenus() {
    mRailMenu = new QMenu(this);
    mRailMenu->setObjectName(QStringLiteral("Rail_Menu"));
    mRailMenu->setAttribute(Qt::WA_NoMouseReplay);
    mRailMenu->addAction(mItmUndo);
    mRailMenu->addSeparator();
    mRailMenu->addAction(mItmSelect);
    mRailMenu->addSeparator();
    for (QAction* a : mZoomItems)
        mRailMenu->addAction(a);

    mRailMenu2 = new QMenu(this);
    mRailMenu2->setObjectName(QStringLiteral("Rail_Menu2"));
    mRailMenu2->setAttribute(Qt::WA_NoMouseReplay);
    mChangeRailName = AddItem(mRailMenu2, "mnuChangeRailName", tr("名前の変更(&N)..."));
    connect(mChangeRailName, &QAction::triggered, this, [this] {
        editor::ChangeRailName(mWs);
        ApplyChanges();
    });
    connect(AddItem(mRailMenu2, "Delete_Item2", tr("削除(&D)")), &QAction::triggered, this, [this] {
        editor::DeleteFromContextMenu(mWs);
        ApplyChanges();
    });
    mRailMenu2->addSeparator();
    mItmCut2 = AddItem(mRailMenu2, "itmCut2", tr("切り取り(&T)"));
    mItmCopy2 = AddItem(mRailMenu2, "itmCopy2", tr("コピー(&C)"));
    connect(mItmCut2, &QAction::triggered, mItmCut, &QAction::trigger);
    connect(mItmCopy2, &QAction::triggered, mItmCopy, &QAction::trigger);
    // Like the edit menu's, they wait for a selection.
    mItmCut2->setEnabled(false);
    mItmCopy2->setEnabled(false);
    mRailMenu2->addSeparator();
    mRailMenu2->addAction(mItmUndo);
}

void frmMain::picZoom_Click() {
    mWs.Host->HideToolBox();
    frmZoom dialog(mWs.View.Zoom, this);
    if (dialog.exec() == QDialog::Accepted) {
        if (const auto result = dialog.Result()) {
            mWs.View.Zoom = result->Zoom;
            for (int i = 0; i < 4; ++i)
                mZoomItems[static_cast<std::size_t>(i)]->setChecked(i == result->CheckedItem);
            mRenderer->ChangeZoomie();
        }
    }
    mWs.Host->ShowToolBox();
    SyncScrollBars();
    mPicture->update();
}

void frmMain::SaveAsBitmap() {
    output::SaveAsBitmap(mWs, [this](const std::string& path, output::ImageFormat format,
                                     document::FileError& error) {
        // One pixel per board pixel whatever the screen, drawn piece by piece by the
        // drivers of the board's tiles.
        const QImage image = ExportBoardImage(*mRenderer->Snapshot(), mWs.View.UnitsPerPixel());
        if (image.isNull()) return false;
        return WriteImageFile(image, path, format, error);
    });
}

} // namespace ferrovane::gui
