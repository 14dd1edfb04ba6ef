#include "gui/platform/TitleWidth.h"

#include <QApplication>
#include <QFontMetrics>
#include <QWidget>

#include <algorithm>

namespace ferrovane::gui {

namespace {

constexpr int TitleBarButtons = 110;
// Window managers draw titles bold and often larger than the application's font.
constexpr double TitleFontAllowance = 1.3;

} // namespace

int TitleBarWidth(const QString& title) {
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    return static_cast<int>(QFontMetrics(titleFont).horizontalAdvance(title) * TitleFontAllowance) +
           TitleBarButtons;
}

void KeepTitleWhole(QWidget* window) {
    window->setMinimumWidth(std::max(window->minimumWidth(), TitleBarWidth(window->windowTitle())));
}

} // namespace ferrovane::gui
