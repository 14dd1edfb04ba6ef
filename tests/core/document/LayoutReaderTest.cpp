#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/compute/document/LayoutReader.h"
#include "core/compute/document/LayoutWriter.h"
#include "support/LayoutFixtures.h"

using namespace ferrovane;
using document::LayoutReadStatus;
using document::ParseLayout;

namespace {

const std::string Header = "VERSION 3.00  Created by Ferrovane version : 1.0.0\r\n"
                           "Layout Size Width : 2400\r\n"
                           "Layout Size Height: 1800\r\n";

// A record line for a live straight numbered n (no line end).
std::string Record(int n, const std::string& name = "\"S248\"") {
    std::string line = "#TRUE#," + std::to_string(n) + "," + name + ",0," + std::to_string(n);
    for (int i = 0; i < 26; ++i) {
        line += ',';
        line += std::to_string(i + 1);
    }
    line += ",0,0";
    for (int i = 0; i < 13; ++i)
        line += ",0.5";
    line += ",#TRUE#,#TRUE#,#TRUE#,0,0,0,0,0,0,#FALSE#,0,0,0,128,0";
    return line;
}

// Replaces item `item` (1-based) of a record line.
std::string WithItem(const std::string& line, int item, const std::string& value) {
    std::vector<std::string> items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        items.push_back(line.substr(start, comma - start));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    items[static_cast<std::size_t>(item - 1)] = value;
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i)
        out += (i ? "," : "") + items[i];
    return out;
}

} // namespace

TEST(LayoutReader, VersionLineComparesTwelveCharactersExactly) {
    const struct {
        const char* line;
        LayoutReadStatus status;
    } cases[] = {
        {"VERSION 3.00  Created by Ferrovane version : 1.0.0", LayoutReadStatus::Loaded},
        {"VERSION 3.001", LayoutReadStatus::Loaded},
        {"VERSION 3.00", LayoutReadStatus::Loaded},
        {"Version 3.00", LayoutReadStatus::BadVersion},
        {"VERSION 3.0", LayoutReadStatus::BadVersion},
        {"VERSION 2.00", LayoutReadStatus::BadVersion},
        {" VERSION 3.00", LayoutReadStatus::BadVersion},
        {"\xEF\xBB\xBFVERSION 3.00", LayoutReadStatus::BadVersion},
        {"", LayoutReadStatus::BadVersion},
    };
    for (const auto& c : cases) {
        const std::string file =
            std::string(c.line) + "\r\nLayout Size Width : 1\r\nLayout Size Height: 2\r\n";
        EXPECT_EQ(ParseLayout(file).Status, c.status) << c.line;
    }
}

TEST(LayoutReader, BoardSizeIsTakenFromCharacterTwenty) {
    const struct {
        const char* line;
        int width;
    } good[] = {
        {"Layout Size Width : 2000", 2000},      {"Layout Size Width :2000", 2000},
        {"Layout Size Width :    2000  ", 2000}, {"Anything goes here:1500", 1500},
        {"Layout Size Width : -3", -3},          {"Layout Size Width : +32767", 32767},
    };
    for (const auto& c : good) {
        const auto r =
            ParseLayout("VERSION 3.00\r\n" + std::string(c.line) + "\r\nLayout Size Height: 7\r\n");
        ASSERT_EQ(r.Status, LayoutReadStatus::Loaded) << c.line << ": " << r.Error.Description;
        EXPECT_EQ(r.Layout.LayoutWidth, c.width) << c.line;
        EXPECT_EQ(r.Layout.LayoutHeight, 7);
    }
    const struct {
        const char* line;
        int error;
    } bad[] = {
        {"Layout Size Width : abc", document::ErrTypeMismatch},
        {"Layout Size Width : 20 00", document::ErrTypeMismatch},
        {"Layout Size Width", document::ErrTypeMismatch},
        {"Layout Size Width : ", document::ErrTypeMismatch},
        {"Layout Size Width : 32768", document::ErrOverflow},
        {"Layout Size Width : 99999999999999999999999", document::ErrOverflow},
    };
    for (const auto& c : bad) {
        const auto r =
            ParseLayout("VERSION 3.00\r\nLayout Size Width : 5\r\n" + std::string(c.line) + "\r\n");
        EXPECT_EQ(r.Status, LayoutReadStatus::Malformed) << c.line;
        EXPECT_EQ(r.Error.Number, c.error) << c.line;
        EXPECT_NE(r.Error.Description.find("(3 行目 レイアウトの高さ: \""), std::string::npos)
            << r.Error.Description;
    }
}

TEST(LayoutReader, TruncatedHeaderIsAReadError) {
    for (const std::string file : {"", "VERSION 3.00", "VERSION 3.00\r\nLayout Size Width : 5"}) {
        const auto r = ParseLayout(file);
        EXPECT_EQ(r.Status, LayoutReadStatus::Malformed) << file;
        EXPECT_EQ(r.Error.Number, document::ErrInputPastEnd) << file;
    }
}

TEST(LayoutReader, HeaderOnlyGivesAnEmptyLayoutSizedZeroToOne) {
    const auto r = ParseLayout(Header);
    ASSERT_EQ(r.Status, LayoutReadStatus::Loaded);
    EXPECT_EQ(r.Layout.RailCount, 0);
    EXPECT_EQ(r.Layout.Rails.size(), 2u);
    EXPECT_EQ(r.Layout.LayoutWidth, 2400);
    EXPECT_EQ(r.Layout.LayoutHeight, 1800);
}

TEST(LayoutReader, AnyLineEndGivesTheSameLayout) {
    const std::string crlf =
        Header + Record(1) + "\r\n" + Record(2, "\"\x8B\xC8\x90\xFC\"") /* 曲線 */ + "\r\n";
    const auto reference = ParseLayout(crlf);
    ASSERT_EQ(reference.Status, LayoutReadStatus::Loaded) << reference.Error.Description;
    ASSERT_EQ(reference.Layout.RailCount, 2);
    auto replaced = [&](const std::string& eol, bool finalEol) {
        std::string s;
        for (std::size_t i = 0; i < crlf.size(); ++i) {
            if (crlf[i] == '\r') {
                s += eol;
                ++i;
            } else {
                s += crlf[i];
            }
        }
        if (!finalEol) s.erase(s.size() - eol.size());
        return s;
    };
    for (const std::string eol : {"\n", "\r", "\r\n"}) {
        for (bool finalEol : {true, false}) {
            const auto r = ParseLayout(replaced(eol, finalEol));
            ASSERT_EQ(r.Status, LayoutReadStatus::Loaded) << r.Error.Description;
            EXPECT_EQ(r.Layout.RailCount, 2);
            EXPECT_EQ(r.Layout.Rails, reference.Layout.Rails);
            EXPECT_EQ(r.Layout.LayoutHeight, 1800);
        }
    }
}

TEST(LayoutReader, FieldsLandInTheirMembers) {
    std::string line = Record(1);
    line = WithItem(line, 2, "9");      // No
    line = WithItem(line, 5, "4");      // No again: wins
    line = WithItem(line, 4, "2");      // Kind
    line = WithItem(line, 32, "255");   // Dir
    line = WithItem(line, 36, "1E-05"); // Angle2
    line = WithItem(line, 49, "#FALSE#");
    line = WithItem(line, 54, "2");  // LinkEnd2
    line = WithItem(line, 55, "-7"); // Link2
    line = WithItem(line, 56, "#TRUE#");
    line = WithItem(line, 60, "16777215");
    line = WithItem(line, 61, "3");
    const auto r = ParseLayout(Header + line + "\r\n");
    ASSERT_EQ(r.Status, LayoutReadStatus::Loaded) << r.Error.Description;
    const model::Rail& rail = r.Layout.Rails[1];
    EXPECT_EQ(rail.No, 4);
    EXPECT_EQ(rail.Kind, 2);
    EXPECT_EQ(rail.Length, 1.0f);
    EXPECT_EQ(rail.MidY, 26.0f);
    EXPECT_EQ(rail.Dir, 255);
    EXPECT_EQ(rail.Angle0, 0.5f);
    EXPECT_EQ(rail.Angle2, 1e-5f);
    EXPECT_FALSE(rail.Free2);
    EXPECT_EQ(rail.LinkEnd2, 2);
    EXPECT_EQ(rail.Link2, -7);
    EXPECT_TRUE(rail.Upper);
    EXPECT_EQ(rail.Color, 16777215);
    EXPECT_EQ(rail.BoxSeq, 3);
}

TEST(LayoutReader, NameLosesTrailingBlanksOnlyAndComesBackAsUtf8) {
    const struct {
        std::string field, name;
    } cases[] = {
        {"\"S248   \"", "S248"},
        {"\"  S248\"", "  S248"},
        {"\"\x83\x7C\x83\x43\x83\x93\x83\x67 \x8D\xB6 \"", "ポイント 左"},
        {"\"   \"", ""},
        {"\"a,b\"", "a,b"},
        {"  \"S64\"  ", "S64"},
    };
    for (const auto& c : cases) {
        const auto r = ParseLayout(Header + Record(1, c.field) + "\r\n");
        ASSERT_EQ(r.Status, LayoutReadStatus::Loaded) << c.field << r.Error.Description;
        EXPECT_EQ(r.Layout.Rails[1].Name, c.name) << c.field;
    }
}

TEST(LayoutReader, BlankLinesAndBlanksAroundFieldsAreAccepted) {
    std::string spaced;
    for (char c : Record(2))
        spaced += c == ',' ? std::string(" , ") : std::string(1, c);
    const auto r = ParseLayout(Header + "\r\n" + Record(1) + "\r\n  \r\n" + spaced + "\r\n\r\n");
    ASSERT_EQ(r.Status, LayoutReadStatus::Loaded) << r.Error.Description;
    EXPECT_EQ(r.Layout.RailCount, 2);
    EXPECT_EQ(r.Layout.Rails[2].No, 2);
}

TEST(LayoutReader, MalformedRecordsNameTheRailLineAndItem) {
    const std::string good = Record(2);
    const struct {
        std::string line;
        int error;
        const char* where;
    } cases[] = {
        {WithItem(good, 7, "12a"), document::ErrTypeMismatch,
         "型が一致しません。 (5 行目 レール 2 の 7 番目の項目)"},
        {WithItem(good, 7, "\"12\""), document::ErrTypeMismatch, "7 番目の項目"},
        {WithItem(good, 7, "nan"), document::ErrTypeMismatch, "7 番目の項目"},
        {WithItem(good, 7, "1E+39"), document::ErrOverflow, "7 番目の項目"},
        {WithItem(good, 4, "256"), document::ErrOverflow, "4 番目の項目"},
        {WithItem(good, 4, "-1"), document::ErrOverflow, "4 番目の項目"},
        {WithItem(good, 2, "32768"), document::ErrOverflow, "2 番目の項目"},
        {WithItem(good, 60, "2147483648"), document::ErrOverflow, "60 番目の項目"},
        {WithItem(good, 1, "#MAYBE#"), document::ErrTypeMismatch, "1 番目の項目"},
        {WithItem(good, 3, "\"\x81\""), document::ErrTypeMismatch,
         "Shift_JIS として読めない文字があります。 (5 行目 レール 2 の 3 番目の項目)"},
        {good.substr(0, good.rfind(',')), document::ErrInputPastEnd,
         "61 項目のうち 60 項目しかありません。"},
        {good + ",0", document::ErrTypeMismatch,
         "項目が 61 より多くあります。 (5 行目 レール 2 の 62 番目の項目)"},
        {"#TRUE#", document::ErrInputPastEnd, "61 項目のうち 1 項目しかありません。"},
    };
    for (const auto& c : cases) {
        const auto r = ParseLayout(Header + Record(1) + "\r\n" + c.line + "\r\n" + Record(3));
        EXPECT_EQ(r.Status, LayoutReadStatus::Malformed) << c.line;
        EXPECT_EQ(r.Error.Number, c.error) << c.line;
        EXPECT_NE(r.Error.Description.find(c.where), std::string::npos)
            << c.where << " in " << r.Error.Description;
    }
}

TEST(LayoutReader, AtMost32767Records) {
    const std::string line = Record(1) + "\r\n";
    std::string file = Header;
    file.reserve(Header.size() + line.size() * 32768);
    for (int i = 0; i < model::MaxRailCount; ++i)
        file += line;
    const auto full = ParseLayout(file);
    ASSERT_EQ(full.Status, LayoutReadStatus::Loaded);
    EXPECT_EQ(full.Layout.RailCount, model::MaxRailCount);

    file += line;
    const auto over = ParseLayout(file);
    EXPECT_EQ(over.Status, LayoutReadStatus::Malformed);
    EXPECT_EQ(over.Error.Number, document::ErrOverflow);
    EXPECT_EQ(over.Error.Description,
              "オーバーフローしました。 レールは 32767 本までです。 (32771 行目)");
}

TEST(LayoutWriter, EmptyLayoutIsExactlyTheThreeHeaderLines) {
    model::Layout layout;
    layout.LayoutWidth = 3000;
    EXPECT_EQ(document::WriteLayout(layout), document::LayoutVersionLine() +
                                                 "\r\nLayout Size Width : 3000\r\n"
                                                 "Layout Size Height: 2000\r\n");
    EXPECT_EQ(
        document::LayoutVersionLine().rfind("VERSION 3.00  Created by Ferrovane version : ", 0),
        0u);
}

TEST(LayoutWriter, RecordLineHasSixtyOneItemsWithNoTwice) {
    model::Layout layout;
    layout.AppendRail() = ferrovane::testing::layouts::Straight(1, 500, 500, 248);
    layout.Rails[1].Name = "ポイント\"左\"";
    const std::string bytes = document::WriteLayout(layout);
    const std::string record = bytes.substr(bytes.find("Height: 2000\r\n") + 14);
    EXPECT_EQ(record.substr(0, 9), "#TRUE#,1,");
    EXPECT_EQ(record.substr(record.size() - 2), "\r\n");
    // Shift_JIS, with the quotes made full-width so the line still reads back.
    EXPECT_NE(record.find("\"\x83\x7C\x83\x43\x83\x93\x83\x67"), std::string::npos) << record;
    EXPECT_EQ(std::count(record.begin(), record.end(), '"'), 2);
    EXPECT_EQ(std::count(record.begin(), record.end(), ','), 60);
    const auto back = ParseLayout(bytes);
    ASSERT_EQ(back.Status, LayoutReadStatus::Loaded) << back.Error.Description;
    EXPECT_EQ(back.Layout.Rails[1].Name, "ポイント＂左＂");
}
