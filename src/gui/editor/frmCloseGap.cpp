#include "gui/editor/frmCloseGap.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ferrovane::gui {

frmCloseGap::frmCloseGap(editor::Board& board, QWidget* mainWindow)
    : ToolWindow(mainWindow, "frmCloseGap", tr("すき間を埋める")), mTool(board, *this) {
    auto* column = new QVBoxLayout(this);
    mInstruction = new QLabel(this);
    mInstruction->setObjectName(QStringLiteral("instructionLabel"));
    mInstruction->setWordWrap(true);
    mInstruction->setMinimumWidth(340);
    column->addWidget(mInstruction);
    mList = new QListWidget(this);
    mList->setObjectName(QStringLiteral("suggestionList"));
    mList->setMinimumHeight(160);
    column->addWidget(mList);
    mLay = new QPushButton(tr("敷設"), this);
    mLay->setObjectName(QStringLiteral("layButton"));
    mFlexible = new QPushButton(tr("フレキシブルレールで結ぶ"), this);
    mFlexible->setObjectName(QStringLiteral("flexibleButton"));
    mFlexible->setAutoDefault(false);
    const auto laid = [this](bool done) {
        emit Changed();
        if (done) accept();
    };
    connect(mLay, &QPushButton::clicked, this,
            [this, laid] { laid(mTool.Lay(mList->currentRow())); });
    connect(mList, &QListWidget::itemDoubleClicked, this,
            [this, laid] { laid(mTool.Lay(mList->currentRow())); });
    connect(mFlexible, &QPushButton::clicked, this, [this, laid] { laid(mTool.LayFlexible()); });
    column->addLayout(ClosingRow({mLay, mFlexible}));
}

void frmCloseGap::ShowInstruction(const std::string& text) {
    mInstruction->setText(QString::fromStdString(text));
}

void frmCloseGap::ShowSuggestions(const std::vector<std::string>& rows) {
    mList->clear();
    for (const std::string& row : rows)
        mList->addItem(QString::fromStdString(row));
    if (!rows.empty()) mList->setCurrentRow(0);
    mLay->setEnabled(!rows.empty());
    mFlexible->setEnabled(mTool.BothEndsChosen());
}

} // namespace ferrovane::gui
