#include "gui/catalogue/StatusHint.h"

#include <QEvent>
#include <QWidget>

#include "core/values/platform/UiHost.h"

namespace ferrovane::gui {

namespace {

class HintFilter : public QObject {
public:
    HintFilter(QObject* parent, platform::UiHost& host, const QString& hint)
        : QObject(parent), mHost(host), mHint(hint.toStdString()) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Enter || event->type() == QEvent::FocusIn)
            mHost.SetStatusText(mHint);
        return QObject::eventFilter(watched, event);
    }

private:
    platform::UiHost& mHost;
    std::string mHint;
};

} // namespace

void SetStatusHint(QWidget* control, platform::UiHost& host, const QString& hint) {
    control->setToolTip(hint);
    control->installEventFilter(new HintFilter(control, host, hint));
}

} // namespace ferrovane::gui
