// Rendering needs the Qt drawing surfaces; without them the command does not exist.
#ifdef FERROVANE_HAVE_QTRENDER

#include "cli/RenderCommand.h"

#include <cstdio>
#include <optional>
#include <string>

#include "cli/GuiApplication.h"
#include "cli/OptionWords.h"
#include "cli/RenderPlanCommand.h"
#include "core/commands/document/LayoutFile.h"
#include "core/commands/output/ImageExport.h"
#include "core/commands/render/ScreenRenderer.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/output/ImageExportName.h"
#include "core/compute/render/Zoom.h"
#include "core/values/platform/ConsoleUiHost.h"
#include "gui/render/ImageFileWriter.h"
#include "gui/render/ImageSurface.h"

namespace ferrovane::cli {

namespace {

// The visible board is not exported; it only has to exist for the redraw.
constexpr int BoardWindowWidth = 640;
constexpr int BoardWindowHeight = 480;

struct RenderArguments {
    std::string Input;
    std::string Output;
    int ZoomItem = 0;
    bool Grid = true;
};

int Usage(const std::string& problem) {
    std::fprintf(stderr, "ferrovane-cli render: %s\n%s", problem.c_str(), RenderUsageText);
    return ExitUsage;
}

std::optional<int> ZoomItemOf(const std::string& percent) {
    if (percent == "100") return 0;
    if (percent == "75") return 1;
    if (percent == "50") return 2;
    if (percent == "25") return 3;
    return std::nullopt;
}

std::optional<RenderArguments> Parse(const Arguments& args, std::string& problem) {
    RenderArguments parsed;
    std::vector<std::string> files;
    bool zoomGiven = false, gridGiven = false;
    for (std::size_t i = 0; i < args.size() && problem.empty(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--zoom") {
            const auto value = TakeOptionValue(args, i, zoomGiven, problem);
            if (!value) break;
            const auto item = ZoomItemOf(*value);
            if (item)
                parsed.ZoomItem = *item;
            else
                problem = "--zoom must be 100, 75, 50 or 25";
        } else if (arg == "--grid") {
            const auto value = TakeOptionValue(args, i, gridGiven, problem);
            if (!value) break;
            if (*value == "on" || *value == "off")
                parsed.Grid = *value == "on";
            else
                problem = "--grid must be on or off";
        } else {
            TakeFileWord(arg, files, problem);
        }
    }
    if (problem.empty() && files.size() != 2) problem = "needs a layout file and an image file";
    if (!problem.empty()) return std::nullopt;
    parsed.Input = files[0];
    parsed.Output = files[1];
    return parsed;
}

} // namespace

int RunRenderCommand(const Arguments& args) {
    if (RendersPlan(args)) return RunRenderPlanCommand(args);
    std::string problem;
    const auto parsed = Parse(args, problem);
    if (!parsed) return Usage(problem);

    platform::ConsoleUiHost host;
    app::Workspace ws(host);
    document::LoadOptions options;
    options.ReloadCatalogue = false;
    if (!document::LoadFile(ws, parsed->Input, options)) return ExitReadFailed;

    const auto application = StartGuiApplication();
    gui::ImageSurface backScreen;
    gui::ImageSurface mainPicture(BoardWindowWidth, BoardWindowHeight);
    render::ScreenRenderer renderer(ws, backScreen, mainPicture);
    ws.Redraw = &renderer;
    const float zoom = *render::ZoomForMenuItem(parsed->ZoomItem);
    ws.View.Zoom = zoom;
    ws.View.IsGrid = parsed->Grid;
    renderer.ChangeZoomie();
    ws.Redraw = &render::NullRedrawTarget();
    if (ws.View.Zoom != zoom) {
        // The board did not fit into memory at this zoom: the image would show only a
        // corner of it.
        std::fprintf(stderr, "ferrovane-cli render: the board is too large for zoom %d %%\n",
                     render::ZoomPercent(zoom));
        return ExitWriteFailed;
    }
    backScreen.Flush();
    document::FileError error;
    if (!gui::WriteImageFile(backScreen.Image(), parsed->Output,
                             output::ImageFormatForName(parsed->Output), error)) {
        host.ShowMessage(output::ImageExportFailedMessage(error));
        return ExitWriteFailed;
    }
    return ExitOk;
}

} // namespace ferrovane::cli

#endif // FERROVANE_HAVE_QTRENDER
