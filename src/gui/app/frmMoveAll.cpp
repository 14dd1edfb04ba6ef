#include "gui/app/frmMoveAll.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/commands/edit/MoveAll.h"
#include "gui/platform/TitleWidth.h"

namespace ferrovane::gui {

frmMoveAll::frmMoveAll(app::Workspace& ws, QWidget* parent) : QDialog(parent), mWs(ws) {
    setObjectName(QStringLiteral("frmMoveAll"));
    setWindowTitle(QString::fromUtf8(editor::MoveAllTitle()));
    KeepTitleWhole(this);
    mX = new QLineEdit(QStringLiteral("0"), this);
    mX->setObjectName(QStringLiteral("xOffsetEdit"));
    mY = new QLineEdit(QStringLiteral("0"), this);
    mY->setObjectName(QStringLiteral("yOffsetEdit"));
    for (QLineEdit* e : {mX, mY}) {
        e->setAlignment(Qt::AlignRight);
        e->setMaximumWidth(100);
    }

    auto* column = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    form->addRow(tr("X 方向 :"), mX);
    form->addRow(tr("Y 方向 :"), mY);
    column->addLayout(form);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    auto* move = new QPushButton(tr("移動 (&M)"), this);
    move->setObjectName(QStringLiteral("moveButton"));
    move->setDefault(true);
    connect(move, &QPushButton::clicked, this, &frmMoveAll::Move);
    auto* cancel = new QPushButton(tr("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(move);
    buttons->addWidget(cancel);
    column->addLayout(buttons);

    mX->setFocus();
    mX->selectAll();
}

void frmMoveAll::Move() {
    if (editor::MoveAllByText(mWs, mX->text().toStdString(), mY->text().toStdString())) {
        accept();
        return;
    }
    mX->setFocus();
    mX->selectAll();
}

} // namespace ferrovane::gui
