#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "core/app/autosave/AutosaveRecovery.h"
#include "core/app/autosave/Autosaver.h"
#include "gui/app/StartedWindow.h"

using namespace ferrovane;
using ferrovane::testing::StartedWindow;

namespace {

const char* const AutosavedMark = "AUTOSAVED ";

// Sets an environment variable for as long as it lives.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : mName(name), mOld(qgetenv(name)), mHad(qEnvironmentVariableIsSet(name)) {
        qputenv(name, value);
    }
    ~ScopedEnv() {
        if (mHad)
            qputenv(mName, mOld);
        else
            qunsetenv(mName);
    }

private:
    const char* mName;
    QByteArray mOld;
    bool mHad;
};

// Answers the next message box with button, noting its title and text.
struct MessageAnswerer {
    explicit MessageAnswerer(QMessageBox::StandardButton button) {
        QObject::connect(&timer, &QTimer::timeout, [this, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            Asked << box->windowTitle() + QLatin1Char('|') + box->text();
            box->button(button)->click();
        });
        timer.start(20);
    }
    QTimer timer;
    QStringList Asked;
};

} // namespace

// The editor of the first run, started by the test below in a process of its own: it
// lays two rails, waits for the autosave and then waits to be killed.
TEST(AutosaveChild, DISABLED_EditsAndWaitsToBeKilled) {
    StartedWindow w;
    ASSERT_GT(w.LayStraight(300, 300), 0);
    ASSERT_GT(w.LayStraight(300, 700), 0);
    const std::string path = w.window->Autosave().Files().Layout;
    for (int i = 0; i < 600 && w.window->Autosave().WriteCount() == 0; ++i)
        QTest::qWait(50);
    ASSERT_GT(w.window->Autosave().WriteCount(), 0);
    std::printf("%s%s\n", AutosavedMark, path.c_str());
    std::fflush(stdout);
    for (;;)
        QTest::qWait(1000);
}

TEST(AutosaveRecovery, KilledEditorOffersItsLayoutAtTheNextStart) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString dataHome = home.filePath(QStringLiteral("data"));

    // First run: a real process, with autosaves every second, killed without warning.
    QProcess editor;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    env.insert(QStringLiteral("FERROVANE_KEEP_DATA_HOME"), QStringLiteral("1"));
    env.insert(QStringLiteral("FERROVANE_AUTOSAVE_SECONDS"), QStringLiteral("1"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    editor.setProcessEnvironment(env);
    editor.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--gtest_also_run_disabled_tests"),
                  QStringLiteral("--gtest_filter=AutosaveChild.DISABLED_EditsAndWaitsToBeKilled")});
    ASSERT_TRUE(editor.waitForStarted());
    QByteArray out;
    while (!(out.contains(AutosavedMark) && out.endsWith('\n')) &&
           editor.state() == QProcess::Running && editor.waitForReadyRead(60000))
        out += editor.readAllStandardOutput();
    const qsizetype at = out.indexOf(AutosavedMark);
    ASSERT_GE(at, 0) << out.constData() << editor.readAllStandardError().constData();
    const std::string autosave = out.mid(at + qstrlen(AutosavedMark)).trimmed().toStdString();
    editor.kill(); // SIGKILL: no shutdown runs
    ASSERT_TRUE(editor.waitForFinished(10000));
    EXPECT_EQ(editor.exitStatus(), QProcess::CrashExit);
    ASSERT_TRUE(std::filesystem::exists(autosave)) << autosave;

    // Second run, same user data: the question comes before anything else.
    ScopedEnv data("XDG_DATA_HOME", dataHome.toLocal8Bit());
    MessageAnswerer yes(QMessageBox::Yes);
    StartedWindow w;
    yes.timer.stop();
    ASSERT_EQ(yes.Asked.size(), 1);
    EXPECT_TRUE(yes.Asked[0].startsWith(QStringLiteral("復元|") +
                                        QString::fromUtf8(app::RecoveryQuestionText())))
        << yes.Asked[0].toStdString();
    app::Workspace& ws = w.Ws();
    EXPECT_EQ(ws.Layout.RailCount, 2);
    EXPECT_TRUE(ws.Layout.Modified);
    EXPECT_EQ(ws.Layout.LayoutFileName, "");
    EXPECT_FALSE(std::filesystem::exists(autosave)); // taken over by this run
    const std::string adopted = w.window->Autosave().Files().Layout;
    EXPECT_TRUE(std::filesystem::exists(adopted));

    // A normal end, the edits thrown away: nothing is left to offer.
    MessageAnswerer no(QMessageBox::No);
    w.window->close();
    no.timer.stop();
    ASSERT_EQ(no.Asked.size(), 1);
    EXPECT_FALSE(std::filesystem::exists(adopted));
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dataHome.toStdString()))
        EXPECT_NE(entry.path().extension(), ".fvl") << entry.path();
}
