#include "core/values/settings/SettingConversions.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "core/values/format/ListDirected.h"

namespace ferrovane::app {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

template <typename T> std::optional<T> ToRoundedInteger(std::string_view text) {
    const auto number = ParseNumber(text);
    if (!number) return std::nullopt;
    const double rounded = std::nearbyint(*number); // half to even
    if (rounded < static_cast<double>(std::numeric_limits<T>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<T>::max())) {
        return std::nullopt;
    }
    return static_cast<T>(rounded);
}

} // namespace

std::string TrimBlanks(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t'))
        ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    return std::string(text.substr(begin, end - begin));
}

std::optional<double> ParseNumber(std::string_view raw) {
    const std::string text = TrimBlanks(raw);
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t mantissaStart = i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i]))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < text.size() && IsDigit(text[i]))
            ++i, ++expDigits;
        if (expDigits == 0) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    double value = 0;
    const char* first = text.data() + mantissaStart;
    const auto result = std::from_chars(first, text.data() + text.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

std::int16_t TextToInteger(std::string_view text, std::int16_t fallback) {
    return ToRoundedInteger<std::int16_t>(text).value_or(fallback);
}

std::int32_t TextToLong(std::string_view text, std::int32_t fallback) {
    return ToRoundedInteger<std::int32_t>(text).value_or(fallback);
}

float TextToSingle(std::string_view text, float fallback) {
    const auto number = ParseNumber(text);
    if (!number || std::fabs(*number) > static_cast<double>(std::numeric_limits<float>::max())) {
        return fallback;
    }
    return static_cast<float>(*number);
}

bool TextToBoolean(std::string_view text, bool fallback) {
    const std::string trimmed = TrimBlanks(text);
    if (EqualsNoCase(trimmed, "true")) return true;
    if (EqualsNoCase(trimmed, "false")) return false;
    if (const auto number = ParseNumber(trimmed)) return *number != 0;
    return fallback;
}

std::string BooleanToText(bool value) {
    return value ? "True" : "False";
}

std::string SingleToText(float value) {
    return document::FormatSingle(value);
}

} // namespace ferrovane::app
