#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <gtest/gtest.h>

#include "gui/app/StartedWindow.h"

using namespace ferrovane;
using ferrovane::testing::StartedWindow;

namespace {

const QString GoodLayout =
    QString::fromUtf8(FERROVANE_TEST_DATA) + QStringLiteral("/layout/good.fvl");

// A layout dropped on the main window opens as from the Open dialog; anything else is
// not taken.
TEST(NamedLayout, ADroppedLayoutOpensAndOtherFilesAreRefused) {
    StartedWindow w;
    const auto drop = [&](const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(w.window.get(), &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent dropped(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.window.get(), &dropped);
        return true;
    };
    EXPECT_FALSE(drop(QString::fromStdString(ferrovane::testing::Catalogue)))
        << "a catalogue is no layout";
    EXPECT_EQ(w.Ws().Layout.RailCount, 0);
    ASSERT_TRUE(drop(GoodLayout));
    EXPECT_GT(w.Ws().Layout.RailCount, 0);
    EXPECT_EQ(w.Ws().Layout.LayoutFileName, GoodLayout.toStdString());
    EXPECT_TRUE(w.window->windowTitle().contains(QStringLiteral("good.fvl")));
}

} // namespace
