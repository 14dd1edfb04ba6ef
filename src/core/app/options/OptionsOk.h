#pragma once

#include <optional>

#include "core/app/options/OptionFieldChecks.h"
#include "core/app/options/OptionValues.h"

namespace ferrovane::app {

struct Workspace;
struct StartUpContext;

// The steps of OK that belong to the windows: the options window implements them.
class OptionsWindowSteps {
public:
    virtual ~OptionsWindowSteps() = default;
    virtual void CloseToolBox() {}
    // The windows take the chosen font (WindowFontName).
    virtual void SetFormFont() {}
    // The tool box laid out large or small as LargeToolBox says, and shown again.
    virtual void ResizeToolBox() {}
    virtual void CloseDialog() {}
};

// OK: every field is checked first, as leaving it would (a field left by pressing
// Enter was never left). A field that keeps the focus stops OK and is returned; the
// window stays open. Otherwise the values go into the settings in the window's order,
// the off-screen image is redrawn, the tool box closed, the settings saved, the windows'
// font set, the tool box resized and reopened and the window closed.
std::optional<OptionField> OptionsOk(Workspace& ws, const StartUpContext& context,
                                     OptionValues& values, OptionsWindowSteps& window);

} // namespace ferrovane::app
