#include "core/commands/workspace/UndoJournal.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

namespace ferrovane::editor {

namespace {

struct CodeEntry {
    std::string_view Code;
    std::string_view Label;
};

// Index + 1 is the code's value.
constexpr std::array<CodeEntry, 8> kCodes = {{
    {"DEL", "削除"},
    {"REN", "レール名変更"},
    {"SET", "レール設置"},
    {"RCL", "レール色変更"},
    {"UPR", "高架化"},
    {"MOV", "全体移動"},
    {"LYS", "レイアウトサイズ変更"},
    {"SEL", "レール選択"},
}};

std::string UpperCased(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// The Integer a number text converts to (rounded half to even), 0 when it is none.
std::int16_t IntegerOf(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) return 0;
    const double rounded = std::nearbyint(value);
    if (rounded < -32768.0 || rounded > 32767.0) return 0;
    return static_cast<std::int16_t>(rounded);
}

} // namespace

std::int16_t UndoCodeOf(std::string_view code) {
    for (std::size_t i = 0; i < kCodes.size(); ++i)
        if (kCodes[i].Code == code) return static_cast<std::int16_t>(i + 1);
    return UndoUnknown;
}

std::string_view UndoLabelOf(std::int16_t code) {
    if (code < 1 || code > static_cast<std::int16_t>(kCodes.size())) return {};
    return kCodes[static_cast<std::size_t>(code - 1)].Label;
}

void UndoJournal::AddUndo(std::string_view code, std::int32_t number, std::string_view data,
                          bool groupStart) {
    AddUndo(code, std::to_string(number), data, groupStart);
}

void UndoJournal::AddUndo(std::string_view code, std::string_view numberText, std::string_view data,
                          bool groupStart) {
    const std::string upper = UpperCased(code);
    std::string record = groupStart ? "1," : "0,";
    record += upper;
    record += ',';
    record += numberText;
    record += ',';
    record += data;
    mList.push_back(std::move(record));
    mMenu.Enabled = true;
    const std::string_view label = UndoLabelOf(UndoCodeOf(upper));
    if (!label.empty()) mMenu.Caption = "元に戻す - " + std::string(label);
}

void UndoJournal::AddMoveUndo(float dx, std::string_view dyText) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, dx);
    AddUndo("MOV", std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)), dyText,
            true);
}

UndoRecord UndoJournal::ReadLastUndo() const {
    UndoRecord r;
    if (mList.empty()) return r;
    std::string_view text = mList.back();
    r.GroupStart = !text.empty() && text.front() != '0';
    text.remove_prefix(std::min<std::size_t>(2, text.size()));
    r.Code = UndoCodeOf(text.substr(0, 3));
    text.remove_prefix(std::min<std::size_t>(4, text.size()));
    const std::size_t comma = text.find(',');
    r.NumberText = std::string(text.substr(0, comma));
    if (comma != std::string_view::npos) r.Data = std::string(text.substr(comma + 1));
    r.Number = IntegerOf(r.NumberText);
    return r;
}

void UndoJournal::PopUndo() {
    if (mList.empty()) return;
    mList.pop_back();
    if (mList.empty()) {
        mMenu = UndoMenuItem{false, UndoDisabledCaption};
        return;
    }
    const std::string& last = mList.back();
    const std::string_view code = last.size() >= 5 ? std::string_view(last).substr(2, 3) : "";
    const std::string_view label = UndoLabelOf(UndoCodeOf(code));
    if (!label.empty()) mMenu.Caption = "元に戻す - " + std::string(label);
}

void UndoJournal::Clear() {
    mList.clear();
    mMenu = UndoMenuItem{false, UndoDisabledCaption};
}

void UndoGroup::Add(std::string_view code, std::int32_t number, std::string_view data) {
    mJournal.AddUndo(code, number, data, !mStarted);
    mStarted = true;
}

} // namespace ferrovane::editor
