#include "core/commands/output/ImageExport.h"

#include "core/commands/workspace/Workspace.h"
#include "core/values/platform/UiHost.h"

namespace ferrovane::output {

platform::Message ImageExportFailedMessage(const document::FileError& error) {
    platform::Message message;
    message.Text = ImageExportFailedText();
    message.Title = ImageExportFailedTitle();
    message.Icon = platform::MessageIcon::Exclamation;
    message.Details = error.Description;
    return message;
}

bool SaveAsBitmap(app::Workspace& ws, const ImageWriter& write) {
    const platform::FileRequest request{ImageExportTitle(), ImageExportFilter(), ".", ""};
    const std::optional<std::string> name = ws.Host->ChooseSaveFile(request);
    if (!name || name->empty()) return false;
    document::FileError error;
    if (write(*name, ImageFormatForName(*name), error)) return true;
    platform::ShowModal(*ws.Host, ImageExportFailedMessage(error));
    return false;
}

} // namespace ferrovane::output
