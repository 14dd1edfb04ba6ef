#include "gui/editor/frmMakeFlex.h"

#include <QCursor>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/editor/frmAngle2.h"

namespace ferrovane::gui {

frmMakeFlex::frmMakeFlex(editor::Board& board, QWidget* mainWindow)
    : ToolWindow(mainWindow, "frmMakeFlex", tr("フレキシブルレール")), mTool(board, *this) {
    auto* column = new QVBoxLayout(this);
    auto* stepRow = new QHBoxLayout();
    mStep = new QLabel(this);
    mStep->setObjectName(QStringLiteral("stepLabel"));
    QFont bold = mStep->font();
    bold.setBold(true);
    mStep->setFont(bold);
    mArrow = new QLabel(QStringLiteral("⇒"), this);
    mArrow->setObjectName(QStringLiteral("arrowPicture"));
    stepRow->addWidget(mStep);
    stepRow->addWidget(mArrow);
    stepRow->addStretch(1);
    column->addLayout(stepRow);
    mInstruction = new QLabel(this);
    mInstruction->setObjectName(QStringLiteral("instructionLabel"));
    mInstruction->setWordWrap(true);
    mInstruction->setMinimumWidth(260);
    column->addWidget(mInstruction);
    auto* railRow = new QHBoxLayout();
    railRow->addWidget(new QLabel(tr("レール番号 :"), this));
    txtRailNum = new QLineEdit(this);
    txtRailNum->setObjectName(QStringLiteral("txtRailNum"));
    txtRailNum->setReadOnly(true);
    railRow->addWidget(txtRailNum, 1);
    column->addLayout(railRow);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    mOk = new QPushButton(QStringLiteral("OK"), this);
    mOk->setObjectName(QStringLiteral("okButton"));
    connect(mOk, &QPushButton::clicked, this, [this] {
        if (mTool.Ok()) {
            emit Changed();
            accept();
        } else {
            emit Changed();
        }
    });
    auto* cancel = new QPushButton(tr("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(mOk);
    buttons->addWidget(cancel);
    column->addLayout(buttons);
}

void frmMakeFlex::ShowStep(int step, const std::string& instruction) {
    mStep->setText(QStringLiteral("Step %1:").arg(step));
    mInstruction->setText(QString::fromStdString(instruction));
    txtRailNum->setEnabled(step == 1);
    mArrow->setVisible(step < 3);
    mOk->setEnabled(step == 3);
    mOk->setDefault(step == 3);
}

void frmMakeFlex::ShowRailNumber(const std::string& text) {
    txtRailNum->setText(QString::fromStdString(text));
}

std::optional<float> frmMakeFlex::PickAngle() {
    return frmAngle2::ShowModalAt(mTool.Ws(), parentWidget(), QCursor::pos());
}

} // namespace ferrovane::gui
