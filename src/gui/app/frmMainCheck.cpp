// The Tools menu's design check: a dock beside the board.
#include "core/commands/check/CheckEdits.h"
#include "gui/app/frmMain.h"
#include "gui/editor/DesignCheckDock.h"
#include "gui/editor/MainPicture.h"

namespace ferrovane::gui {

void frmMain::OpenDesignCheck() {
    if (!mDesignCheck) {
        mDesignCheck = new DesignCheckDock(this);
        addDockWidget(Qt::RightDockWidgetArea, mDesignCheck);
        connect(mDesignCheck, &DesignCheckDock::FindingChosen, this,
                [this](const check::Finding& finding) {
                    check::FocusFinding(mWs, finding);
                    mRenderer->SetScroll();
                    mWs.Redraw->SetHighlightSelRail();
                    ApplyChanges();
                });
        connect(mDesignCheck, &DesignCheckDock::JoinRequested, this,
                [this](const check::Finding& finding) {
                    if (check::JoinNearEnds(mWs, finding.A, finding.B))
                        mWs.Redraw->ReDrawBackScreen();
                    ApplyChanges();
                });
    }
    mDesignCheck->ShowFindings(check::CheckLayout(mWs));
    mDesignCheck->show();
    mDesignCheck->raise();
}

} // namespace ferrovane::gui
