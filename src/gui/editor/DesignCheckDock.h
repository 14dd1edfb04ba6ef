#pragma once

#include <QDockWidget>
#include <vector>

#include "core/compute/check/DesignCheck.h"

class QPushButton;
class QTreeWidget;

namespace ferrovane::gui {

// The design check's list: one row per finding. It only shows them and says which one
// the user picked or wants joined; the main window acts through the core.
class DesignCheckDock : public QDockWidget {
    Q_OBJECT
public:
    explicit DesignCheckDock(QWidget* parent);

    // Shows these findings, keeping the current row where it still exists.
    void ShowFindings(std::vector<check::Finding> findings);
    const std::vector<check::Finding>& Findings() const { return mFindings; }
    QTreeWidget* List() const { return mList; }
    QPushButton* JoinButton() const { return mJoin; }

signals:
    void FindingChosen(const check::Finding& finding);
    void JoinRequested(const check::Finding& finding);

private:
    const check::Finding* Current() const;

    std::vector<check::Finding> mFindings;
    QTreeWidget* mList = nullptr;
    QPushButton* mJoin = nullptr;
};

} // namespace ferrovane::gui
