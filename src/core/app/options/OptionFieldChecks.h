#pragma once

#include "core/app/options/OptionValues.h"
#include "core/values/text/Messages.h"

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
inline const char* EnterNumberText() {
    return text::Msg(text::MessageId::EnterNumberText);
}
inline const char* AboveZeroText() {
    return text::Msg(text::MessageId::AboveZeroText);
}
inline const char* OneOrMoreText() {
    return text::Msg(text::MessageId::OneOrMoreText);
}
inline const char* ZeroOrMoreText() {
    return text::Msg(text::MessageId::ZeroOrMoreText);
}

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
