#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/CliRun.h"
#include "cli/TextLines.h"
#include "support/XmlTree.h"

namespace {

using ferrovane::testing::Lines;
using ferrovane::testing::Quote;
using ferrovane::testing::ReadFile;
using ferrovane::testing::StartsWith;

const std::string Layout = std::string(FERROVANE_TEST_DATA) + "/layout/good.fvl";
const std::string Catalogue = std::string(FERROVANE_CATALOGUE_DIR) + "/n-33mm.rtr";
constexpr double PointsPerMm = 72 / 25.4;

bool HavePoppler() {
    return std::system("command -v pdftoppm >/dev/null 2>&1 && "
                       "command -v pdfinfo >/dev/null 2>&1") == 0;
}

// A greyscale page image: one byte a pixel, 0 black.
struct Gray {
    int Width = 0, Height = 0;
    std::string Pixels;
    unsigned char At(int x, int y) const {
        return static_cast<unsigned char>(Pixels[static_cast<std::size_t>(y * Width + x)]);
    }
};

// Reads a binary PGM as pdftoppm writes it: "P5\nW H\n255\n" and the pixels.
Gray ReadPgm(const std::string& path) {
    const std::string bytes = ReadFile(path);
    Gray image;
    std::smatch m;
    static const std::regex header("^P5\\s+(\\d+)\\s+(\\d+)\\s+255\\s");
    if (!std::regex_search(bytes, m, header)) return image;
    image.Width = std::stoi(m[1]);
    image.Height = std::stoi(m[2]);
    image.Pixels = bytes.substr(static_cast<std::size_t>(m.length(0)));
    if (image.Pixels.size() != static_cast<std::size_t>(image.Width) * image.Height) return {};
    return image;
}

// The longest run of dark pixels along a row: the rail's long edge on a straight laid
// across the sheet. The sheet's marks are light grey and do not count.
int LongestDarkRun(const Gray& image) {
    int best = 0;
    for (int y = 0; y < image.Height; ++y) {
        int run = 0;
        for (int x = 0; x < image.Width; ++x) {
            run = image.At(x, y) < 128 ? run + 1 : 0;
            best = std::max(best, run);
        }
    }
    return best;
}

class PlanCli : public ferrovane::testing::CliRun {
protected:
    PlanCli() : CliRun("render") {}

    void SetUp() override {
        CliRun::SetUp();
        Run({});
        if (Err.find("unknown command") != std::string::npos) GTEST_SKIP() << "no render command";
    }

    // Runs a shell command; its standard output, nullopt when it failed.
    std::optional<std::string> Shell(const std::string& command) {
        const std::string out = Temp("shell-out.txt");
        if (std::system((command + " >" + Quote(out) + " 2>/dev/null").c_str()) != 0)
            return std::nullopt;
        return ReadFile(out);
    }

    // pdfinfo's page count and the first page's size in millimetres.
    struct PdfInfo {
        int Pages = 0;
        double WidthMm = 0, HeightMm = 0;
    };
    PdfInfo Info(const std::string& pdf) {
        PdfInfo info;
        const std::string text = Shell("pdfinfo " + Quote(pdf)).value_or("");
        std::smatch m;
        if (std::regex_search(text, m, std::regex("Pages:\\s+(\\d+)")))
            info.Pages = std::stoi(m[1]);
        if (std::regex_search(text, m, std::regex("Page size:\\s+([0-9.]+) x ([0-9.]+) pts"))) {
            info.WidthMm = std::stod(m[1]) / PointsPerMm;
            info.HeightMm = std::stod(m[2]) / PointsPerMm;
        }
        return info;
    }

    // "pages N" on standard output.
    int ReportedPages() const {
        const auto lines = Lines(Out);
        if (lines.size() != 1 || !StartsWith(lines[0], "pages ")) return -1;
        return std::stoi(lines[0].substr(6));
    }

    // One straight S248 across the middle of a 1:1 landscape A4 sheet of the default board.
    std::string OneStraight() {
        const std::string saved = Temp("straight.fvl");
        EXPECT_EQ(RunScript("catalogue " + Catalogue +
                            "\ntool straight S248\nfree 470 450 270\nsave " + saved + "\n"),
                  0)
            << Err;
        return saved;
    }
};

TEST_F(PlanCli, FullSizeStraightMeasures248MillimetresOnLandscapeA4) {
    if (!HavePoppler()) GTEST_SKIP() << "pdftoppm and pdfinfo are not installed";
    const std::string layout = OneStraight();
    const std::string pdf = Temp("plan.pdf");
    ASSERT_EQ(Run({layout, pdf, "--scale", "1:1", "--landscape"}), 0) << Err;
    const int pages = ReportedPages();
    ASSERT_GT(pages, 0) << Out;
    const PdfInfo info = Info(pdf);
    EXPECT_EQ(info.Pages, pages);
    EXPECT_NEAR(info.WidthMm, 297, 0.5);
    EXPECT_NEAR(info.HeightMm, 210, 0.5);
    // 254 dots an inch: ten pixels a millimetre. No smoothing, so a hairline is solid.
    ASSERT_TRUE(
        Shell("pdftoppm -r 254 -gray -aaVector no " + Quote(pdf) + " " + Quote(Temp("page"))))
        << "pdftoppm failed";
    int longest = 0;
    for (int n = 1; n <= pages; ++n) {
        // pdftoppm pads the page numbers to the width of the last one.
        std::string number = std::to_string(n);
        number.insert(0, std::to_string(pages).size() - number.size(), '0');
        const Gray page = ReadPgm(Temp("page-" + number + ".pgm"));
        ASSERT_GT(page.Width, 0) << "page " << n;
        EXPECT_NEAR(page.Width, 2970, 2);
        longest = std::max(longest, LongestDarkRun(page));
    }
    EXPECT_NEAR(longest, 2480, 5) << "the rail's edge in tenths of a millimetre";
}

TEST_F(PlanCli, PagesReportedMatchTheFileAndThePartsListAddsOne) {
    if (!HavePoppler()) GTEST_SKIP() << "pdftoppm and pdfinfo are not installed";
    struct Case {
        std::vector<std::string> options;
        double w, h;
    };
    const Case cases[] = {
        {{}, 210, 297}, // fit on portrait A4 by default
        {{"--parts"}, 210, 297},
        {{"--scale", "1:2", "--paper", "a3"}, 297, 420},
        {{"--scale", "1:2", "--paper", "A3", "--parts", "--grid", "--colour"}, 297, 420},
        {{"--paper", "Letter", "--landscape", "--no-texts"}, 279.4, 215.9},
    };
    int withoutParts = 0;
    for (const Case& c : cases) {
        std::vector<std::string> words{Layout, Temp("plan.PDF")};
        words.insert(words.end(), c.options.begin(), c.options.end());
        SCOPED_TRACE(::testing::PrintToString(c.options));
        ASSERT_EQ(Run(words), 0) << Err;
        const int pages = ReportedPages();
        const PdfInfo info = Info(Temp("plan.PDF"));
        EXPECT_EQ(info.Pages, pages);
        EXPECT_NEAR(info.WidthMm, c.w, 0.5);
        EXPECT_NEAR(info.HeightMm, c.h, 0.5);
        const bool parts =
            std::find(c.options.begin(), c.options.end(), "--parts") != c.options.end();
        if (parts) {
            EXPECT_EQ(pages, withoutParts + 1);
        } else {
            withoutParts = pages;
        }
    }
    EXPECT_EQ(withoutParts, 1); // the last case: fitted on one sheet
}

TEST_F(PlanCli, SvgIsOneTitledGroupPerRailSizedInMillimetres) {
    // good.fvl: a board of 2400 by 1800; its live records begin with #TRUE#.
    std::vector<std::string> names;
    for (const std::string& line : Lines(ReadFile(Layout)))
        if (StartsWith(line, "#TRUE#,")) {
            const std::size_t open = line.find('"'), close = line.find('"', open + 1);
            names.push_back(line.substr(open + 1, close - open - 1));
        }
    ASSERT_FALSE(names.empty());
    const std::string svg = Temp("plan.Svg");
    ASSERT_EQ(Run({Layout, svg, "--scale", "1:2"}), 0) << Err;
    EXPECT_EQ(Out, "");
    std::string problem;
    const auto root = ferrovane::testing::XmlReader::Parse(ReadFile(svg), problem);
    ASSERT_TRUE(root) << problem;
    EXPECT_EQ(root->Attributes.at("width"), "1200mm");
    EXPECT_EQ(root->Attributes.at("height"), "900mm");
    std::vector<std::string> titles;
    for (const auto* g : root->All("g")) {
        ASSERT_EQ(g->All("title").size(), 1u);
        titles.push_back(g->All("title")[0]->Text);
        EXPECT_FALSE(g->All("line").empty() && g->All("path").empty() && g->All("circle").empty())
            << titles.back();
    }
    // The file's names are Shift_JIS, the drawing's UTF-8: those in ASCII compare as they are.
    ASSERT_EQ(titles.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const bool ascii = std::all_of(names[i].begin(), names[i].end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        if (ascii) {
            EXPECT_EQ(titles[i], names[i]);
        }
        EXPECT_FALSE(titles[i].empty());
    }
}

TEST_F(PlanCli, LabelsBringTheFontWarningUnlessTextsAreLeftOut) {
    const std::string saved = Temp("label.fvl");
    ASSERT_EQ(RunScript("label 300 400 Yard\nsave " + saved + "\n"), 0) << Err;
    const std::string warning =
        "フォントの問題 - Ferrovane: 文字が含まれています。文字はフォントによって適切な位置に";
    for (const char* name : {"a.pdf", "a.svg"}) {
        ASSERT_EQ(Run({saved, Temp(name)}), 0) << Err;
        EXPECT_NE(Err.find(warning), std::string::npos) << name << ": " << Err;
        ASSERT_EQ(Run({saved, Temp(name), "--no-texts"}), 0) << Err;
        EXPECT_EQ(Err.find("フォントの問題"), std::string::npos) << name << ": " << Err;
    }
}

TEST_F(PlanCli, FailuresAndUsage) {
    const std::string pdf = Temp("x.pdf");
    for (const std::vector<std::string>& words :
         std::vector<std::vector<std::string>>{{Layout, pdf, "--scale", "1:3"},
                                               {Layout, pdf, "--scale"},
                                               {Layout, pdf, "--scale", "1:1", "--scale", "1:2"},
                                               {Layout, pdf, "--paper", "B5"},
                                               {Layout, pdf, "--zoom", "50"},
                                               {Layout, pdf, "--texts", "--no-texts"},
                                               {Layout, pdf, "--grid", "on"},
                                               {Layout, Temp("x.svg"), "--parts"},
                                               {Layout, pdf, "extra.fvl"}}) {
        EXPECT_EQ(Run(words), 64) << ::testing::PrintToString(words);
        EXPECT_NE(Err.find("usage: ferrovane-cli render"), std::string::npos);
        EXPECT_EQ(Out, "");
    }
    // The image form keeps its own options.
    EXPECT_EQ(Run({Layout, Temp("x.png"), "--scale", "1:1"}), 64);
    EXPECT_EQ(Run({Temp("missing.fvl"), pdf}), 1);
    EXPECT_EQ(Run({Layout, Temp("no/such/dir/x.pdf")}), 2);
    EXPECT_EQ(Run({Layout, Temp("no/such/dir/x.svg")}), 2);
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

} // namespace
