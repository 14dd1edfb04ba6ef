// The main window's autosave: a timer that lets the core's autosaver look at the layout.
#include <QDir>
#include <QStandardPaths>
#include <QTimer>

#include "core/app/autosave/Autosaver.h"
#include "core/compute/document/AutosaveFiles.h"
#include "gui/app/frmMain.h"

namespace ferrovane::gui {

namespace {

// How often the timer looks: the autosaver itself decides when a write is due.
constexpr int LookMilliseconds = 1000;

// FERROVANE_AUTOSAVE_SECONDS=N autosaves every N seconds instead of the setting's
// minutes, so a test (or someone chasing a crash) need not wait minutes.
std::optional<std::chrono::seconds> IntervalFromEnvironment() {
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("FERROVANE_AUTOSAVE_SECONDS", &ok);
    if (!ok || seconds < 0) return std::nullopt;
    return std::chrono::seconds(seconds);
}

} // namespace

void frmMain::StartAutosave() {
    // The per-user data folder, where the start-up log goes when the program's folder
    // may not be written; the autosaves go there whatever the program's folder.
    const QString userDir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    app::Autosaver::Options options;
    if (!userDir.isEmpty()) options.Folder = document::AutosaveFolderIn(userDir.toStdString());
    mAutosaver = std::make_unique<app::Autosaver>(std::move(options));
    mAutosaver->SetIntervalOverride(IntervalFromEnvironment());
    mContext.Autosave = mAutosaver.get();

    auto* timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("autosaveTimer"));
    connect(timer, &QTimer::timeout, this, &frmMain::AutosaveTick);
    timer->start(LookMilliseconds);
}

void frmMain::AutosaveTick() {
    if (mAutosaver && !mClosing) mAutosaver->Tick(mWs);
}

} // namespace ferrovane::gui
