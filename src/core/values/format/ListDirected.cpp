#include "core/values/format/ListDirected.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "core/values/format/FileErrorText.h"
#include "core/values/format/TextCodec.h"

namespace ferrovane::document {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// A decimal number: optional sign, digits with at most one point, optional exponent
// (E or D). Rejects everything else, "inf" and "nan" included.
bool IsDecimal(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    bool digits = false, point = false;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9')
            digits = true;
        else if (s[i] == '.' && !point)
            point = true;
        else
            break;
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

// from_chars over the whole of a decimal field. Most fields are already in the form
// from_chars takes and are parsed in place, without a copy.
template <typename T> std::errc ParseDecimal(std::string_view s, T& value) {
    bool canonical = s.front() != '+';
    for (char c : s)
        canonical &= (c | 0x20) != 'd';
    const std::string copy = canonical ? std::string() : Canonical(s);
    const std::string_view text = canonical ? s : std::string_view(copy);
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc() && end != text.data() + text.size()) return std::errc::invalid_argument;
    return ec;
}

// The power of ten of the first non-zero digit of a decimal (IsDecimal holds), for
// telling numbers too large from numbers too small when even a double cannot hold them.
long Magnitude(std::string_view s) {
    std::size_t i = 0;
    if (s[i] == '+' || s[i] == '-') ++i;
    long magnitude = 0;
    bool seen = false, point = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '.')
            point = true;
        else if (c < '0' || c > '9')
            break;
        else if (!point && (seen || c != '0')) {
            if (seen) ++magnitude;
            seen = true;
        } else if (point && !seen) {
            --magnitude;
            if (c != '0') seen = true;
        }
    }
    long exponent = 0;
    if (i < s.size()) {
        ++i;
        if (i < s.size() && s[i] == '+') ++i;
        const auto [end, ec] = std::from_chars(s.data() + i, s.data() + s.size(), exponent);
        if (ec == std::errc::result_out_of_range) exponent = s[i] == '-' ? -100000 : 100000;
    }
    return magnitude + std::clamp(exponent, -100000L, 100000L);
}

// What an unquoted empty field (0) or boolean field (#TRUE# -1, #FALSE# 0) stands for
// where a number is read; nothing for any other field.
std::optional<double> NumberOfNonNumeric(std::string_view field, bool quoted) {
    if (quoted) return std::nullopt;
    if (field.empty() || field == "#FALSE#") return 0.0;
    if (field == "#TRUE#") return -1.0;
    return std::nullopt;
}

// A plain whole number ("-12", "300") without going through floating point.
bool ParsePlainWhole(std::string_view s, double& value) {
    if (s.size() > 18) return false;
    long long n = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (ec != std::errc() || end != s.data() + s.size()) return false;
    value = static_cast<double>(n);
    return true;
}

} // namespace

bool ListReader::Fail(int number, std::string_view reason) {
    mError = MakeFileError(number, reason);
    return false;
}

// The message names the last line that holds anything, not the line after the end.
bool ListReader::PastEnd() {
    mFieldStart = mText.size();
    while (mFieldStart > 0 &&
           (IsBlank(mText[mFieldStart - 1]) || IsLineEnd(mText[mFieldStart - 1])))
        --mFieldStart;
    if (mFieldStart > 0) --mFieldStart;
    return Fail(ErrInputPastEnd);
}

int ListReader::Line() const {
    int line = 1;
    for (std::size_t i = 0; i < mFieldStart && i < mText.size(); ++i) {
        if (mText[i] == '\n')
            ++line;
        else if (mText[i] == '\r' && (i + 1 >= mText.size() || mText[i + 1] != '\n'))
            ++line;
    }
    return line;
}

bool ListReader::AtEnd() {
    while (mPos < mText.size() && (IsBlank(mText[mPos]) || IsLineEnd(mText[mPos])))
        ++mPos;
    return mPos >= mText.size();
}

bool ListReader::ReadLine(std::string& line) {
    mFieldStart = mPos;
    if (mPos >= mText.size()) return PastEnd();
    const std::size_t start = mPos;
    while (mPos < mText.size() && !IsLineEnd(mText[mPos]))
        ++mPos;
    line.assign(mText.substr(start, mPos - start));
    if (mPos < mText.size() && mText[mPos] == '\r') ++mPos;
    if (mPos < mText.size() && mText[mPos] == '\n') ++mPos;
    return true;
}

// Moves to the next field and returns its text. A field starts after blanks and line
// ends; a quoted field runs to the closing quote and anything up to the next comma or
// line end is dropped; an unquoted field runs to the next comma or line end.
bool ListReader::NextField(std::string_view& field, bool& quoted) {
    while (mPos < mText.size() && (IsBlank(mText[mPos]) || IsLineEnd(mText[mPos])))
        ++mPos;
    mFieldStart = mPos;
    if (mPos >= mText.size()) return PastEnd();
    quoted = mText[mPos] == '"';
    if (quoted) {
        const std::size_t start = ++mPos;
        while (mPos < mText.size() && mText[mPos] != '"')
            ++mPos;
        field = mText.substr(start, mPos - start);
        if (mPos < mText.size()) ++mPos;
        while (mPos < mText.size() && mText[mPos] != ',' && !IsLineEnd(mText[mPos]))
            ++mPos;
    } else {
        const std::size_t start = mPos;
        while (mPos < mText.size() && mText[mPos] != ',' && !IsLineEnd(mText[mPos]))
            ++mPos;
        field = Trim(mText.substr(start, mPos - start));
    }
    if (mPos < mText.size() && mText[mPos] == ',')
        ++mPos;
    else if (mPos < mText.size() && mText[mPos] == '\r') {
        ++mPos;
        if (mPos < mText.size() && mText[mPos] == '\n') ++mPos;
    } else if (mPos < mText.size() && mText[mPos] == '\n')
        ++mPos;
    return true;
}

// After a number ending at pos: blanks, then a comma, a line end or the end of the text,
// which is consumed as NextField consumes it.
bool ListReader::EndField(std::size_t pos) {
    while (pos < mText.size() && IsBlank(mText[pos]))
        ++pos;
    if (pos < mText.size()) {
        const char c = mText[pos];
        if (c != ',' && !IsLineEnd(c)) return false;
        ++pos;
        if (c == '\r' && pos < mText.size() && mText[pos] == '\n') ++pos;
    }
    mPos = pos;
    return true;
}

// A field such as "-12.5" or "300" parsed in place. The text from_chars takes here,
// starting with a digit, a point or a minus before either, is a decimal as IsDecimal
// defines it; anything it stops short of sends the field the general way.
template <typename T> bool ListReader::TryPlainNumber(T& value) {
    std::size_t p = mPos;
    while (p < mText.size() && IsBlank(mText[p]))
        ++p;
    const auto startsNumber = [&](std::size_t i) {
        return i < mText.size() && ((mText[i] >= '0' && mText[i] <= '9') || mText[i] == '.');
    };
    if (!(startsNumber(p) || (p < mText.size() && mText[p] == '-' && startsNumber(p + 1))))
        return false;
    mFieldStart = p;
    T v{};
    const auto [end, ec] = std::from_chars(mText.data() + p, mText.data() + mText.size(), v);
    if (ec != std::errc() || !EndField(static_cast<std::size_t>(end - mText.data()))) return false;
    value = v;
    return true;
}

bool ListReader::ReadString(std::string& utf8) {
    std::string_view field;
    bool quoted;
    if (!NextField(field, quoted)) return false;
    auto text = platform::ShiftJisToUtf8(field);
    if (!text) return Fail(ErrTypeMismatch, ReasonNotShiftJis());
    utf8 = std::move(*text);
    return true;
}

// Reads a numeric field as a whole number in [low, high], rounding half to even as an
// Integer conversion does. Booleans count as -1 and 0; an empty field is 0.
bool ListReader::ReadWhole(double& value, double low, double high) {
    long long whole = 0;
    if (TryPlainNumber(whole)) {
        value = static_cast<double>(whole);
        if (!(value >= low && value <= high)) return Fail(ErrOverflow);
        return true;
    }
    std::string_view field;
    bool quoted;
    if (!NextField(field, quoted)) return false;
    if (const auto stands = NumberOfNonNumeric(field, quoted))
        value = *stands;
    else {
        if (quoted || !IsDecimal(field)) return Fail(ErrTypeMismatch);
        if (!ParsePlainWhole(field, value)) {
            double d = 0;
            const std::errc ec = ParseDecimal(field, d);
            if (ec == std::errc::result_out_of_range) return Fail(ErrOverflow);
            if (ec != std::errc()) return Fail(ErrTypeMismatch);
            value = std::nearbyint(d);
        }
    }
    if (!(value >= low && value <= high)) return Fail(ErrOverflow);
    return true;
}

bool ListReader::ReadSingle(float& value) {
    if (TryPlainNumber(value)) return true;
    std::string_view field;
    bool quoted;
    if (!NextField(field, quoted)) return false;
    if (const auto stands = NumberOfNonNumeric(field, quoted)) {
        value = static_cast<float>(*stands);
        return true;
    }
    if (quoted || !IsDecimal(field)) return Fail(ErrTypeMismatch);
    float f = 0;
    const std::errc ec = ParseDecimal(field, f);
    if (ec == std::errc::result_out_of_range) {
        // Distinguish a value too small for a Single (it becomes 0) from one too large.
        double d = 0;
        if (ParseDecimal(field, d) == std::errc::result_out_of_range)
            d = Magnitude(field) > 0 ? 1e300 : 0;
        if (std::fabs(d) > 1.0) return Fail(ErrOverflow);
        value = static_cast<float>(d);
        return true;
    }
    if (ec != std::errc()) return Fail(ErrTypeMismatch);
    value = f;
    return true;
}

bool ListReader::ReadInteger(std::int16_t& value) {
    double d = 0;
    if (!ReadWhole(d, -32768, 32767)) return false;
    value = static_cast<std::int16_t>(d);
    return true;
}

bool ListReader::ReadLong(std::int32_t& value) {
    double d = 0;
    if (!ReadWhole(d, -2147483648.0, 2147483647.0)) return false;
    value = static_cast<std::int32_t>(d);
    return true;
}

bool ListReader::ReadByte(std::uint8_t& value) {
    double d = 0;
    if (!ReadWhole(d, 0, 255)) return false;
    value = static_cast<std::uint8_t>(d);
    return true;
}

bool ListReader::ReadBoolean(bool& value) {
    std::string_view field;
    bool quoted;
    if (!NextField(field, quoted)) return false;
    if (!quoted && field == "#TRUE#")
        value = true;
    else if (!quoted && field == "#FALSE#")
        value = false;
    else if (!quoted && IsDecimal(field)) {
        // A number converts to a Boolean: non-zero is True.
        const std::string text = Canonical(field);
        double d = 0;
        std::from_chars(text.data(), text.data() + text.size(), d);
        value = d != 0;
    } else if (field.empty() && !quoted)
        value = false;
    else
        return Fail(ErrTypeMismatch);
    return true;
}

namespace {

// A decimal of at most 7 significant digits: digits without trailing zeros, and the
// power of ten of the first digit.
struct SevenDigitDecimal {
    char Digits[8];
    int Count = 0;
    int Exponent = 0;
};

// Rounds v in [0.001, 9999999) to 7 significant digits without text conversion. v times
// 10^k (k <= 9) is exact in a double, as 5^k needs at most 21 bits besides the 24 of a
// Single, so rounding that to a whole number rounds correctly. In this range a Single's
// shortest form, when it has at most 7 digits, is that same decimal.
bool RoundSevenDigits(double v, SevenDigitDecimal& d) {
    static constexpr double Powers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    if (!(v >= 1e-3 && v < 9999999.0)) return false;
    const double scaled = v * 1000; // exact: 1000 = 2^3 * 125
    int e = 0;
    while (e < 9 && scaled >= Powers[e + 1])
        ++e;
    e -= 3;
    auto mantissa = static_cast<std::uint32_t>(std::nearbyint(v * Powers[6 - e]));
    if (mantissa >= 10000000u) {
        mantissa /= 10;
        ++e;
    }
    d.Exponent = e;
    d.Count = 7;
    for (int i = 6; i >= 0; --i) {
        d.Digits[i] = static_cast<char>('0' + mantissa % 10);
        mantissa /= 10;
    }
    while (d.Count > 1 && d.Digits[d.Count - 1] == '0')
        --d.Count;
    return true;
}

// The same for any finite non-zero Single, through text: the shortest form when it has
// at most 7 digits, else 7 digits correctly rounded.
void DecimalOf(float value, SevenDigitDecimal& d) {
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
    std::size_t ePos = sci.find('e');
    if (ePos - (sci.find('.') < ePos ? 1 : 0) - (sci.front() == '-' ? 1 : 0) > 7) {
        res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 6);
        sci = std::string_view(buf, static_cast<std::size_t>(res.ptr - buf));
        ePos = sci.find('e');
    }
    d.Count = 0;
    for (char c : sci.substr(0, ePos))
        if (c >= '0' && c <= '9' && d.Count < 7) d.Digits[d.Count++] = c;
    while (d.Count > 1 && d.Digits[d.Count - 1] == '0')
        --d.Count;
    const std::size_t expStart = ePos + 1 + (sci[ePos + 1] == '+' ? 1 : 0);
    std::from_chars(sci.data() + expStart, sci.data() + sci.size(), d.Exponent);
}

} // namespace

void AppendSingle(std::string& out, float value) {
    if (value == 0 || std::isnan(value)) {
        out += '0';
        return;
    }
    if (std::isinf(value)) value = std::copysign(std::numeric_limits<float>::max(), value);
    SevenDigitDecimal d;
    if (!RoundSevenDigits(std::fabs(static_cast<double>(value)), d)) DecimalOf(value, d);
    const std::string_view digits(d.Digits, static_cast<std::size_t>(d.Count));
    const int exponent = d.Exponent;

    if (value < 0) out += '-';
    // As a Single prints: 0.0001 and 1234567 in full, 1E-05 and 1E+07 in exponent form.
    if (exponent < -4 || exponent >= 7) {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out.append(digits.substr(1));
        }
        const int magnitude = exponent < 0 ? -exponent : exponent;
        out += exponent < 0 ? "E-" : "E+";
        if (magnitude < 10) out += '0';
        char expBuf[8];
        const auto expRes = std::to_chars(expBuf, expBuf + sizeof expBuf, magnitude);
        out.append(expBuf, expRes.ptr);
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
            out.append(digits.substr(0, intDigits));
            out += '.';
            out.append(digits.substr(intDigits));
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
        if (c == '"')
            out += "\xEF\xBC\x82"; // full-width quotation mark
        else if (c == '\r') {
            out += ' ';
            if (i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
        } else if (c == '\n')
            out += ' ';
        else
            out += c;
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
        if (auto sjis = platform::Utf8ToShiftJis(clean))
            mOut += *sjis;
        else
            mOut += platform::Utf8ToShiftJisLossy(clean);
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
