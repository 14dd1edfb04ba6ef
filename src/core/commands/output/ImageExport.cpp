#include "core/commands/output/ImageExport.h"

#include "core/commands/workspace/Workspace.h"
#include "core/values/platform/UiHost.h"

namespace ferrovane::output {

bool SaveAsBitmap(app::Workspace& ws, const ImageWriter& write) {
    const platform::FileRequest request{ImageExportTitle, ImageExportFilter, ".", ""};
    const std::optional<std::string> name = ws.Host->ChooseSaveFile(request);
    if (!name || name->empty()) return false;
    if (write(*name, ImageFormatForName(*name))) return true;
    platform::Message message;
    message.Text = ImageExportFailedText;
    message.Title = ImageExportFailedTitle;
    message.Icon = platform::MessageIcon::Exclamation;
    platform::ShowModal(*ws.Host, message);
    return false;
}

} // namespace ferrovane::output
