#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The front-end tests need an application object; they run on the offscreen platform.
// Per-user data (autosaves above all) goes to a folder of this run, so that what one
// run leaves is never offered to another.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir userData;
    if (userData.isValid() && qEnvironmentVariableIsEmpty("FERROVANE_KEEP_DATA_HOME"))
        qputenv("XDG_DATA_HOME", userData.path().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
