#include "gui/editor/frmChangeColor.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/render/PainterSurface.h"

namespace ferrovane::gui {

frmChangeColor::frmChangeColor(editor::Board& board, QWidget* mainWindow)
    : ToolWindow(mainWindow, "frmChangeColor", QStringLiteral("レールの色の変更")),
      mTool(board, *this) {
    auto* column = new QVBoxLayout(this);
    mTarget = new QLabel(this);
    mTarget->setObjectName(QStringLiteral("targetLabel"));
    mTarget->setMinimumWidth(220);
    column->addWidget(mTarget);
    auto* sampleRow = new QHBoxLayout();
    sampleRow->addWidget(new QLabel(QStringLiteral("色 :"), this));
    mSample = new QPushButton(this);
    mSample->setObjectName(QStringLiteral("colourSample"));
    mSample->setFixedSize(64, 24);
    mSample->setAutoDefault(false);
    mSample->setToolTip(QStringLiteral("クリックで色を選びます"));
    connect(mSample, &QPushButton::clicked, this, [this] { mTool.ChooseColour(); });
    sampleRow->addWidget(mSample);
    sampleRow->addStretch(1);
    column->addLayout(sampleRow);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    auto* apply = new QPushButton(QStringLiteral("変更"), this);
    apply->setObjectName(QStringLiteral("applyButton"));
    connect(apply, &QPushButton::clicked, this, [this] {
        mTool.Apply();
        emit Changed();
    });
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(apply);
    buttons->addWidget(close);
    column->addLayout(buttons);
}

void frmChangeColor::ShowTarget(const std::string& text) {
    mTarget->setText(QString::fromStdString(text));
}

void frmChangeColor::ShowColour(std::int32_t colour) {
    const QColor c = ToQColor(colour);
    mSample->setStyleSheet(
        QStringLiteral("background-color: %1; border: 1px solid #444;").arg(c.name()));
}

} // namespace ferrovane::gui
