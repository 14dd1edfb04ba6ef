#include "gui/editor/frmMakeUpper.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ferrovane::gui {

frmMakeUpper::frmMakeUpper(editor::Board& board, QWidget* mainWindow)
    : ToolWindow(mainWindow, "frmMakeUpper", tr("レールの高架化")), mTool(board, *this) {
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(tr("変換するレール :"), this));
    txtSrcRail = new QLineEdit(this);
    txtSrcRail->setObjectName(QStringLiteral("txtSrcRail"));
    txtSrcRail->setReadOnly(true);
    column->addWidget(txtSrcRail);
    column->addWidget(new QLabel(tr("変換後のレール :"), this));
    lstDestRail = new QListWidget(this);
    lstDestRail->setObjectName(QStringLiteral("lstDestRail"));
    lstDestRail->setMinimumSize(220, 140);
    column->addWidget(lstDestRail);
    chkIntelliChange = new QCheckBox(tr("賢い変換"), this);
    chkIntelliChange->setObjectName(QStringLiteral("chkIntelliChange"));
    connect(chkIntelliChange, &QCheckBox::toggled, this,
            [this](bool on) { mTool.SetIntelliChange(on); });
    column->addWidget(chkIntelliChange);
    auto* convert = new QPushButton(tr("変換"), this);
    convert->setObjectName(QStringLiteral("convertButton"));
    connect(convert, &QPushButton::clicked, this, [this] {
        mTool.ConvertSourceRail();
        emit Changed();
    });
    column->addLayout(ClosingRow({convert}));
}

void frmMakeUpper::ShowSourceRail(const std::string& text) {
    txtSrcRail->setText(QString::fromStdString(text));
}

void frmMakeUpper::ShowCandidates(const std::vector<std::string>& names, int currentRow) {
    lstDestRail->clear();
    for (const std::string& name : names)
        lstDestRail->addItem(QString::fromStdString(name));
    lstDestRail->setCurrentRow(currentRow);
}

std::optional<std::string> frmMakeUpper::ChosenCandidate() const {
    const QListWidgetItem* item = lstDestRail->currentItem();
    if (!item || !item->isSelected()) return std::nullopt;
    return item->text().toStdString();
}

} // namespace ferrovane::gui
