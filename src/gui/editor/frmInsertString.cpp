#include "gui/editor/frmInsertString.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/commands/workspace/Workspace.h"
#include "core/values/platform/UiHost.h"
#include "gui/editor/ColourSample.h"
#include "gui/render/QtTextMeasure.h"

namespace ferrovane::gui {

frmInsertString::frmInsertString(editor::Board& board, QWidget* mainWindow)
    : ToolWindow(mainWindow, "frmInsertString", tr("文字の挿入")), mTool(board, QtTextMeasure()) {
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(tr("挿入する文字 (半角80字以内) :"), this));
    mText = new QLineEdit(this);
    mText->setObjectName(QStringLiteral("textEdit"));
    mText->setMinimumWidth(280);
    column->addWidget(mText);

    auto* grid = new QGridLayout();
    grid->addWidget(new QLabel(tr("フォント :"), this), 0, 0);
    mFont = new QComboBox(this);
    mFont->setObjectName(QStringLiteral("fontList"));
    mFont->addItems(QFontDatabase::families());
    // The desktop's own font reads well on the board and is there on every machine
    // that opens the layout later.
    const int desktopFont = mFont->findText(QApplication::font().family());
    if (desktopFont >= 0) mFont->setCurrentIndex(desktopFont);
    grid->addWidget(mFont, 0, 1, 1, 2);
    grid->addWidget(new QLabel(tr("サイズ :"), this), 1, 0);
    mSize = new QLineEdit(QStringLiteral("12"), this);
    mSize->setObjectName(QStringLiteral("sizeEdit"));
    mSize->setMaximumWidth(60);
    mSize->setAlignment(Qt::AlignRight);
    grid->addWidget(mSize, 1, 1);
    mColourSample = new ColourSample(this, QSize(48, 22));
    grid->addWidget(mColourSample, 1, 2, Qt::AlignLeft);
    column->addLayout(grid);

    auto* styleRow = new QHBoxLayout();
    mBold = new QCheckBox(tr("太字 (&B)"), this);
    mBold->setObjectName(QStringLiteral("boldCheck"));
    mItalic = new QCheckBox(tr("斜体 (&I)"), this);
    mItalic->setObjectName(QStringLiteral("italicCheck"));
    styleRow->addWidget(mBold);
    styleRow->addWidget(mItalic);
    styleRow->addStretch(1);
    column->addLayout(styleRow);

    column->addLayout(ClosingRow({}));

    connect(mText, &QLineEdit::textEdited, this, [this](const QString& text) {
        // Longer texts are refused as they are typed or pasted, not when laid.
        if (geometry::HalfWidthLength(text.toStdString()) > geometry::LabelTextLimit) {
            const int cursor = mText->cursorPosition();
            mText->setText(mLastFittingText);
            mText->setCursorPosition(std::min(cursor, static_cast<int>(mLastFittingText.size())));
            return;
        }
        mLastFittingText = text;
        FieldsChanged();
    });
    connect(mSize, &QLineEdit::textChanged, this, [this] { FieldsChanged(); });
    connect(mFont, &QComboBox::currentIndexChanged, this, [this] { FieldsChanged(); });
    connect(mBold, &QCheckBox::toggled, this, [this] { FieldsChanged(); });
    connect(mItalic, &QCheckBox::toggled, this, [this] { FieldsChanged(); });
    connect(mColourSample, &QPushButton::clicked, this, [this] {
        if (const auto chosen = mTool.Ws().Host->ChooseColour(mColour)) {
            mColour = static_cast<std::int32_t>(*chosen);
            ShowColour();
            FieldsChanged();
        }
    });
    ShowColour();
}

void frmInsertString::Open() {
    mTool.Open(Text(), Style());
}

std::string frmInsertString::Text() const {
    return mText->text().toStdString();
}

geometry::LabelStyle frmInsertString::Style() const {
    geometry::LabelStyle style;
    style.FontName = mFont->currentText().toStdString();
    bool ok = false;
    const float size = mSize->text().trimmed().toFloat(&ok);
    style.Size = ok ? size : 0;
    style.Bold = mBold->isChecked();
    style.Italic = mItalic->isChecked();
    style.Color = mColour;
    return style;
}

void frmInsertString::FieldsChanged() {
    mTool.SetLabel(Text(), Style());
    emit Changed();
}

void frmInsertString::ShowColour() {
    mColourSample->SetColour(mColour);
}

} // namespace ferrovane::gui
