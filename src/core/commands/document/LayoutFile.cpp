#include "core/commands/document/LayoutFile.h"

#include "core/commands/catalogue/CatalogueReader.h"
#include "core/commands/document/LayoutTitle.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/document/LayoutReader.h"
#include "core/compute/document/LayoutWriter.h"
#include "core/compute/document/RecentFiles.h"
#include "core/compute/geometry/RepairLinks.h"
#include "core/values/format/FileErrorText.h"
#include "core/values/model/RailIndex.h"
#include "core/values/platform/AtomicFile.h"
#include "core/values/platform/FileSystem.h"
#include "core/values/platform/UiHost.h"
#include "core/values/text/Messages.h"

namespace ferrovane::document {

namespace {

void ShowExclamation(app::Workspace& ws, const std::string& text, const char* title) {
    platform::ShowModal(*ws.Host, {text, title, platform::MessageIcon::Exclamation,
                                   platform::MessageButtons::Ok, 0});
}

bool IsBlank(const std::string& s) {
    return s.find_first_not_of(" \t") == std::string::npos;
}

} // namespace

std::string LayoutFileErrorText(int place, const FileError& error) {
    return text::Msg(text::MessageId::LayoutFileError,
                     {std::to_string(place), std::to_string(error.Number), error.Description});
}

bool SaveFile(app::Workspace& ws, std::string path) {
    ws.Changed.Mark(app::Change::Layout); // the title names the file and its state
    if (path.empty()) path = ws.Layout.LayoutFileName;
    FileError error = MakeFileError(ErrPathAccess, ReasonNoFileName());
    if (path.empty() || !platform::WriteFileAtomically(path, WriteLayout(ws.Layout), error)) {
        ShowExclamation(ws, LayoutFileErrorText(PlaceLayoutWrite, error),
                        text::Msg(text::MessageId::ErrorTitle));
        return false;
    }
    ws.Layout.Modified = false;
    AddRecentFile(ws.Layout, path);
    // The file name is set before the title so that the title names the file just saved.
    ws.Layout.LayoutFileName = path;
    SetfrmMainTitle(ws);
    return true;
}

bool LoadFile(app::Workspace& ws, std::string path, const LoadOptions& options) {
    ws.Changed.Mark({app::Change::Layout, app::Change::Selection, app::Change::View});
    if (path.empty()) path = ws.Layout.LayoutFileName;
    ws.Log("[LoadFile] FN = " + path);
    if (!platform::FileExists(path)) {
        ShowExclamation(ws, text::Msg(text::MessageId::FileNotFound),
                        text::Msg(text::MessageId::WarningTitle));
        return false;
    }

    ws.Log("[LoadFile] RTypeFileName = " + ws.Catalogue.RTypeFileName);
    if (options.ReloadCatalogue) {
        // A copy: the reader replaces the catalogue that holds the name.
        const std::string catalogueName = ws.Catalogue.RTypeFileName;
        if (IsBlank(catalogueName)) {
            std::string chosen;
            if (options.LoadRType) options.LoadRType(ws, chosen);
        } else {
            catalogue::ReadCatalogue(ws, catalogueName);
        }
    }

    LayoutReadResult read;
    {
        platform::BusyPointer busy(*ws.Host);
        FileError error;
        auto bytes = platform::ReadWholeFile(path, error);
        if (!bytes) {
            read.Error = error;
        } else {
            read = ParseLayout(*bytes);
            if (read.Status == LayoutReadStatus::Loaded) {
                read.Layout.SavedRailCount = read.Layout.RailCount;
                geometry::RepairLinks(read.Layout);
                model::RebuildRailIndex(read.Layout);
            }
        }
    }
    if (read.Status == LayoutReadStatus::BadVersion) {
        ShowExclamation(ws, text::Msg(text::MessageId::BadVersion),
                        text::Msg(text::MessageId::ErrorTitle));
        return false;
    }
    if (read.Status != LayoutReadStatus::Loaded) {
        ShowExclamation(ws, LayoutFileErrorText(PlaceLayoutRead, read.Error),
                        text::Msg(text::MessageId::ErrorTitle));
        return false;
    }

    model::Layout& fresh = read.Layout;
    fresh.RecentFiles = ws.Layout.RecentFiles;
    fresh.LayoutFileName = path;
    ws.Layout = std::move(fresh);
    AddRecentFile(ws.Layout, path);
    ws.Redraw->ReDrawBackScreen();
    SetfrmMainTitle(ws);
    ws.Layout.Modified = false;
    return true;
}

} // namespace ferrovane::document
