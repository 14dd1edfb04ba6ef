#include "core/compute/document/LayoutReader.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "core/values/format/Blanks.h"
#include "core/values/format/FileErrorText.h"

namespace ferrovane::document {

namespace {

constexpr int RecordItems = 61;

// Splits the text into lines at CR LF, LF or CR, counting them for messages.
class LineCursor {
public:
    explicit LineCursor(std::string_view text) : mText(text) {}

    bool Next(std::string_view& line) {
        if (mPos >= mText.size()) return false;
        const std::size_t start = mPos;
        while (mPos < mText.size() && mText[mPos] != '\r' && mText[mPos] != '\n')
            ++mPos;
        line = mText.substr(start, mPos - start);
        if (mPos < mText.size()) {
            const char end = mText[mPos++];
            if (end == '\r' && mPos < mText.size() && mText[mPos] == '\n') ++mPos;
        }
        ++mNumber;
        return true;
    }
    int Number() const { return mNumber; }

private:
    std::string_view mText;
    std::size_t mPos = 0;
    int mNumber = 0;
};

bool IsBlankLine(std::string_view line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// A rough count of lines, to size the rail array once.
std::size_t CountLines(std::string_view text) {
    std::size_t n = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    if (n == 0) n = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\r'));
    return n + 1;
}

LayoutReadResult Failure(FileError error) {
    LayoutReadResult result;
    result.Status = LayoutReadStatus::Malformed;
    result.Error = std::move(error);
    return result;
}

// The board size from a header line: the integer from character 20 on, blanks around it
// ignored; the label before it is not checked.
bool ReadSizeLine(std::string_view line, std::int32_t& value, FileError& error,
                  const std::string& place) {
    std::string_view text = line.size() >= 20 ? line.substr(19) : std::string_view{};
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    long long v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || end != text.data() + text.size() ||
        (ec != std::errc() && ec != std::errc::result_out_of_range)) {
        error = MakeFileError(ErrTypeMismatch, {}, place + ": \"" + std::string(text) + "\"");
        return false;
    }
    if (ec == std::errc::result_out_of_range || v < -32768 || v > 32767) {
        error = MakeFileError(ErrOverflow, {}, place + ": \"" + std::string(text) + "\"");
        return false;
    }
    value = static_cast<std::int32_t>(v);
    return true;
}

// Reads the items of one record line in order, remembering which item failed.
class RecordReader {
public:
    explicit RecordReader(std::string_view line) : mReader(line) {}

    bool Bool(bool& v) { return Step() && mReader.ReadBoolean(v); }
    bool Int(std::int16_t& v) { return Step() && mReader.ReadInteger(v); }
    bool Long(std::int32_t& v) { return Step() && mReader.ReadLong(v); }
    bool Byte(std::uint8_t& v) { return Step() && mReader.ReadByte(v); }
    bool Single(float& v) { return Step() && mReader.ReadSingle(v); }
    bool Singles(std::initializer_list<float*> fields) {
        for (float* f : fields)
            if (!Single(*f)) return false;
        return true;
    }
    bool String(std::string& v) { return Step() && mReader.ReadString(v); }
    bool AtEnd() { return mReader.AtEnd(); }

    int Item() const { return mItem; }
    const FileError& Error() const { return mReader.Error(); }

private:
    bool Step() {
        ++mItem;
        return true;
    }
    ListReader mReader;
    int mItem = 0;
};

bool ReadRecord(RecordReader& in, model::Rail& r) {
    std::int16_t noAgain = 0;
    const bool ok =
        in.Bool(r.Valid) && in.Int(r.No) && in.String(r.Name) && in.Byte(r.Kind) &&
        in.Int(noAgain) &&
        in.Singles({&r.Length, &r.Radius,  &r.Angle,   &r.BaseAngle, &r.X0,  &r.Y0,  &r.X1,
                    &r.Y1,     &r.X2,      &r.Y2,      &r.C1X,       &r.C1Y, &r.C2X, &r.C2Y,
                    &r.C3X,    &r.C3Y,     &r.C4X,     &r.C4Y,       &r.C5X, &r.C5Y, &r.C6X,
                    &r.C6Y,    &r.CenterX, &r.CenterY, &r.MidX,      &r.MidY}) &&
        in.Byte(r.Dir) && in.Int(r.Reserved1) &&
        in.Singles({&r.Angle0, &r.Angle1, &r.Angle2, &r.ArcStart, &r.ArcSweep, &r.MidCellX,
                    &r.MidCellY, &r.Cell0X, &r.Cell0Y, &r.Cell1X, &r.Cell1Y, &r.Cell2X,
                    &r.Cell2Y}) &&
        in.Bool(r.Free0) && in.Bool(r.Free1) && in.Bool(r.Free2) && in.Byte(r.LinkEnd0) &&
        in.Int(r.Link0) && in.Byte(r.LinkEnd1) && in.Int(r.Link1) && in.Byte(r.LinkEnd2) &&
        in.Int(r.Link2) && in.Bool(r.Upper) && in.Int(r.Reserved2) && in.Int(r.Reserved3) &&
        in.Int(r.Reserved4) && in.Long(r.Color) && in.Int(r.BoxSeq);
    if (!ok) return false;
    r.No = noAgain;
    r.Name = document::TrimTrailingBlanks(r.Name);
    return true;
}

} // namespace

LayoutReadResult ParseLayout(std::string_view bytes) {
    LineCursor lines(bytes);
    std::string_view line;
    if (!lines.Next(line)) return Failure(MakeFileError(ErrInputPastEnd, {}, LinePlace(1)));
    if (line.substr(0, LayoutVersionTag.size()) != LayoutVersionTag) {
        LayoutReadResult result;
        result.Status = LayoutReadStatus::BadVersion;
        return result;
    }

    LayoutReadResult result;
    model::Layout& layout = result.Layout;
    const std::string_view fields[] = {FieldLayoutWidth(), FieldLayoutHeight()};
    std::int32_t* sizes[] = {&layout.LayoutWidth, &layout.LayoutHeight};
    for (int k = 0; k < 2; ++k) {
        const std::string place = LinePlace(k + 2, fields[k]);
        if (!lines.Next(line)) return Failure(MakeFileError(ErrInputPastEnd, {}, place));
        FileError error;
        if (!ReadSizeLine(line, *sizes[k], error, place)) return Failure(std::move(error));
    }

    layout.Rails.clear();
    layout.Rails.reserve(std::min<std::size_t>(CountLines(bytes), model::MaxRailCount + 1));
    layout.Rails.emplace_back(); // the preview slot
    while (lines.Next(line)) {
        if (IsBlankLine(line)) continue;
        const int record = layout.RailCount + 1;
        if (record > model::MaxRailCount)
            return Failure(MakeFileError(ErrOverflow, ReasonTooManyRails(model::MaxRailCount),
                                         LinePlace(lines.Number())));
        model::Rail& rail = layout.Rails.emplace_back();
        RecordReader in(line);
        if (!ReadRecord(in, rail)) {
            FileError error = in.Error();
            if (error.Number == ErrInputPastEnd)
                error = MakeFileError(ErrInputPastEnd,
                                      ReasonRecordTooShort(RecordItems, in.Item() - 1));
            AddErrorPlace(error, RecordItemPlace(lines.Number(), record, in.Item()));
            return Failure(std::move(error));
        }
        if (!in.AtEnd())
            return Failure(MakeFileError(ErrTypeMismatch, ReasonRecordTooLong(RecordItems),
                                         RecordItemPlace(lines.Number(), record, RecordItems + 1)));
        layout.RailCount = record;
    }
    if (layout.Rails.size() < 2) layout.Rails.resize(2); // an empty layout is sized 0 To 1
    result.Status = LayoutReadStatus::Loaded;
    return result;
}

} // namespace ferrovane::document
