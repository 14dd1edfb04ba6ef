#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ferrovane::platform {

// Shift_JIS (code page 932) <-> UTF-8 at the file boundary. nullopt when the input
// cannot be converted (invalid bytes, or a character code page 932 cannot hold).
std::optional<std::string> ShiftJisToUtf8(std::string_view sjis);
std::optional<std::string> Utf8ToShiftJis(std::string_view utf8);

// True when the text is plain ASCII: such text is the same in both encodings.
bool IsAscii(std::string_view text);

// Number of characters of a UTF-8 string (names are limited in characters).
std::size_t Utf8Length(std::string_view utf8);

} // namespace ferrovane::platform

namespace ferrovane::platform {

// As Utf8ToShiftJis, but a character code page 932 cannot hold becomes "?" instead of
// failing the whole text.
std::string Utf8ToShiftJisLossy(std::string_view utf8);

} // namespace ferrovane::platform
