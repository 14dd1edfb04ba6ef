#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "cli/CliRun.h"

namespace {

using ferrovane::testing::WriteFile;

const std::string LayoutHeader = "VERSION 3.00\r\nLayout Size Width : 2400\r\nLayout Size "
                                 "Height: 1800\r\n";

// A record line of 61 items with item `item` (1-based) replaced.
std::string Record(int item = 0, const std::string& text = {}) {
    std::string line = "#TRUE#,1,\"S248\",0,1";
    for (int i = 6; i <= 61; ++i)
        line += ",0";
    if (item == 0) return line;
    std::size_t start = 0;
    for (int i = 1; i < item; ++i)
        start = line.find(',', start) + 1;
    const std::size_t end = std::min(line.find(',', start), line.size());
    return line.replace(start, end - start, text);
}

class DamagedFileCli : public ferrovane::testing::CliRun {};

} // namespace

// What a user reads after opening a damaged file: the numbered message, and after
// "説明 : " a Japanese description that names the line and the field.
TEST_F(DamagedFileCli, DescriptionsAreJapaneseAndNameTheLine) {
    const struct Case {
        const char* command;
        std::string bytes;
        std::string description; // after "エラー番号は "
    } cases[] = {
        {"layout", "VERSION 3.00\r\nLayout Size Width : 1.5\r\n",
         "13。 説明 : 型が一致しません。 (2 行目 レイアウトの幅: \"1.5\")"},
        {"layout", "VERSION 3.00\r\nLayout Size Width : 5\r\nLayout Size Height: 40000\r\n",
         "6。 説明 : オーバーフローしました。 (3 行目 レイアウトの高さ: \"40000\")"},
        {"layout", "VERSION 3.00\r\nLayout Size Width : 5\r\n",
         "62。 説明 : ファイルにこれ以上データがありません。 (3 行目 レイアウトの高さ)"},
        {"layout", LayoutHeader + Record() + "\r\n" + Record(6, "12a") + "\r\n",
         "13。 説明 : 型が一致しません。 (5 行目 レール 2 の 6 番目の項目)"},
        {"layout", LayoutHeader + Record(4, "256") + "\r\n",
         "6。 説明 : オーバーフローしました。 (4 行目 レール 1 の 4 番目の項目)"},
        {"layout", LayoutHeader + "#TRUE#,1,\"S\",0\r\n",
         "62。 説明 : ファイルにこれ以上データがありません。 61 項目のうち 4 項目しかありません。 "
         "(4 行目 レール 1 の 5 番目の項目)"},
        {"layout", LayoutHeader + Record(3, "\"\x81\"") + "\r\n",
         "13。 説明 : 型が一致しません。 Shift_JIS として読めない文字があります。 (4 行目 レール "
         "1 の 3 番目の項目)"},
        {"layout", LayoutHeader + Record() + ",0\r\n",
         "13。 説明 : 型が一致しません。 項目が 61 より多くあります。 (4 行目 レール 1 の 62 "
         "番目の項目)"},
        {"catalogue", "\"ColorStraight:\"\r\n\"S\",long,1,0\r\n\"End\",0,0,0\r\n\"End\"\r\n",
         "13。 説明 : 型が一致しません。 (2 行目 直線レールの欄)"},
        {"catalogue", "\"ColorStraight:\"\r\n\"S\",100,1,99999\r\n",
         "6。 説明 : オーバーフローしました。 (2 行目 直線レールの欄)"},
        {"catalogue", "\"ColorCurve:\"\r\n\"R\",100,45,0\r\n\r\n",
         "62。 説明 : ファイルにこれ以上データがありません。 (2 行目 曲線レールの欄)"},
        {"catalogue", "\"ColorCurve:\"\r\n\"End\",0,0,0,0\r\n\"\x81\"\r\n",
         "13。 説明 : 型が一致しません。 Shift_JIS として読めない文字があります。 (3 行目 "
         "欄の見出し)"},
        {"catalogue", "\"Point:\"\r\n\"P\",100,x,15\r\n",
         "13。 説明 : 型が一致しません。 (2 行目 旧形式のポイントの欄)"},
        {"catalogue", "\"RailBox:\"\r\n\"B\",0,0,x\r\n",
         "13。 説明 : 型が一致しません。 (2 行目 レールボックスの欄)"},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::string file = Temp("damaged" + std::to_string(++n));
        SCOPED_TRACE(std::string(c.command) + " case " + std::to_string(n));
        WriteFile(file, c.bytes);
        EXPECT_EQ(Run({c.command, file}), 1);
        const std::string tail = "エラー番号は " + c.description + "\n";
        ASSERT_GE(Err.size(), tail.size()) << Err;
        EXPECT_EQ(Err.substr(Err.size() - tail.size()), tail) << Err;
        // Nothing in English: the one Latin word left is the name of the code page.
        std::string text = Err;
        for (std::size_t at; (at = text.find("Shift_JIS")) != std::string::npos;)
            text.erase(at, 9);
        EXPECT_TRUE(std::none_of(text.begin(), text.end(), [](char ch) {
            return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
        })) << Err;
    }
}
