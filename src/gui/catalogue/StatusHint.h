#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace ferrovane::platform {
class UiHost;
}

namespace ferrovane::gui {

// A control's hint: its tool tip, and the status line's text while the pointer is over
// it or it has the focus.
void SetStatusHint(QWidget* control, platform::UiHost& host, const QString& hint);

} // namespace ferrovane::gui
