#pragma once

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/app/settings/ApplicationRecords.h"
#include "core/app/settings/SettingsStore.h"
#include "core/app/startup/StartUp.h"
#include "core/commands/placement/Placement.h"
#include "core/values/text/Language.h"
#include "gui/app/ProgramLanguage.h"
#include "gui/app/frmMain.h"
#include "gui/editor/MainPicture.h"

namespace ferrovane::testing {

inline const std::string Catalogue =
    std::string(FERROVANE_TEST_DATA) + "/../../data/catalogues/n-33mm.rtr";

// A main window started as a returning user would: a catalogue set and a version
// recorded, so start-up asks nothing.
struct StartedWindow {
    app::MemorySettingsStore user;
    app::MemorySettingsStore records;
    std::unique_ptr<gui::frmMain> window;

    explicit StartedWindow(const std::vector<std::pair<std::string, std::string>>& settings = {}) {
        user.Set(app::RootSection, "RTypeFileName", Catalogue);
        // Pixels are checked against the aliased drawing.
        user.Set(app::RootSection, "SmoothDisplay", "False");
        for (const auto& [key, value] : settings)
            user.Set(app::RootSection, key, value);
        user.Set(app::StartupSection, "ZoomPosition", "0");
        records.Set(app::OptionsSection, app::CurrentVersionKey, app::CurrentVersionText());
        // The language as the program takes it at start-up, with "auto" read in an
        // environment that names no locale (Japanese), whatever the test run's own is.
        gui::StartLanguage(user, [](const char*) { return std::optional<std::string>(); });
        window =
            std::make_unique<gui::frmMain>(QCoreApplication::applicationDirPath(), user, records);
        window->resize(900, 700);
        EXPECT_EQ(app::RunStartUp(window->Ws(), window->Context()), document::CommandResult::Done);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        // What the start left for the event loop (the tool box sized for the window
        // font) is done before a test looks.
        QCoreApplication::processEvents();
    }

    // The window goes before the language is back to the program's own.
    ~StartedWindow() {
        window.reset();
        gui::UseLanguage(text::Language::Japanese);
    }

    app::Workspace& Ws() { return window->Ws(); }

    // A straight of the first kind laid freely from (x, y), by default towards larger x
    // (end angle 270; 90 runs the other way).
    int LayStraight(float x = 300, float y = 300, float angle = 270) {
        Ws().Editor.MouseX = x;
        Ws().Editor.MouseY = y;
        return geometry::PlaceRail(Ws(), angle, 0, geometry::PlaceCommit, false);
    }

    // The widget position of a layout point.
    QPoint PixelOf(float x, float y) {
        const auto& view = Ws().View;
        return QPoint(static_cast<int>((x - view.Screen.Left) / view.UnitsPerPixel()),
                      static_cast<int>((y - view.Screen.Top) / view.UnitsPerPixel()));
    }

    // A click on the board at a layout point, the pointer moved there first.
    void ClickAt(float x, float y) {
        const QPoint at = PixelOf(x, y);
        QTest::mouseMove(window->Picture(), at);
        QTest::mouseClick(window->Picture(), Qt::LeftButton, Qt::NoModifier, at);
    }

    // A click on the middle of rail n.
    void ClickRail(int n) {
        const model::Rail& r = Ws().Layout.Rails[static_cast<std::size_t>(n)];
        ClickAt(r.MidX, r.MidY);
    }

    QAction* Action(const char* name) {
        const auto actions = window->findChildren<QAction*>(QString::fromLatin1(name));
        return actions.isEmpty() ? nullptr : actions.first();
    }
};

// A copy of a bundled catalogue in a folder of its own, which a test may let the
// program write: pass {"RTypeFileName", Path} to StartedWindow.
struct CatalogueCopy {
    QTemporaryDir Dir;
    std::string Path;

    CatalogueCopy() {
        const QString path = Dir.filePath(QStringLiteral("copy.rtr"));
        EXPECT_TRUE(QFile::copy(QString::fromStdString(Catalogue), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        Path = path.toStdString();
    }

    QByteArray Bytes() const {
        QFile f(QString::fromStdString(Path));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
};

// The child of that name; a failure when there is none.
template <class Widget = QWidget> Widget* Child(QWidget* parent, const char* name) {
    auto* child = parent->findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// Answers the next message box with BUTTON (NoButton accepts it), keeping its text.
inline void AnswerNextBox(QMessageBox::StandardButton button, QString* text = nullptr) {
    QTimer::singleShot(0, [button, text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        if (text) *text = box->text();
        if (button == QMessageBox::NoButton)
            box->accept();
        else
            box->button(button)->click();
    });
}

inline void AnswerNextMessage(QString& text) {
    AnswerNextBox(QMessageBox::NoButton, &text);
}

// Pixels of the preview colour (pure red) in the board as the widget paints it.
inline int PreviewPixels(QWidget* picture) {
    const QImage image = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            count += qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
        }
    return count;
}

} // namespace ferrovane::testing
