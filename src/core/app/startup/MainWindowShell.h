#pragma once

#include <string>

#include "core/values/settings/WindowPlace.h"

namespace ferrovane::app {

// The main window's own steps in the start-up and shutdown orders: what it shows,
// not what it decides. The GUI implements it; tests record the calls.
class MainWindowShell {
public:
    virtual ~MainWindowShell() = default;
    virtual void ShowMainWindow() {}
    virtual void HideWelcome() {}
    virtual void SetStatusFont(const std::string& /*fontName*/) {}
    // Unticks the rail-information menu item.
    virtual void UncheckRailAbout() {}
    // Grid, ruler and coordinate numbers were switched on: tick their menu items.
    virtual void ShowGridRulerNumbers() {}
    // The zoom menu's handler for item 0..4.
    virtual void ApplyZoomMenuItem(int /*item*/) {}
    virtual void LoadPointerImages() {}
    virtual void CloseToolBox() {}
    // Where the main window and the tool box are now, for the next start.
    virtual WindowPlace MainWindowPlace() const { return {}; }
    virtual WindowPlace ToolBoxPlace() const { return {}; }
    // The view origin (layout units) stored for the next start.
    virtual float ViewOriginX() const { return 0; }
    virtual float ViewOriginY() const { return 0; }
};

} // namespace ferrovane::app
