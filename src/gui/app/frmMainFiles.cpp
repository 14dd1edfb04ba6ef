// The main window's layouts named from outside: the command line and files dropped on
// the window.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "core/commands/document/DocumentCommands.h"
#include "gui/app/frmMain.h"

namespace ferrovane::gui {

namespace {

// The first local layout file among the dropped items, or an empty text.
QString DroppedLayout(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && document::IsLayoutFileName(path.toStdString())) return path;
    }
    return {};
}

} // namespace

void frmMain::OpenNamedLayout(const QString& path) {
    const document::CommandResult result =
        document::OpenLayoutPath(mWs, mContext.Document, path.toStdString());
    ApplyChanges();
    if (result == document::CommandResult::Quit) close();
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedLayout(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event) {
    const QString path = DroppedLayout(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    OpenNamedLayout(path);
}

} // namespace ferrovane::gui
