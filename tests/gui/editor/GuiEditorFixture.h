#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>

#include "core/commands/catalogue/CatalogueReader.h"
#include "core/commands/workspace/Workspace.h"
#include "support/FakeUiHost.h"

namespace ferrovane::gui::testing {

// A workspace over a recording host with the bundled N-gauge catalogue.
struct GuiEditorFixture {
    GuiEditorFixture() {
        const std::string path =
            std::string(FERROVANE_TEST_DATA) + "/../../data/catalogues/n-33mm.rtr";
        EXPECT_EQ(catalogue::ReadCatalogue(ws, path), catalogue::CatalogueReadStatus::Loaded);
    }
    ferrovane::testing::FakeUiHost host;
    app::Workspace ws{host};
};

// The pointer moving over a widget, as the window system reports it.
inline void MoveOver(QWidget* widget, QPoint pos = {5, 5}) {
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), widget->mapToGlobal(QPointF(pos)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace ferrovane::gui::testing
