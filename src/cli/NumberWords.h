#pragma once

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>
#include <type_traits>

namespace ferrovane::cli {

// A whole word read as a number: nothing before or after it, no overflow, and for
// floating-point values a finite one.
template <typename T> std::optional<T> NumberWord(std::string_view text) {
    T value{};
    const char* end = text.data() + text.size();
    auto [at, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc{} || at != end) return std::nullopt;
    if constexpr (std::is_floating_point_v<T>) {
        if (!std::isfinite(value)) return std::nullopt;
    }
    return value;
}

} // namespace ferrovane::cli
