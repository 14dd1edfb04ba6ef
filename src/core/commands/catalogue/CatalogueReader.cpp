#include "core/commands/catalogue/CatalogueReader.h"

#include "core/commands/workspace/Workspace.h"
#include "core/compute/catalogue/CatalogueMessages.h"
#include "core/compute/catalogue/CatalogueParser.h"
#include "core/values/platform/FileSystem.h"

namespace ferrovane::catalogue {

namespace {

constexpr const char* ErrorSource = "Ferrovane";

CatalogueReadStatus ReportReadError(app::Workspace& ws, const document::FileError& error) {
    platform::ShowModal(*ws.Host, CatalogueReadErrorMessage(error));
    ws.Log("[LoadRailType] " + std::to_string(error.Number) + ", " + error.Description + "," +
           ErrorSource);
    return CatalogueReadStatus::Failed;
}

} // namespace

CatalogueReadStatus ReadCatalogue(app::Workspace& ws, const std::string& path) {
    ws.Log("[LoadRailType] Start Filename = " + path);
    if (!platform::FileExists(path)) {
        ws.Log("[LoadRailType] FindFile " + path + " = false");
        return CatalogueReadStatus::Missing;
    }
    document::FileError error;
    const auto bytes = platform::ReadWholeFile(path, error);
    if (!bytes) return ReportReadError(ws, error);
    ws.Log("[LoadRailType] OpenFile finished");

    CatalogueParseResult result = ParseCatalogue(*bytes, ws.Settings.RailColor);
    for (int n = 0; n < result.OldFormatNotices; ++n)
        platform::ShowModal(*ws.Host, OldFormatNoticeMessage());
    switch (result.Outcome) {
    case CatalogueParseOutcome::Read:
        break;
    case CatalogueParseOutcome::NameTooLong:
        // Ending the program here would lose the unsaved layout: the read just fails.
        platform::ShowModal(*ws.Host, NameTooLongMessage(result.NameLimit));
        return CatalogueReadStatus::Failed;
    case CatalogueParseOutcome::ReadError:
        return ReportReadError(ws, result.Error);
    }

    ws.Catalogue = std::move(result.Catalogue);
    ws.Changed.Mark(app::Change::Catalogue);
    ws.Catalogue.RTypeFileName = path;
    ws.Settings.RTypeFileName = path;
    ws.Log("[LoadRailType] finished");
    ws.Host->RefreshRailLists();
    return CatalogueReadStatus::Loaded;
}

} // namespace ferrovane::catalogue
