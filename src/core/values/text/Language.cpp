#include "core/values/text/Language.h"

#include <atomic>
#include <cstdlib>

namespace ferrovane::text {

namespace {
std::atomic<Language> current{Language::Japanese};
}

std::optional<std::string> ProcessEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr) return std::nullopt;
    return std::string(value);
}

bool IsEnglishLocale(const std::string& locale) {
    if (locale.size() < 2) return false;
    const auto lower = [](char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    };
    if (lower(locale[0]) != 'e' || lower(locale[1]) != 'n') return false;
    if (locale.size() == 2) return true;
    const char next = locale[2];
    return next == '_' || next == '.' || next == '@' || next == '-';
}

Language LocaleLanguage(const EnvironmentLookup& environment) {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const auto value = environment(name);
        if (!value || value->empty()) continue;
        return IsEnglishLocale(*value) ? Language::English : Language::Japanese;
    }
    return Language::Japanese;
}

std::optional<Language> LanguageOfChoice(const std::string& choice) {
    if (choice == "ja") return Language::Japanese;
    if (choice == "en") return Language::English;
    return std::nullopt;
}

Language ChooseLanguage(const std::string& choice, const EnvironmentLookup& environment) {
    if (const auto chosen = LanguageOfChoice(choice)) return *chosen;
    return LocaleLanguage(environment);
}

Language CurrentLanguage() {
    return current.load(std::memory_order_relaxed);
}

void SetCurrentLanguage(Language language) {
    current.store(language, std::memory_order_relaxed);
}

} // namespace ferrovane::text
