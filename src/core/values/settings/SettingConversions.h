#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ferrovane::app {

// A decimal number ("12", "-3.5", "1e3"), blanks around it allowed; nullopt for any
// other text, including an empty one.
std::optional<double> ParseNumber(std::string_view text);

// Settings text to a value of its setting's type. Text that cannot be converted, or
// does not fit the type, gives the fallback: a damaged store never stops the start.
// Integers round half to even as the stored decimal texts always have.
std::int16_t TextToInteger(std::string_view text, std::int16_t fallback);
std::int32_t TextToLong(std::string_view text, std::int32_t fallback);
float TextToSingle(std::string_view text, float fallback);
// The words True and False in any letter case, or a number (non-zero means True).
bool TextToBoolean(std::string_view text, bool fallback);

// Values to settings text: plain decimal, Booleans as the words True and False.
std::string BooleanToText(bool value);
std::string SingleToText(float value);

// Blanks removed at both ends.
std::string TrimBlanks(std::string_view text);

} // namespace ferrovane::app
