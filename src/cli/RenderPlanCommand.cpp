// Plans need the Qt page layouts and PDF writer; without them the command does not exist.
#ifdef FERROVANE_HAVE_QTRENDER

#include "cli/RenderPlanCommand.h"

#include <cstdio>
#include <optional>
#include <string>

#include "cli/GuiApplication.h"
#include "cli/OptionWords.h"
#include "core/commands/document/LayoutFile.h"
#include "core/commands/output/PrintPlan.h"
#include "core/commands/output/SvgPlan.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/output/ImageExportName.h"
#include "core/values/platform/ConsoleUiHost.h"
#include "gui/render/PlanPainter.h"

namespace ferrovane::cli {

const char* const RenderUsageText =
    "usage: ferrovane-cli render IN.fvl OUT [--zoom 100|75|50|25] [--grid on|off]\n"
    "       ferrovane-cli render IN.fvl OUT.pdf|OUT.svg [--scale fit|1:1|1:2|1:5|1:10]\n"
    "           [--paper A4|A3|Letter] [--landscape] [--colour] [--grid]\n"
    "           [--texts|--no-texts] [--parts]\n";

namespace {

struct PlanArguments {
    std::string Input;
    std::string Output;
    output::PlanFormat Format = output::PlanFormat::None;
    output::PrintSettings Settings;
    QPageSize::PageSizeId Paper = QPageSize::A4;
    bool Landscape = false;
};

int Usage(const std::string& problem) {
    std::fprintf(stderr, "ferrovane-cli render: %s\n%s", problem.c_str(), RenderUsageText);
    return ExitUsage;
}

std::string AsciiLower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// 0 for fit, else the n of 1:n.
std::optional<int> ScaleOf(const std::string& value) {
    if (value == "fit") return 0;
    for (const int n : output::PrintScales)
        if (value == "1:" + std::to_string(n)) return n;
    return std::nullopt;
}

std::optional<QPageSize::PageSizeId> PaperOf(const std::string& value) {
    const std::string lower = AsciiLower(value);
    if (lower == "a4") return QPageSize::A4;
    if (lower == "a3") return QPageSize::A3;
    if (lower == "letter") return QPageSize::Letter;
    return std::nullopt;
}

// Sets a flag option; false when the word is none.
bool TakeFlag(const std::string& arg, PlanArguments& parsed, bool& textsGiven, bool& noTextsGiven) {
    output::PrintSettings& s = parsed.Settings;
    if (arg == "--landscape") {
        parsed.Landscape = true;
    } else if (arg == "--colour") {
        s.InColour = true;
    } else if (arg == "--grid") {
        s.Grid = true;
    } else if (arg == "--parts") {
        s.PartsPage = true;
    } else if (arg == "--texts") {
        textsGiven = true;
    } else if (arg == "--no-texts") {
        noTextsGiven = true;
        s.Texts = false;
    } else {
        return false;
    }
    return true;
}

std::optional<PlanArguments> Parse(const Arguments& args, std::string& problem) {
    PlanArguments parsed;
    std::vector<std::string> files;
    bool scaleGiven = false, paperGiven = false, textsGiven = false, noTextsGiven = false;
    for (std::size_t i = 0; i < args.size() && problem.empty(); ++i) {
        const std::string& arg = args[i];
        if (TakeFlag(arg, parsed, textsGiven, noTextsGiven)) continue;
        if (arg == "--scale") {
            const auto value = TakeOptionValue(args, i, scaleGiven, problem);
            if (!value) break;
            const auto scale = ScaleOf(*value);
            if (scale)
                parsed.Settings.ScaleDenominator = *scale;
            else
                problem = "--scale must be fit, 1:1, 1:2, 1:5 or 1:10";
        } else if (arg == "--paper") {
            const auto value = TakeOptionValue(args, i, paperGiven, problem);
            if (!value) break;
            const auto paper = PaperOf(*value);
            if (paper)
                parsed.Paper = *paper;
            else
                problem = "--paper must be A4, A3 or Letter";
        } else {
            TakeFileWord(arg, files, problem);
        }
    }
    if (problem.empty() && textsGiven && noTextsGiven)
        problem = "--texts and --no-texts contradict each other";
    if (problem.empty() && files.size() != 2)
        problem = "needs a layout file and a .pdf or .svg file";
    if (!problem.empty()) return std::nullopt;
    parsed.Input = files[0];
    parsed.Output = files[1];
    parsed.Format = output::PlanFormatForName(parsed.Output);
    if (parsed.Format == output::PlanFormat::Svg && parsed.Settings.PartsPage) {
        problem = "--parts needs a .pdf file: a drawing has no second sheet";
        return std::nullopt;
    }
    return parsed;
}

int WriteFailed(const PlanArguments& parsed, const document::FileError& error) {
    std::fprintf(stderr, "ferrovane-cli render: %s: %s\n", parsed.Output.c_str(),
                 error.Description.c_str());
    return ExitWriteFailed;
}

} // namespace

bool RendersPlan(const Arguments& args) {
    int files = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--zoom" || arg == "--scale" || arg == "--paper") {
            ++i; // its value
            continue;
        }
        if (arg == "--grid" && i + 1 < args.size() &&
            (args[i + 1] == "on" || args[i + 1] == "off")) {
            ++i; // the image form's value
            continue;
        }
        if (IsOptionWord(arg)) continue;
        if (++files == 2) return output::PlanFormatForName(arg) != output::PlanFormat::None;
    }
    return false;
}

int RunRenderPlanCommand(const Arguments& args) {
    std::string problem;
    const auto parsed = Parse(args, problem);
    if (!parsed) return Usage(problem);

    platform::ConsoleUiHost host;
    app::Workspace ws(host);
    document::LoadOptions options;
    options.ReloadCatalogue = false;
    if (!document::LoadFile(ws, parsed->Input, options)) return ExitReadFailed;

    const QPageLayout page = gui::PlanPageLayout(
        parsed->Paper, parsed->Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    output::WarnAboutTexts(ws, parsed->Settings);
    document::FileError error;
    if (parsed->Format == output::PlanFormat::Svg) {
        if (!output::WriteLayoutSvg(ws, parsed->Settings, gui::PrintableArea(page), parsed->Output,
                                    error))
            return WriteFailed(*parsed, error);
        return ExitOk;
    }
    // Texts in a PDF are laid out with the system's fonts.
    const auto application = StartGuiApplication();
    int sheets = 0;
    if (!gui::WritePlanPdf(ws, parsed->Settings, page, parsed->Output, error, sheets))
        return WriteFailed(*parsed, error);
    std::printf("pages %d\n", sheets);
    return ExitOk;
}

} // namespace ferrovane::cli

#endif // FERROVANE_HAVE_QTRENDER
