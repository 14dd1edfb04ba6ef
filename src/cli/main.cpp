#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "core/values/text/Language.h"

namespace {

void PrintUsage(std::FILE* out) {
    std::fputs("usage: ferrovane-cli [--lang ja|en] COMMAND ...\n"
               "\n"
               "  --lang ja|en\n"
               "      the language of the program's messages; without it, English for an\n"
               "      English locale (LC_ALL, LC_MESSAGES, LANG) and Japanese otherwise\n"
               "  catalogue IN.rtr [--write OUT.rtr]\n"
               "      read a rail catalogue; with --write, write it again to OUT\n"
               "  layout IN.fvl [--catalogue C.rtr] [--write OUT.fvl]\n"
               "      load a layout; with --write, save it to OUT\n"
               "  check IN.fvl [--catalogue C.rtr]\n"
               "      list open ends, strained joints, near misses, overlaps and duplicates\n"
               "  parts IN.fvl [--csv]\n"
               "      print the parts list of a layout; with --csv, as CSV (UTF-8 with BOM)\n"
#ifdef FERROVANE_HAVE_QTRENDER
               "  render IN.fvl OUT [--zoom 100|75|50|25] [--grid on|off]\n"
               "      draw a layout into an image file (BMP, or by the name JPEG or PNG)\n"
               "  render IN.fvl OUT.pdf|OUT.svg [--scale fit|1:1|1:2|1:5|1:10]\n"
               "         [--paper A4|A3|Letter] [--landscape] [--colour] [--grid]\n"
               "         [--texts|--no-texts] [--parts]\n"
               "      print a layout's plan to a PDF (one page, or sheets at 1:n that\n"
               "      overlap by 10 mm; \"pages N\" on standard output) or to an SVG\n"
               "      drawing in millimetres; defaults: fit, A4, portrait, black, no\n"
               "      grid, texts, no parts list sheet\n"
#endif
               "  script FILE|-\n"
               "      run editor operations, one a line, from FILE or standard input\n"
               "  --help\n"
               "      this text\n"
               "\n"
               "Messages go to standard error as \"title: text\". Exit status: 0 success,\n"
               "1 a read or load failed, 2 a write or save failed, 64 wrong usage.\n",
               out);
}

} // namespace

int main(int argc, char** argv) {
    namespace text = ferrovane::text;
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string languageChoice = "auto";
    if (!args.empty() && args.front() == "--lang") {
        const auto chosen = args.size() >= 2 ? text::LanguageOfChoice(args[1]) : std::nullopt;
        if (!chosen) {
            std::fprintf(stderr, "ferrovane-cli: --lang takes ja or en\n");
            PrintUsage(stderr);
            return ferrovane::cli::ExitUsage;
        }
        languageChoice = args[1];
        args.erase(args.begin(), args.begin() + 2);
    }
    text::SetCurrentLanguage(text::ChooseLanguage(languageChoice, text::ProcessEnvironment));
    if (args.empty()) {
        PrintUsage(stderr);
        return ferrovane::cli::ExitUsage;
    }
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "--help" || command == "-h" || command == "help") {
        PrintUsage(stdout);
        return ferrovane::cli::ExitOk;
    }
    for (const auto& entry : ferrovane::cli::CommandTable()) {
        if (command == entry.Name) return entry.Run(args);
    }
    std::fprintf(stderr, "ferrovane-cli: unknown command \"%s\"\n", command.c_str());
    PrintUsage(stderr);
    return ferrovane::cli::ExitUsage;
}
