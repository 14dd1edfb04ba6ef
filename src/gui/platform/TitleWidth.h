#pragma once

#include <QString>

class QWidget;

namespace ferrovane::gui {

// How wide a window must be for the window manager to show its whole title: the text
// in the (usually bold, larger) title font and the title bar's buttons.
int TitleBarWidth(const QString& title);

// Keeps a small window at least that wide, so its title is never cut.
void KeepTitleWhole(QWidget* window);

} // namespace ferrovane::gui
