#include "gui/platform/QtUiHost.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

#include "core/values/platform/UserGuide.h"
#include "gui/platform/UserGuide.h"

namespace ferrovane::gui {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// Message texts use CR or CR LF for line breaks.
QString MessageText(const std::string& s) {
    QString t = Q(s);
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

// A message box that tells a close by the window's close button from a button click:
// for a box with only an OK button that is the one way to say "no" (the welcome notice
// ends the program that way).
class MessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    bool ClosedByWindow = false;

protected:
    void closeEvent(QCloseEvent* event) override {
        ClosedByWindow = true;
        QMessageBox::closeEvent(event);
    }
};

} // namespace

// Keeps the floating tool box out of the way while a dialog is open, and puts it back
// as it was afterwards.
class ToolBoxAside {
public:
    explicit ToolBoxAside(QtUiHost& host)
        : mHost(host), mWasShown(host.ToolBoxShown && host.ToolBoxShown()) {
        if (mWasShown && mHost.OnToolBoxVisible) mHost.OnToolBoxVisible(false);
    }
    ~ToolBoxAside() {
        if (mWasShown && mHost.OnToolBoxVisible) mHost.OnToolBoxVisible(true);
    }
    ToolBoxAside(const ToolBoxAside&) = delete;
    ToolBoxAside& operator=(const ToolBoxAside&) = delete;

private:
    QtUiHost& mHost;
    bool mWasShown;
};

QString QtFileFilter(const std::string& filter) {
    const QStringList parts = Q(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        // The description already names its pattern, e.g. "...(*.fvl)".
        QString desc = parts[i];
        const QString pattern = parts[i + 1];
        if (!desc.contains(pattern))
            desc += QStringLiteral(" (") + pattern + QLatin1Char(')');
        else {
            // Qt takes the patterns from the last parentheses; keep them plain.
            desc.replace(QStringLiteral("(") + pattern + QLatin1Char(')'),
                         QStringLiteral(" (") + pattern + QLatin1Char(')'));
        }
        filters << desc;
    }
    return filters.join(QStringLiteral(";;"));
}

platform::Answer QtUiHost::ShowMessage(const platform::Message& message) {
    ToolBoxAside aside(*this);
    MessageBox box(mOwner);
    box.setWindowTitle(Q(message.Title));
    box.setText(MessageText(message.Text));
    if (!message.Details.empty()) box.setDetailedText(Q(message.Details));
    switch (message.Icon) {
    case platform::MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case platform::MessageIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case platform::MessageIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case platform::MessageIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case platform::MessageIcon::None:
        break;
    }
    switch (message.Buttons) {
    case platform::MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case platform::MessageButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case platform::MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case platform::MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    // The Help button opens the guide at the message's topic and leaves the question
    // open; without a guide there is no button.
    const bool help = message.HelpTopic != 0 && UserGuidePath().has_value();
    if (help) box.addButton(QMessageBox::Help);
    int result = box.exec();
    while (help && result == QMessageBox::Help) {
        OpenUserGuide(platform::HelpTopicAnchor(message.HelpTopic));
        result = box.exec();
    }
    if (message.Buttons == platform::MessageButtons::Ok && box.ClosedByWindow)
        return platform::Answer::Cancel;
    switch (result) {
    case QMessageBox::Yes:
        return platform::Answer::Yes;
    case QMessageBox::No:
        return platform::Answer::No;
    case QMessageBox::Ok:
        return platform::Answer::Ok;
    default:
        return platform::Answer::Cancel;
    }
}

std::optional<std::string> QtUiHost::InputText(const std::string& prompt, const std::string& title,
                                               const std::string& initial) {
    ToolBoxAside aside(*this);
    bool ok = false;
    const QString text =
        QInputDialog::getText(mOwner, Q(title), Q(prompt), QLineEdit::Normal, Q(initial), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

std::optional<std::string> QtUiHost::ChooseOpenFile(const platform::FileRequest& request) {
    ToolBoxAside aside(*this);
    const QString path = QFileDialog::getOpenFileName(
        mOwner, Q(request.Title), Q(request.InitialDir), QtFileFilter(request.Filter));
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

std::optional<std::string> QtUiHost::ChooseSaveFile(const platform::FileRequest& request) {
    ToolBoxAside aside(*this);
    QFileDialog dialog(mOwner, Q(request.Title), Q(request.InitialDir),
                       QtFileFilter(request.Filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The program asks no confirmation before replacing a file it saves over.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!request.InitialName.empty()) dialog.selectFile(Q(request.InitialName));
    // A name typed without extension gets the selected type's extension.
    const QString filter = dialog.selectedNameFilter();
    const int star = filter.indexOf(QStringLiteral("*."));
    if (star >= 0) {
        const QString ext = filter.mid(star + 2).section(QLatin1Char(')'), 0, 0);
        if (ext != QLatin1String("*")) dialog.setDefaultSuffix(ext);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

std::optional<long> QtUiHost::ChooseColour(long initial) {
    ToolBoxAside aside(*this);
    const QColor start(static_cast<int>(initial & 0xFF), static_cast<int>((initial >> 8) & 0xFF),
                       static_cast<int>((initial >> 16) & 0xFF));
    const QColor c = QColorDialog::getColor(start, mOwner);
    if (!c.isValid()) return std::nullopt;
    return static_cast<long>(c.red()) | (static_cast<long>(c.green()) << 8) |
           (static_cast<long>(c.blue()) << 16);
}

void QtUiHost::ShowNote(const std::string& text) {
    if (OnNote) OnNote(MessageText(text));
}

void QtUiHost::SetStatusText(const std::string& text) {
    if (OnStatusText) OnStatusText(Q(text));
}

void QtUiHost::HideToolBox() {
    if (OnToolBoxVisible) OnToolBoxVisible(false);
}

void QtUiHost::ShowToolBox() {
    if (OnToolBoxVisible) OnToolBoxVisible(true);
}

bool QtUiHost::IsToolBoxShown() const {
    return ToolBoxShown && ToolBoxShown();
}

void QtUiHost::RefreshRailLists() {
    if (OnRailListsChanged) OnRailListsChanged();
}

void QtUiHost::SetTitle(const std::string& title) {
    if (mOwner) mOwner->window()->setWindowTitle(Q(title));
}

void QtUiHost::SetBusy(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void QtUiHost::Beep() {
    QApplication::beep();
}

void QtUiHost::EnableCC(bool enabled) {
    if (OnEnableCC) OnEnableCC(enabled);
}

} // namespace ferrovane::gui
