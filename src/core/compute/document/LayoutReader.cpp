#include "core/compute/document/LayoutReader.h"

#include <algorithm>
#include <charconv>
#include <string>

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

LayoutReadResult Failure(int number, std::string description) {
    LayoutReadResult result;
    result.Status = LayoutReadStatus::Malformed;
    result.Error = {number, std::move(description)};
    return result;
}

// The board size from a header line: the integer from character 20 on, blanks around it
// ignored; the label before it is not checked.
bool ReadSizeLine(std::string_view line, std::int32_t& value, FileError& error,
                  const std::string& what) {
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
        error = {ErrTypeMismatch, "Type mismatch: " + what + " \"" + std::string(text) + "\""};
        return false;
    }
    if (ec == std::errc::result_out_of_range || v < -32768 || v > 32767) {
        error = {ErrOverflow, "Overflow: " + what + " \"" + std::string(text) + "\""};
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
    const auto last = r.Name.find_last_not_of(' ');
    r.Name.erase(last == std::string::npos ? 0 : last + 1);
    return true;
}

std::string Where(int record, int line, int item) {
    return " (rail " + std::to_string(record) + ", line " + std::to_string(line) + ", item " +
           std::to_string(item) + ")";
}

} // namespace

LayoutReadResult ParseLayout(std::string_view bytes) {
    LineCursor lines(bytes);
    std::string_view line;
    if (!lines.Next(line)) return Failure(ErrInputPastEnd, "Input past end of file (line 1)");
    if (line.substr(0, LayoutVersionTag.size()) != LayoutVersionTag) {
        LayoutReadResult result;
        result.Status = LayoutReadStatus::BadVersion;
        return result;
    }

    LayoutReadResult result;
    model::Layout& layout = result.Layout;
    const std::string labels[] = {"layout width (line 2)", "layout height (line 3)"};
    std::int32_t* sizes[] = {&layout.LayoutWidth, &layout.LayoutHeight};
    for (int k = 0; k < 2; ++k) {
        if (!lines.Next(line))
            return Failure(ErrInputPastEnd,
                           "Input past end of file (line " + std::to_string(k + 2) + ")");
        FileError error;
        if (!ReadSizeLine(line, *sizes[k], error, labels[k]))
            return Failure(error.Number, error.Description);
    }

    layout.Rails.clear();
    layout.Rails.reserve(std::min<std::size_t>(CountLines(bytes), model::MaxRailCount + 1));
    layout.Rails.emplace_back(); // the preview slot
    while (lines.Next(line)) {
        if (IsBlankLine(line)) continue;
        const int record = layout.RailCount + 1;
        if (record > model::MaxRailCount)
            return Failure(ErrOverflow, "More than " + std::to_string(model::MaxRailCount) +
                                            " rails (line " + std::to_string(lines.Number()) + ")");
        model::Rail& rail = layout.Rails.emplace_back();
        RecordReader in(line);
        if (!ReadRecord(in, rail)) {
            const FileError& e = in.Error();
            if (e.Number == ErrInputPastEnd)
                return Failure(ErrInputPastEnd, "Record ends after " +
                                                    std::to_string(in.Item() - 1) + " of " +
                                                    std::to_string(RecordItems) + " items" +
                                                    Where(record, lines.Number(), in.Item()));
            return Failure(e.Number, e.Description + Where(record, lines.Number(), in.Item()));
        }
        if (!in.AtEnd())
            return Failure(ErrTypeMismatch, "Record has more than " + std::to_string(RecordItems) +
                                                " items" +
                                                Where(record, lines.Number(), RecordItems + 1));
        layout.RailCount = record;
    }
    if (layout.Rails.size() < 2) layout.Rails.resize(2); // an empty layout is sized 0 To 1
    result.Status = LayoutReadStatus::Loaded;
    return result;
}

} // namespace ferrovane::document
