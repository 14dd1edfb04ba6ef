#include "core/commands/output/ImageExport.h"

#include <string>

#include "core/commands/render/ScreenRenderer.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/render/BackScreenSize.h"
#include "core/values/platform/UiHost.h"
#include "core/values/text/Messages.h"

namespace ferrovane::output {

platform::Message ImageExportFailedMessage(const document::FileError& error) {
    platform::Message message;
    message.Text = ImageExportFailedText();
    message.Title = ImageExportFailedTitle();
    message.Icon = platform::MessageIcon::Exclamation;
    message.Details = error.Description;
    return message;
}

platform::Message ImageTooLargeMessage(std::int64_t width, std::int64_t height) {
    platform::Message message;
    message.Text = render::BackScreenTooLargeText();
    message.Title = "Ferrovane";
    message.Icon = platform::MessageIcon::Exclamation;
    message.HelpTopic = render::BackScreenTooLargeHelpTopic;
    message.Details =
        text::Msg(text::MessageId::ImageTooLargeDetails,
                  {std::to_string(width), std::to_string(height),
                   std::to_string(render::MaxBackScreenBytes / (1024 * 1024)),
                   std::to_string(render::MaxBackScreenBytes / render::BackScreenBytesPerPixel)});
    return message;
}

bool SaveAsBitmap(app::Workspace& ws, const ImageWriter& write) {
    const render::PixelSize size =
        render::BackScreenPixelSize(ws.Layout.LayoutWidth, ws.Layout.LayoutHeight, ws.View.Zoom);
    if (!render::BackScreenFits(size)) {
        platform::ShowModal(*ws.Host, ImageTooLargeMessage(size.Width, size.Height));
        return false;
    }
    const platform::FileRequest request{ImageExportTitle(), ImageExportFilter(), ".", ""};
    const std::optional<std::string> name = ws.Host->ChooseSaveFile(request);
    if (!name || name->empty()) return false;
    document::FileError error;
    if (write(*name, ImageFormatForName(*name), error)) return true;
    platform::ShowModal(*ws.Host, ImageExportFailedMessage(error));
    return false;
}

} // namespace ferrovane::output
