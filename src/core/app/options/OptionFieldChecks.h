#pragma once

#include "core/app/options/OptionValues.h"

namespace ferrovane::platform {
class UiHost;
}

namespace ferrovane::app {

// The numeric fields of the options window, each checked as the user leaves it.
enum class OptionField {
    RailWidth,
    RailCenter,
    GridWidth,
    GridHeight,
    ScrollWidth,
    ScrollHeight,
    FlexibleDivides,
    DetectRange,
    RailListFontSize,
    AutoSaveMinutes,
};
inline constexpr OptionField AllOptionFields[] = {
    OptionField::RailWidth,       OptionField::RailCenter,  OptionField::GridWidth,
    OptionField::GridHeight,      OptionField::ScrollWidth, OptionField::ScrollHeight,
    OptionField::FlexibleDivides, OptionField::DetectRange, OptionField::RailListFontSize,
    OptionField::AutoSaveMinutes,
};

inline constexpr const char* OptionMessageTitle = "Ferrovane";
inline constexpr const char* EnterNumberText = "数値を入力して下さい。";
inline constexpr const char* AboveZeroText = "0より大きな数を入力して下さい。";
inline constexpr const char* OneOrMoreText = "1以上の数を入力して下さい。";
inline constexpr const char* ZeroOrMoreText = "0以上の数を入力して下さい。";

// The text of a field in VALUES.
std::string& FieldText(OptionValues& values, OptionField field);

enum class FieldCheck {
    Accepted,
    Reset,     // refused with a message; the field holds its reset value again
    KeepFocus, // refused with a message; the focus stays in the field
};

// Leaving FIELD: refuses what it must not hold with the window's message (through
// HOST) and resets the field, or asks to keep the focus in it. Leaving the
// flexible-rail field moves the scroll bar to its number.
FieldCheck LeaveOptionField(platform::UiHost& host, OptionField field, OptionValues& values);

} // namespace ferrovane::app
