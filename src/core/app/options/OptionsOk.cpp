#include "core/app/options/OptionsOk.h"

#include "core/app/settings/SettingsIo.h"
#include "core/app/startup/StartUp.h"
#include "core/commands/workspace/Workspace.h"

namespace ferrovane::app {

std::optional<OptionField> OptionsOk(Workspace& ws, const StartUpContext& context,
                                     OptionValues& values, OptionsWindowSteps& window) {
    for (OptionField field : AllOptionFields)
        if (LeaveOptionField(*ws.Host, field, values) == FieldCheck::KeepFocus) return field;
    ApplyOptionValues(values, ws.Settings);
    // Scroll steps and the grid are drawn from the settings.
    ws.Changed.Mark({Change::Settings, Change::View});
    ws.Redraw->ReDrawBackScreen();
    window.CloseToolBox();
    // The store gets the catalogue in use, as at shutdown, not the one of the start.
    if (!ws.Catalogue.RTypeFileName.empty()) ws.Settings.RTypeFileName = ws.Catalogue.RTypeFileName;
    if (context.UserStore) SaveSettings(*context.UserStore, ws.Settings, ws.Layout.RecentFiles);
    window.SetFormFont();
    window.ResizeToolBox();
    window.CloseDialog();
    return std::nullopt;
}

} // namespace ferrovane::app
