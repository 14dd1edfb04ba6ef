#include "core/app/options/OptionFieldChecks.h"

#include <algorithm>
#include <cmath>

#include "core/values/platform/UiHost.h"
#include "core/values/settings/IsNumericInput.h"
#include "core/values/settings/SettingConversions.h"

namespace ferrovane::app {

namespace {

FieldCheck Refuse(platform::UiHost& host, const char* text, std::string& field,
                  const char* resetText) {
    host.ShowMessage({text, OptionMessageTitle});
    field = resetText;
    return FieldCheck::Reset;
}

} // namespace

std::string& FieldText(OptionValues& v, OptionField field) {
    switch (field) {
    case OptionField::RailWidth:
        return v.RailWidth;
    case OptionField::RailCenter:
        return v.RailCenter;
    case OptionField::GridWidth:
        return v.GridWidth;
    case OptionField::GridHeight:
        return v.GridHeight;
    case OptionField::ScrollWidth:
        return v.ScrollWidth;
    case OptionField::ScrollHeight:
        return v.ScrollHeight;
    case OptionField::FlexibleDivides:
        return v.FlexibleDividesText;
    case OptionField::DetectRange:
        return v.DetectRange;
    case OptionField::RailListFontSize:
        return v.RailListFontSize;
    case OptionField::AutoSaveMinutes:
        return v.AutoSaveMinutes;
    }
    return v.RailWidth;
}

FieldCheck LeaveOptionField(platform::UiHost& host, OptionField field, OptionValues& values) {
    std::string& text = FieldText(values, field);
    const auto number = ParseNumber(text);
    switch (field) {
    case OptionField::RailWidth:
    case OptionField::RailCenter:
        if (!number) return Refuse(host, EnterNumberText(), text, "5");
        return FieldCheck::Accepted;
    case OptionField::GridWidth:
    case OptionField::GridHeight:
    case OptionField::ScrollWidth:
    case OptionField::ScrollHeight:
        if (!number) return Refuse(host, EnterNumberText(), text, "100");
        if (*number <= 0) return Refuse(host, AboveZeroText(), text, "100");
        return FieldCheck::Accepted;
    case OptionField::FlexibleDivides:
        if (!number || *number < 1) {
            Refuse(host, OneOrMoreText(), text, "10");
            values.FlexibleDivides = 10;
            return FieldCheck::Reset;
        }
        // The scroll bar goes no further than its end; the field then shows where it is.
        values.FlexibleDivides = static_cast<int>(std::clamp(
            std::nearbyint(*number), double(FlexibleDividesMin), double(FlexibleDividesMax)));
        if (values.FlexibleDivides != *number) text = std::to_string(values.FlexibleDivides);
        return FieldCheck::Accepted;
    case OptionField::DetectRange:
    case OptionField::RailListFontSize:
        return IsNumericInput(host, text, false) ? FieldCheck::Accepted : FieldCheck::KeepFocus;
    case OptionField::AutoSaveMinutes:
        if (!number) return Refuse(host, EnterNumberText(), text, "2");
        if (*number < 0) return Refuse(host, ZeroOrMoreText(), text, "2");
        return FieldCheck::Accepted;
    }
    return FieldCheck::Accepted;
}

} // namespace ferrovane::app
