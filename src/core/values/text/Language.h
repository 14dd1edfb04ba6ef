#pragma once

#include <functional>
#include <optional>
#include <string>

namespace ferrovane::text {

// The language of every text the user sees. Japanese is the program's own; English is
// the translation.
enum class Language { Japanese, English };

// Reads one environment variable; nullopt when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

// The process environment.
std::optional<std::string> ProcessEnvironment(const char* name);

// Whether a locale name ("en_GB.UTF-8", "en", "en_US@euro") is an English one.
bool IsEnglishLocale(const std::string& locale);

// The language the locale asks for: the first of LC_ALL, LC_MESSAGES and LANG that is
// set and not empty decides; English for an English locale, Japanese for every other
// one, C and POSIX included, and when none is set.
Language LocaleLanguage(const EnvironmentLookup& environment);

// The language for a stored or given choice: "ja", "en", or "auto" (and anything
// unknown) by the locale.
Language ChooseLanguage(const std::string& choice, const EnvironmentLookup& environment);

// The choice's language when it is one of "ja" and "en"; nullopt otherwise.
std::optional<Language> LanguageOfChoice(const std::string& choice);

// The language the program shows its texts in: set once at start-up (Japanese until
// then).
Language CurrentLanguage();
void SetCurrentLanguage(Language language);

} // namespace ferrovane::text
