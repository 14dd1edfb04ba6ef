#include "gui/editor/frmChangeColor.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/editor/ColourSample.h"

namespace ferrovane::gui {

frmChangeColor::frmChangeColor(editor::Board& board, QWidget* mainWindow)
    : ToolWindow(mainWindow, "frmChangeColor", tr("レールの色の変更")), mTool(board, *this) {
    auto* column = new QVBoxLayout(this);
    mTarget = new QLabel(this);
    mTarget->setObjectName(QStringLiteral("targetLabel"));
    mTarget->setMinimumWidth(220);
    column->addWidget(mTarget);
    auto* sampleRow = new QHBoxLayout();
    sampleRow->addWidget(new QLabel(tr("色 :"), this));
    mSample = new ColourSample(this, QSize(64, 24));
    connect(mSample, &QPushButton::clicked, this, [this] { mTool.ChooseColour(); });
    sampleRow->addWidget(mSample);
    sampleRow->addStretch(1);
    column->addLayout(sampleRow);
    auto* apply = new QPushButton(tr("変更"), this);
    apply->setObjectName(QStringLiteral("applyButton"));
    connect(apply, &QPushButton::clicked, this, [this] {
        mTool.Apply();
        emit Changed();
    });
    column->addLayout(ClosingRow({apply}));
}

void frmChangeColor::ShowTarget(const std::string& text) {
    mTarget->setText(QString::fromStdString(text));
}

void frmChangeColor::ShowColour(std::int32_t colour) {
    mSample->SetColour(colour);
}

} // namespace ferrovane::gui
