#include "core/commands/output/PlanExport.h"

#include <filesystem>

#include "core/commands/output/ImageExport.h"
#include "core/commands/workspace/Workspace.h"
#include "core/values/platform/UiHost.h"
#include "core/values/text/Messages.h"

namespace ferrovane::output {

namespace {

platform::FileRequest RequestFor(const app::Workspace& ws, PlanFormat format) {
    const bool pdf = format == PlanFormat::Pdf;
    platform::FileRequest request;
    request.Title = pdf ? text::Msg(text::MessageId::PdfExportTitle)
                        : text::Msg(text::MessageId::SvgExportTitle);
    request.Filter =
        pdf ? text::Msg(text::MessageId::PdfFilter) : text::Msg(text::MessageId::SvgFilter);
    const std::filesystem::path layout(ws.Layout.LayoutFileName);
    request.InitialDir = layout.has_parent_path() ? layout.parent_path().string() : ".";
    request.InitialName = (layout.has_stem() ? layout.stem().string() : std::string("layout")) +
                          (pdf ? ".pdf" : ".svg");
    return request;
}

} // namespace

bool ExportPlan(app::Workspace& ws, PlanFormat format, const PlanFileWriter& write) {
    const std::optional<std::string> name = ws.Host->ChooseSaveFile(RequestFor(ws, format));
    if (!name || name->empty()) return false;
    document::FileError error;
    if (write(*name, error)) return true;
    platform::Message message = ImageExportFailedMessage(error);
    message.Text = text::Msg(text::MessageId::ExportFailed);
    message.Title = RequestFor(ws, format).Title;
    platform::ShowModal(*ws.Host, message);
    return false;
}

} // namespace ferrovane::output
