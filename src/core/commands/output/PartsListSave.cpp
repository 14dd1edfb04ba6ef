#include "core/commands/output/PartsListSave.h"

#include <filesystem>

#include "core/commands/workspace/Workspace.h"
#include "core/compute/output/PartsList.h"
#include "core/compute/output/PartsListCsv.h"
#include "core/values/platform/AtomicFile.h"
#include "core/values/text/Messages.h"

namespace ferrovane::output {

namespace {

bool SaveParts(app::Workspace& ws, const platform::FileRequest& request, const std::string& bytes) {
    const std::optional<std::string> name = ws.Host->ChooseSaveFile(request);
    if (!name || name->empty()) return false;
    document::FileError error;
    if (platform::WriteFileAtomically(*name, bytes, error)) return true;
    platform::Message message;
    message.Text = PartsSaveFailedText();
    message.Title = text::Msg(text::MessageId::ErrorTitle);
    message.Icon = platform::MessageIcon::Exclamation;
    message.Details = error.Description;
    platform::ShowModal(*ws.Host, message);
    return false;
}

} // namespace

platform::FileRequest PartsFileRequest(const app::Workspace& ws, const char* title,
                                       const char* filter, const std::string& extension) {
    const std::filesystem::path layout(ws.Layout.LayoutFileName);
    platform::FileRequest request{
        title, filter, ".", std::string(text::Msg(text::MessageId::PartsFileName)) + extension};
    if (!layout.stem().empty()) {
        request.InitialName = layout.stem().string() + extension;
        if (layout.has_parent_path()) request.InitialDir = layout.parent_path().string();
    }
    return request;
}

bool SavePartsListText(app::Workspace& ws) {
    return SaveParts(ws, PartsFileRequest(ws, PartsTextTitle(), PartsTextFilter(), ".txt"),
                     JoinPartsList(BuildPartsList(ws.Layout), "\r\n"));
}

bool SavePartsListCsv(app::Workspace& ws) {
    return SaveParts(ws, PartsFileRequest(ws, PartsCsvTitle(), PartsCsvFilter(), ".csv"),
                     PartsListCsv(ws.Layout));
}

} // namespace ferrovane::output
