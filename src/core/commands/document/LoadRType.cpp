#include "core/commands/document/LoadRType.h"

#include "core/commands/catalogue/CatalogueReader.h"
#include "core/commands/workspace/Workspace.h"
#include "core/values/platform/UiHost.h"

namespace ferrovane::document {

CommandResult LoadRType(app::Workspace& ws, const DocumentContext& context, std::string& name) {
    platform::UiHost& host = *ws.Host;
    for (;;) {
        const bool noCatalogue = ws.Catalogue.RTypeFileName.empty();
        host.HideToolBox();
        if (noCatalogue) {
            const auto answer = host.ShowMessage(
                {WelcomeText(), WelcomeTitle(), platform::MessageIcon::Information});
            if (answer == platform::Answer::Cancel) return CommandResult::Quit;
        }
        name =
            host.ChooseOpenFile({OpenCatalogueTitle(), CatalogueFilter(), context.CatalogueDir, ""})
                .value_or("");
        // A first-time user cannot go on without a catalogue.
        if (noCatalogue && name.empty()) continue;
        host.ShowToolBox();
        if (name.empty()) return CommandResult::Cancelled;
        if (catalogue::ReadCatalogue(ws, name) == catalogue::CatalogueReadStatus::Loaded) {
            ws.Settings.RTypeFileName = name;
            ws.Redraw->ReDrawBackScreen();
            return CommandResult::Done;
        }
        // The reader has told the user what was wrong with the file: ask again.
    }
}

} // namespace ferrovane::document
