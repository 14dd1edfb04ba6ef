#include "gui/output/frmRailCount.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include "core/commands/output/PartsListSave.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/output/PartsList.h"

namespace ferrovane::gui {

namespace {

// The counts are padded for a font whose full-width characters are twice as wide as
// the others: the Japanese fixed-pitch font where there is one, else the system's.
QFont ReportFont() {
    const QString japanese = QStringLiteral("ＭＳ ゴシック"); // untranslated: a font's name
    if (QFontDatabase::hasFamily(japanese)) return QFont(japanese, 10);
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

QPushButton* Button(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmRailCount::frmRailCount(app::Workspace& ws, QWidget* parent) : QDialog(parent), mWs(ws) {
    setObjectName(QStringLiteral("frmRailCount"));
    setWindowTitle(tr("総レール数の表示"));
    resize(480, 420);
    mText = new QPlainTextEdit(this);
    mText->setObjectName(QStringLiteral("reportText"));
    mText->setReadOnly(true);
    mText->setLineWrapMode(QPlainTextEdit::NoWrap);
    mText->setFont(ReportFont());

    auto* column = new QVBoxLayout(this);
    column->addWidget(mText);
    auto* buttons = new QHBoxLayout();
    auto* copy = Button(tr("クリップボードにコピー (&P)"), "copyButton", this);
    connect(copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(mCopyText); });
    auto* saveText = Button(tr("テキストで保存 (&T)..."), "saveTextButton", this);
    connect(saveText, &QPushButton::clicked, this, [this] { output::SavePartsListText(mWs); });
    auto* saveCsv = Button(tr("CSVで保存 (&V)..."), "saveCsvButton", this);
    connect(saveCsv, &QPushButton::clicked, this, [this] { output::SavePartsListCsv(mWs); });
    auto* close = Button(tr("閉じる (&C)"), "closeButton", this);
    close->setDefault(true);
    close->setToolTip(tr("このダイアログを閉じます"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(copy);
    buttons->addWidget(saveText);
    buttons->addWidget(saveCsv);
    buttons->addStretch(1);
    buttons->addWidget(close);
    column->addLayout(buttons);

    const auto lines = output::BuildPartsList(ws.Layout);
    for (const auto& line : lines)
        AddText(QString::fromStdString(line));
    mCopyText = QString::fromStdString(output::JoinPartsList(lines, "\n"));
    mText->moveCursor(QTextCursor::Start);
}

void frmRailCount::AddText(const QString& line) {
    mText->moveCursor(QTextCursor::End);
    mText->insertPlainText(line + QLatin1Char('\n'));
}

} // namespace ferrovane::gui
