#include "gui/app/Application.h"

#include <QApplication>
#include <QFileInfo>

#include "core/app/startup/StartUp.h"
#include "gui/app/ProgramLanguage.h"
#include "gui/app/QSettingsStore.h"
#include "gui/app/frmMain.h"
#include "gui/app/frmWelcome.h"

namespace ferrovane::gui {

int RunFerrovane(QApplication& app) {
    app.setApplicationName(QStringLiteral("Ferrovane"));
    app.setOrganizationName(QStringLiteral("Quillon"));
    app.setQuitOnLastWindowClosed(false);
    QString programDir = QCoreApplication::applicationDirPath();
    if (!programDir.endsWith(QLatin1Char('/'))) programDir += QLatin1Char('/');
    const QString exeName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QSettingsStore userStore(QStringLiteral("Quillon"), QStringLiteral("Ferrovane"));
    // The program's own records (version, folder) are kept per program file, in a file
    // whose name cannot be mistaken for the user settings' one where only the case of
    // the letters would differ ("Ferrovane.conf" and "ferrovane.conf").
    QSettingsStore appStore(QStringLiteral("Quillon"),
                            exeName + QStringLiteral(" program records"));
    // The windows are built in the language the settings ask for.
    StartLanguage(userStore);

    frmMain main(programDir, userStore, appStore);
    frmWelcome welcome;
    main.Welcome = &welcome;
    app::WelcomeLoad(main.Context(), programDir.toStdString());

    welcome.OnProceed = [&] {
        welcome.setEnabled(false);
        if (app::RunStartUp(main.Ws(), main.Context()) == document::CommandResult::Quit) {
            QApplication::quit();
            return;
        }
        // "ferrovane FILE.fvl" opens that layout once the program has started.
        const QStringList arguments = QCoreApplication::arguments();
        if (arguments.size() > 1) main.OpenNamedLayout(arguments.at(1));
        userStore.Sync();
        appStore.Sync();
    };
    // Closing the welcome window before proceeding ends the program.
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, [&] {
        if (!main.isVisible()) QApplication::quit();
    });
    welcome.show();
    const int status = app.exec();
    userStore.Sync();
    appStore.Sync();
    return status;
}

} // namespace ferrovane::gui
