#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/compute/catalogue/CatalogueMessages.h"
#include "core/values/format/FileErrorText.h"
#include "core/values/text/Messages.h"

namespace ferrovane::text {
namespace {

// Sets the program's language for one test and puts the previous one back.
class LanguageScope {
public:
    explicit LanguageScope(Language language) : mBefore(CurrentLanguage()) {
        SetCurrentLanguage(language);
    }
    ~LanguageScope() { SetCurrentLanguage(mBefore); }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;

private:
    Language mBefore;
};

// The code points of UTF-8 text.
std::vector<char32_t> CodePoints(std::string_view text) {
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t point = length == 1   ? lead
                         : length == 2 ? lead & 0x1F
                         : length == 3 ? lead & 0x0F
                                       : lead & 0x07;
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
            point = (point << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        points.push_back(point);
        i += length;
    }
    return points;
}

// Kana, kanji, Japanese punctuation and full-width forms.
bool HasJapanese(std::string_view text) {
    const auto points = CodePoints(text);
    return std::any_of(points.begin(), points.end(), [](char32_t c) {
        return (c >= 0x3000 && c <= 0x9FFF) || (c >= 0xFF00 && c <= 0xFFEF);
    });
}

// The placeholders of a text, sorted: "{2} of {1}" gives {1}, {2}.
std::vector<std::string> Placeholders(std::string_view text) {
    std::vector<std::string> found;
    for (std::size_t i = 0; i + 2 < text.size(); ++i)
        if (text[i] == '{' && text[i + 1] >= '1' && text[i + 1] <= '9' && text[i + 2] == '}')
            found.emplace_back(text.substr(i, 3));
    std::sort(found.begin(), found.end());
    return found;
}

TEST(MessagesTest, TableHasOneRowPerIdentifierInOrder) {
    const auto table = MessageTable();
    ASSERT_FALSE(table.empty());
    for (std::size_t i = 0; i < table.size(); ++i)
        EXPECT_EQ(static_cast<std::size_t>(table[i].Id), i);
}

TEST(MessagesTest, EveryMessageHasBothLanguages) {
    for (const MessageTexts& row : MessageTable()) {
        const int id = static_cast<int>(row.Id);
        ASSERT_NE(row.Japanese, nullptr) << id;
        ASSERT_NE(row.English, nullptr) << id;
        EXPECT_FALSE(std::string_view(row.Japanese).empty()) << id;
        EXPECT_FALSE(std::string_view(row.English).empty()) << id;
        EXPECT_FALSE(HasJapanese(row.English)) << id << ": " << row.English;
        EXPECT_EQ(Placeholders(row.Japanese), Placeholders(row.English))
            << id << ": " << row.Japanese << " / " << row.English;
    }
}

TEST(MessagesTest, TheJapaneseColumnHoldsJapanese) {
    // A translation that was pasted into the wrong column shows up here: apart from texts
    // that are only names, numbers and signs, the Japanese column has Japanese in it.
    int withoutJapanese = 0;
    for (const MessageTexts& row : MessageTable())
        if (!HasJapanese(row.Japanese)) ++withoutJapanese;
    EXPECT_EQ(withoutJapanese, 0);
}

TEST(MessagesTest, TheCurrentLanguageChoosesTheColumn) {
    const struct Case {
        MessageId id;
        const char* japanese;
        const char* english;
    } cases[] = {
        {MessageId::ErrorTitle, "エラー", "Error"},
        {MessageId::WarningTitle, "警告", "Warning"},
        {MessageId::ErrorTypeMismatch, "型が一致しません。", "Type mismatch."},
        {MessageId::SaveQuestionText, "現在のレイアウトは保存されていません。保存しますか。",
         "The current layout has not been saved. Save it?"},
    };
    for (const Case& c : cases) {
        {
            LanguageScope scope(Language::Japanese);
            EXPECT_STREQ(Msg(c.id), c.japanese);
        }
        {
            LanguageScope scope(Language::English);
            EXPECT_STREQ(Msg(c.id), c.english);
        }
        EXPECT_STREQ(Msg(c.id, Language::Japanese), c.japanese);
        EXPECT_STREQ(Msg(c.id, Language::English), c.english);
    }
}

TEST(MessagesTest, PlaceholdersTakeTheirValuesInAnyOrder) {
    const struct Case {
        const char* text;
        std::vector<std::string_view> values;
        const char* filled;
    } cases[] = {
        {"{1} 項目のうち {2} 項目", {"61", "4"}, "61 項目のうち 4 項目"},
        {"Only {2} of {1} items.", {"61", "4"}, "Only 4 of 61 items."},
        {"{1}{1}", {"ab"}, "abab"},
        {"no values", {}, "no values"},
        {"{2} missing", {"x"}, "{2} missing"},
        {"{0} and {a} stay", {"x"}, "{0} and {a} stay"},
        {"ends with {", {"x"}, "ends with {"},
        {"{1", {"x"}, "{1"},
        {"{1}", {"{2}", "y"}, "{2}"},
        {"{9}", {"1", "2", "3", "4", "5", "6", "7", "8", "nine"}, "nine"},
    };
    for (const Case& c : cases) {
        std::string filled;
        switch (c.values.size()) {
        case 0:
            filled = FillPlaceholders(c.text, {});
            break;
        case 1:
            filled = FillPlaceholders(c.text, {c.values[0]});
            break;
        case 2:
            filled = FillPlaceholders(c.text, {c.values[0], c.values[1]});
            break;
        default:
            filled = FillPlaceholders(c.text, {c.values[0], c.values[1], c.values[2], c.values[3],
                                               c.values[4], c.values[5], c.values[6], c.values[7],
                                               c.values[8]});
        }
        EXPECT_EQ(filled, c.filled) << c.text;
    }
}

// A damaged catalogue's message as the user reads it, in each language.
TEST(MessagesTest, CatalogueReadErrorInBothLanguages) {
    const auto message = [] {
        return catalogue::CatalogueReadErrorMessage(
            document::MakeFileError(document::ErrTypeMismatch, {},
                                    document::SectionPlace(2, document::SectionStraights())));
    };
    {
        LanguageScope scope(Language::Japanese);
        const auto m = message();
        EXPECT_EQ(m.Title, "エラー");
        EXPECT_NE(
            m.Text.find("エラー番号は 13。 説明 : 型が一致しません。 (2 行目 直線レールの欄)"),
            std::string::npos)
            << m.Text;
    }
    {
        LanguageScope scope(Language::English);
        const auto m = message();
        EXPECT_EQ(m.Title, "Error");
        EXPECT_NE(
            m.Text.find(
                "Error number 13. Description: Type mismatch. (line 2, straight rails section)"),
            std::string::npos)
            << m.Text;
        EXPECT_FALSE(HasJapanese(m.Text)) << m.Text;
    }
}

} // namespace
} // namespace ferrovane::text
