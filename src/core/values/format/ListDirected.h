#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/values/format/FileError.h"

namespace ferrovane::document {

// Reads list-directed text field by field: comma-separated fields, a line end also
// ends a field; strings in double quotes; booleans as #TRUE# / #FALSE#. CR LF, LF and
// CR line ends are accepted, and blanks around fields. Strings come back converted
// from Shift_JIS to UTF-8. Every Read* returns false on error and leaves the reason
// in Error().
class ListReader {
public:
    explicit ListReader(std::string_view bytes) : mText(bytes) {}

    // True when nothing but blanks and line ends is left.
    bool AtEnd();
    // The rest of the current line (raw bytes, line end consumed).
    bool ReadLine(std::string& line);

    bool ReadString(std::string& utf8);
    bool ReadSingle(float& value);
    bool ReadInteger(std::int16_t& value);
    bool ReadLong(std::int32_t& value);
    bool ReadByte(std::uint8_t& value);
    bool ReadBoolean(bool& value);

    const FileError& Error() const { return mError; }
    // 1-based line of the field read last, for messages.
    int Line() const;

private:
    bool NextField(std::string_view& field, bool& quoted);
    bool Fail(int number, std::string_view reason = {});
    bool PastEnd();
    bool ReadWhole(double& value, double low, double high);
    // Fast paths for the common unquoted number followed by a separator; false (and
    // nothing consumed) for anything else, which then goes the general way.
    template <typename T> bool TryPlainNumber(T& value);
    bool EndField(std::size_t pos);

    std::string_view mText;
    std::size_t mPos = 0;
    std::size_t mFieldStart = 0;
    FileError mError;
};

// Writes list-directed text, one record per line with CR LF line ends. Strings are
// written in double quotes in Shift_JIS; a double quote inside becomes a full-width
// quote and a line break a blank, so the written file always reads back.
class ListWriter {
public:
    void String(std::string_view utf8);
    void Single(float value);
    void Integer(std::int64_t value);
    void Boolean(bool value);
    // Ends the record: a line end, and the next field starts a new line.
    void EndRecord();
    // A raw line (header lines); the line end is added.
    void Line(std::string_view text);

    const std::string& Bytes() const { return mOut; }
    std::string& Bytes() { return mOut; }
    void Reserve(std::size_t n) { mOut.reserve(n); }

private:
    void Separator();
    std::string mOut;
    bool mLineStart = true;
};

// Formats a Single as the files hold it: at most 7 significant digits, no trailing
// zeros or trailing point, exponent form (1E-05) only for very small or large values.
std::string FormatSingle(float value);
void AppendSingle(std::string& out, float value);

// Makes a name storable in list-directed text (see ListWriter).
std::string SanitizeFileText(std::string_view utf8);

} // namespace ferrovane::document
