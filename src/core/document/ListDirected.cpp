#include "core/document/ListDirected.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "core/platform/TextCodec.h"

namespace ferrovane::document {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// A decimal number: optional sign, digits with at most one point, optional exponent
// (E or D). Rejects everything else, "inf" and "nan" included.
bool IsDecimal(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    bool digits = false, point = false;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9') digits = true;
        else if (s[i] == '.' && !point) point = true;
        else break;
    }
    if (!digits) return false;
    if (i == s.size()) return true;
    if (s[i] != 'E' && s[i] != 'e' && s[i] != 'D' && s[i] != 'd') return false;
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    bool expDigits = false;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        expDigits = true;
    }
    return expDigits;
}

// The number in a form from_chars takes: no leading '+', 'D' exponent as 'E'.
std::string Canonical(std::string_view s) {
    std::string t(s.front() == '+' ? s.substr(1) : s);
    std::replace(t.begin(), t.end(), 'D', 'E');
    std::replace(t.begin(), t.end(), 'd', 'E');
    return t;
}

} // namespace

bool ListReader::Fail(int number, std::string description) {
    mError = {number, std::move(description)};
    return false;
}

int ListReader::Line() const {
    int line = 1;
    for (std::size_t i = 0; i < mPos && i < mText.size(); ++i) {
        if (mText[i] == '\n') ++line;
        else if (mText[i] == '\r' && (i + 1 >= mText.size() || mText[i + 1] != '\n')) ++line;
    }
    return line;
}

bool ListReader::AtEnd() {
    while (mPos < mText.size() && (IsBlank(mText[mPos]) || IsLineEnd(mText[mPos]))) ++mPos;
    return mPos >= mText.size();
}

bool ListReader::ReadLine(std::string& line) {
    if (mPos >= mText.size()) return Fail(ErrInputPastEnd, "Input past end of file");
    const std::size_t start = mPos;
    while (mPos < mText.size() && !IsLineEnd(mText[mPos])) ++mPos;
    line.assign(mText.substr(start, mPos - start));
    if (mPos < mText.size() && mText[mPos] == '\r') ++mPos;
    if (mPos < mText.size() && mText[mPos] == '\n') ++mPos;
    return true;
}

// Moves to the next field and returns its text. A field starts after blanks and line
// ends; a quoted field runs to the closing quote and anything up to the next comma or
// line end is dropped; an unquoted field runs to the next comma or line end.
bool ListReader::NextField(std::string_view& field, bool& quoted) {
    while (mPos < mText.size() && (IsBlank(mText[mPos]) || IsLineEnd(mText[mPos]))) ++mPos;
    if (mPos >= mText.size()) return Fail(ErrInputPastEnd, "Input past end of file");
    quoted = mText[mPos] == '"';
    if (quoted) {
        const std::size_t start = ++mPos;
        while (mPos < mText.size() && mText[mPos] != '"') ++mPos;
        field = mText.substr(start, mPos - start);
        if (mPos < mText.size()) ++mPos;
        while (mPos < mText.size() && mText[mPos] != ',' && !IsLineEnd(mText[mPos])) ++mPos;
    } else {
        const std::size_t start = mPos;
        while (mPos < mText.size() && mText[mPos] != ',' && !IsLineEnd(mText[mPos])) ++mPos;
        field = Trim(mText.substr(start, mPos - start));
    }
    if (mPos < mText.size() && mText[mPos] == ',') ++mPos;
    else if (mPos < mText.size() && mText[mPos] == '\r') {
        ++mPos;
        if (mPos < mText.size() && mText[mPos] == '\n') ++mPos;
    } else if (mPos < mText.size() && mText[mPos] == '\n') ++mPos;
    return true;
}

bool ListReader::ReadString(std::string& utf8) {
    std::string_view field;
    bool quoted;
    if (!NextField(field, quoted)) return false;
    auto text = platform::ShiftJisToUtf8(field);
    if (!text) return Fail(ErrTypeMismatch, "Invalid Shift_JIS text");
    utf8 = std::move(*text);
    return true;
}

// Reads a numeric field as a whole number in [low, high], rounding half to even as an
// Integer conversion does. Booleans count as -1 and 0; an empty field is 0.
bool ListReader::ReadWhole(double& value, double low, double high) {
    std::string_view field;
    bool quoted;
    if (!NextField(field, quoted)) return false;
    if (field.empty() && !quoted) {
        value = 0;
        return true;
    }
    if (!quoted && field == "#TRUE#") value = -1;
    else if (!quoted && field == "#FALSE#") value = 0;
    else {
        if (quoted || !IsDecimal(field)) return Fail(ErrTypeMismatch, "Type mismatch");
        const std::string text = Canonical(field);
        double d = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), d);
        if (ec != std::errc() || end != text.data() + text.size()) {
            if (ec == std::errc::result_out_of_range) return Fail(ErrOverflow, "Overflow");
            return Fail(ErrTypeMismatch, "Type mismatch");
        }
        value = std::nearbyint(d);
    }
    if (!(value >= low && value <= high)) return Fail(ErrOverflow, "Overflow");
    return true;
}

bool ListReader::ReadSingle(float& value) {
    std::string_view field;
    bool quoted;
    if (!NextField(field, quoted)) return false;
    if (field.empty() && !quoted) {
        value = 0;
        return true;
    }
    if (!quoted && field == "#TRUE#") {
        value = -1;
        return true;
    }
    if (!quoted && field == "#FALSE#") {
        value = 0;
        return true;
    }
    if (quoted || !IsDecimal(field)) return Fail(ErrTypeMismatch, "Type mismatch");
    const std::string text = Canonical(field);
    float f = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), f);
    if (ec == std::errc::result_out_of_range) {
        // Distinguish a value too small for a Single (it becomes 0) from one too large.
        double d = 0;
        std::from_chars(text.data(), text.data() + text.size(), d);
        if (std::fabs(d) > 1.0) return Fail(ErrOverflow, "Overflow");
        value = static_cast<float>(d);
        return true;
    }
    if (ec != std::errc() || end != text.data() + text.size())
        return Fail(ErrTypeMismatch, "Type mismatch");
    value = f;
    return true;
}

bool ListReader::ReadInteger(std::int16_t& value) {
    double d;
    if (!ReadWhole(d, -32768, 32767)) return false;
    value = static_cast<std::int16_t>(d);
    return true;
}

bool ListReader::ReadLong(std::int32_t& value) {
    double d;
    if (!ReadWhole(d, -2147483648.0, 2147483647.0)) return false;
    value = static_cast<std::int32_t>(d);
    return true;
}

bool ListReader::ReadByte(std::uint8_t& value) {
    double d;
    if (!ReadWhole(d, 0, 255)) return false;
    value = static_cast<std::uint8_t>(d);
    return true;
}

bool ListReader::ReadBoolean(bool& value) {
    std::string_view field;
    bool quoted;
    if (!NextField(field, quoted)) return false;
    if (!quoted && field == "#TRUE#") value = true;
    else if (!quoted && field == "#FALSE#") value = false;
    else if (!quoted && IsDecimal(field)) {
        // A number converts to a Boolean: non-zero is True.
        const std::string text = Canonical(field);
        double d = 0;
        std::from_chars(text.data(), text.data() + text.size(), d);
        value = d != 0;
    } else if (field.empty() && !quoted) value = false;
    else return Fail(ErrTypeMismatch, "Type mismatch");
    return true;
}

void AppendSingle(std::string& out, float value) {
    if (value == 0 || std::isnan(value)) {
        out += '0';
        return;
    }
    if (std::isinf(value)) value = std::copysign(std::numeric_limits<float>::max(), value);
    // Scientific form with 7 significant digits, e.g. "1.234500e+02".
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 6);
    std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
    // The shortest form is preferred when it has at most 7 digits (so 0.1 stays 0.1).
    char shortBuf[32];
    auto shortRes =
        std::to_chars(shortBuf, shortBuf + sizeof shortBuf, value, std::chars_format::scientific);
    std::string_view shortSci(shortBuf, static_cast<std::size_t>(shortRes.ptr - shortBuf));
    const auto mantissaDigits = [](std::string_view s) {
        std::size_t n = 0;
        for (char c : s) {
            if (c == 'e') break;
            if (c >= '0' && c <= '9') ++n;
        }
        return n;
    };
    if (mantissaDigits(shortSci) <= 7) sci = shortSci;

    const bool negative = sci.front() == '-';
    if (negative) sci.remove_prefix(1);
    const std::size_t ePos = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, ePos))
        if (c != '.') digits += c;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    int exponent = 0;
    std::from_chars(sci.data() + ePos + 1 + (sci[ePos + 1] == '+' ? 1 : 0),
                    sci.data() + sci.size(), exponent);

    if (negative) out += '-';
    if (exponent < -5 || exponent >= 15) {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out.append(digits, 1);
        }
        char expBuf[16];
        std::snprintf(expBuf, sizeof expBuf, "E%c%02d", exponent < 0 ? '-' : '+',
                      exponent < 0 ? -exponent : exponent);
        out += expBuf;
    } else if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    } else {
        const std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intDigits) {
            out += digits;
            out.append(intDigits - digits.size(), '0');
        } else {
            out.append(digits, 0, intDigits);
            out += '.';
            out.append(digits, intDigits);
        }
    }
}

std::string FormatSingle(float value) {
    std::string s;
    AppendSingle(s, value);
    return s;
}

std::string SanitizeFileText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (c == '"') out += "\xEF\xBC\x82"; // full-width quotation mark
        else if (c == '\r') {
            out += ' ';
            if (i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
        } else if (c == '\n') out += ' ';
        else out += c;
    }
    return out;
}

void ListWriter::Separator() {
    if (!mLineStart) mOut += ',';
    mLineStart = false;
}

void ListWriter::String(std::string_view utf8) {
    Separator();
    mOut += '"';
    if (platform::IsAscii(utf8) && utf8.find_first_of("\"\r\n") == std::string_view::npos) {
        mOut += utf8;
    } else {
        const std::string clean = SanitizeFileText(utf8);
        if (auto sjis = platform::Utf8ToShiftJis(clean)) mOut += *sjis;
        else mOut += platform::Utf8ToShiftJisLossy(clean);
    }
    mOut += '"';
}

void ListWriter::Single(float value) {
    Separator();
    AppendSingle(mOut, value);
}

void ListWriter::Integer(std::int64_t value) {
    Separator();
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    mOut.append(buf, res.ptr);
}

void ListWriter::Boolean(bool value) {
    Separator();
    mOut += value ? "#TRUE#" : "#FALSE#";
}

void ListWriter::EndRecord() {
    mOut += "\r\n";
    mLineStart = true;
}

void ListWriter::Line(std::string_view text) {
    mOut += text;
    mOut += "\r\n";
    mLineStart = true;
}

} // namespace ferrovane::document
