#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/CliRun.h"

namespace {

using ferrovane::testing::WriteFile;

// A catalogue whose first straight has a length that is no number.
const std::string DamagedCatalogue =
    "\"ColorStraight:\"\r\n\"S\",long,1,0\r\n\"End\",0,0,0\r\n\"End\"\r\n";
// A layout whose width is no whole number.
const std::string DamagedLayout = "VERSION 3.00\r\nLayout Size Width : 1.5\r\n";

// Kana, kanji and Japanese punctuation have lead bytes 0xE3 to 0xE9 in UTF-8.
bool HasJapanese(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0xE3 && byte <= 0xE9;
    });
}

class LanguageCli : public ferrovane::testing::CliRun {};

TEST_F(LanguageCli, DamagedFilesAreReportedInTheChosenLanguage) {
    const struct Case {
        const char* what;
        const char* lang;                // LANG of the run
        std::vector<std::string> before; // words before the command
        const char* command;
        const std::string* bytes;
        const char* expected; // the end of standard error
        bool japanese;
    } cases[] = {
        {"--lang en",
         "C",
         {"--lang", "en"},
         "catalogue",
         &DamagedCatalogue,
         "Error number 13. Description: Type mismatch. (line 2, straight rails section)\n",
         false},
        {"English locale",
         "en_GB.UTF-8",
         {},
         "catalogue",
         &DamagedCatalogue,
         "Error number 13. Description: Type mismatch. (line 2, straight rails section)\n",
         false},
        {"C locale",
         "C",
         {},
         "catalogue",
         &DamagedCatalogue,
         "エラー番号は 13。 説明 : 型が一致しません。 (2 行目 直線レールの欄)\n",
         true},
        {"--lang ja over an English locale",
         "en_GB.UTF-8",
         {"--lang", "ja"},
         "catalogue",
         &DamagedCatalogue,
         "エラー番号は 13。 説明 : 型が一致しません。 (2 行目 直線レールの欄)\n",
         true},
        {"Japanese locale",
         "ja_JP.UTF-8",
         {},
         "catalogue",
         &DamagedCatalogue,
         "エラー番号は 13。 説明 : 型が一致しません。 (2 行目 直線レールの欄)\n",
         true},
        // The console shows a line break in a message as a blank.
        {"layout, --lang en",
         "C",
         {"--lang", "en"},
         "layout",
         &DamagedLayout,
         "Error number 13. Description: Type mismatch. (line 2, layout width: \"1.5\")\n",
         false},
        {"layout, English locale",
         "en_US.UTF-8",
         {},
         "layout",
         &DamagedLayout,
         "Error number 13. Description: Type mismatch. (line 2, layout width: \"1.5\")\n",
         false},
        {"layout, C locale",
         "C",
         {},
         "layout",
         &DamagedLayout,
         "エラー番号は 13。 説明 : 型が一致しません。 (2 行目 レイアウトの幅: \"1.5\")\n",
         true},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string file = Temp("damaged" + std::to_string(++n));
        WriteFile(file, *c.bytes);
        Lang = c.lang;
        std::vector<std::string> words = c.before;
        words.push_back(c.command);
        words.push_back(file);
        EXPECT_EQ(Run(words), 1);
        const std::string tail = c.expected;
        ASSERT_GE(Err.size(), tail.size()) << Err;
        EXPECT_EQ(Err.substr(Err.size() - tail.size()), tail) << Err;
        EXPECT_EQ(HasJapanese(Err), c.japanese) << Err;
    }
}

TEST_F(LanguageCli, EnglishCatalogueMessageReadsWhole) {
    const std::string file = Temp("bad.rtr");
    WriteFile(file, DamagedCatalogue);
    EXPECT_EQ(Run({"--lang", "en", "catalogue", file}), 1);
    EXPECT_NE(Err.find("Error: [#2] An error occurred while reading the rail catalogue file."),
              std::string::npos)
        << Err;
    EXPECT_FALSE(HasJapanese(Err)) << Err;
}

TEST_F(LanguageCli, LangNeedsJaOrEnBeforeTheCommand) {
    const std::string file = Temp("bad.rtr");
    WriteFile(file, DamagedCatalogue);
    const std::vector<std::vector<std::string>> wrong{
        {"--lang", "fr", "catalogue", file},
        {"--lang", "EN", "catalogue", file},
        {"--lang", "auto", "catalogue", file},
        {"--lang"},
    };
    for (const auto& words : wrong) {
        SCOPED_TRACE(words.size() > 1 ? words[1] : "no value");
        EXPECT_EQ(Run(words), 64);
        EXPECT_NE(Err.find("--lang takes ja or en"), std::string::npos) << Err;
        EXPECT_NE(Err.find("usage: ferrovane-cli [--lang ja|en] COMMAND"), std::string::npos);
    }
    // Only a command follows: the usage, as without --lang.
    EXPECT_EQ(Run({"--lang", "en"}), 64);
    EXPECT_EQ(Run({"--lang", "en", "--help"}), 0);
    EXPECT_NE(Out.find("--lang ja|en"), std::string::npos) << Out;
}

} // namespace
