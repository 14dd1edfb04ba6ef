#include "gui/editor/DesignCheckDock.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/commands/check/CheckEdits.h"

namespace ferrovane::gui {

DesignCheckDock::DesignCheckDock(QWidget* parent) : QDockWidget(tr("レイアウトの検査"), parent) {
    setObjectName(QStringLiteral("DesignCheckDock"));
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    mList = new QTreeWidget(body);
    mList->setObjectName(QStringLiteral("findingList"));
    mList->setRootIsDecorated(false);
    mList->setHeaderLabels({tr("種類"), tr("レール"), tr("数値")});
    mList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    mJoin = new QPushButton(tr("接続"), body);
    mJoin->setObjectName(QStringLiteral("joinButton"));
    mJoin->setEnabled(false);
    layout->addWidget(mList);
    layout->addWidget(mJoin);
    setWidget(body);

    connect(mList, &QTreeWidget::itemClicked, this, [this] {
        if (const auto* f = Current()) emit FindingChosen(*f);
    });
    connect(mList, &QTreeWidget::currentItemChanged, this, [this] {
        const auto* f = Current();
        mJoin->setEnabled(f && f->Kind == check::FindingKind::NearMiss && f->Joinable);
    });
    connect(mJoin, &QPushButton::clicked, this, [this] {
        if (const auto* f = Current()) emit JoinRequested(*f);
    });
}

const check::Finding* DesignCheckDock::Current() const {
    const int row = mList->currentItem() ? mList->indexOfTopLevelItem(mList->currentItem()) : -1;
    if (row < 0 || row >= static_cast<int>(mFindings.size())) return nullptr;
    return &mFindings[static_cast<std::size_t>(row)];
}

void DesignCheckDock::ShowFindings(std::vector<check::Finding> findings) {
    const int row = mList->currentItem() ? mList->indexOfTopLevelItem(mList->currentItem()) : -1;
    mFindings = std::move(findings);
    mList->clear();
    QList<QTreeWidgetItem*> items;
    for (const auto& f : mFindings) {
        QStringList columns;
        for (const auto& text : check::FindingRow(f))
            columns << QString::fromStdString(text);
        items << new QTreeWidgetItem(columns);
    }
    mList->addTopLevelItems(items);
    if (row >= 0 && row < mList->topLevelItemCount())
        mList->setCurrentItem(mList->topLevelItem(row));
    else
        mJoin->setEnabled(false);
}

} // namespace ferrovane::gui
