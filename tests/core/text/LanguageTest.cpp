#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "core/values/text/Language.h"

namespace ferrovane::text {
namespace {

// An environment of exactly the given variables.
EnvironmentLookup Environment(std::map<std::string, std::string> variables) {
    return [variables = std::move(variables)](const char* name) -> std::optional<std::string> {
        const auto found = variables.find(name);
        if (found == variables.end()) return std::nullopt;
        return found->second;
    };
}

TEST(LanguageTest, EnglishLocaleNames) {
    const struct Case {
        const char* locale;
        bool english;
    } cases[] = {{"en", true},         {"en_GB.UTF-8", true},  {"en_US", true},
                 {"EN_us.utf8", true}, {"en.UTF-8", true},     {"en@euro", true},
                 {"en-AU", true},      {"ja_JP.UTF-8", false}, {"C", false},
                 {"POSIX", false},     {"C.UTF-8", false},     {"", false},
                 {"e", false},         {"eng", false},         {"english", false},
                 {"de_DE", false},     {"fr_CA.UTF-8", false}};
    for (const Case& c : cases)
        EXPECT_EQ(IsEnglishLocale(c.locale), c.english) << c.locale;
}

TEST(LanguageTest, FirstSetVariableOfTheLocaleDecides) {
    const struct Case {
        const char* what;
        std::map<std::string, std::string> variables;
        Language expected;
    } cases[] = {
        {"nothing set", {}, Language::Japanese},
        {"LANG English", {{"LANG", "en_GB.UTF-8"}}, Language::English},
        {"LANG Japanese", {{"LANG", "ja_JP.UTF-8"}}, Language::Japanese},
        {"LANG C", {{"LANG", "C"}}, Language::Japanese},
        {"LANG POSIX", {{"LANG", "POSIX"}}, Language::Japanese},
        {"LANG German", {{"LANG", "de_DE.UTF-8"}}, Language::Japanese},
        {"LC_MESSAGES over LANG", {{"LC_MESSAGES", "en_US"}, {"LANG", "ja_JP"}}, Language::English},
        {"LC_MESSAGES C over English LANG",
         {{"LC_MESSAGES", "C"}, {"LANG", "en_US"}},
         Language::Japanese},
        {"LC_ALL over the rest",
         {{"LC_ALL", "en_US.UTF-8"}, {"LC_MESSAGES", "ja_JP"}, {"LANG", "ja_JP"}},
         Language::English},
        {"LC_ALL C over English", {{"LC_ALL", "C"}, {"LANG", "en_GB"}}, Language::Japanese},
        {"empty LC_ALL is skipped", {{"LC_ALL", ""}, {"LANG", "en_GB"}}, Language::English},
        {"empty LC_MESSAGES is skipped",
         {{"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANG", "en"}},
         Language::English},
        {"all empty", {{"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANG", ""}}, Language::Japanese},
        {"other variables do not count",
         {{"LC_CTYPE", "en_US"}, {"LANGUAGE", "en"}},
         Language::Japanese},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LocaleLanguage(Environment(c.variables)), c.expected) << c.what;
}

TEST(LanguageTest, ChoiceOverridesTheLocaleUnlessAuto) {
    const auto english = Environment({{"LANG", "en_GB.UTF-8"}});
    const auto japanese = Environment({{"LANG", "ja_JP.UTF-8"}});
    const struct Case {
        const char* choice;
        const EnvironmentLookup* environment;
        Language expected;
    } cases[] = {
        {"ja", &english, Language::Japanese},  {"en", &japanese, Language::English},
        {"auto", &english, Language::English}, {"auto", &japanese, Language::Japanese},
        {"", &english, Language::English},     {"fr", &japanese, Language::Japanese},
        {"EN", &japanese, Language::Japanese},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseLanguage(c.choice, *c.environment), c.expected) << c.choice;
}

TEST(LanguageTest, OnlyJaAndEnAreChoicesOfTheirOwn) {
    EXPECT_EQ(LanguageOfChoice("ja"), Language::Japanese);
    EXPECT_EQ(LanguageOfChoice("en"), Language::English);
    for (const char* other : {"auto", "", "japanese", "En", "en_GB"})
        EXPECT_EQ(LanguageOfChoice(other), std::nullopt) << other;
}

} // namespace
} // namespace ferrovane::text
