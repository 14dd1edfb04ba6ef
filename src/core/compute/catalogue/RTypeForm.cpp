#include "core/compute/catalogue/RTypeForm.h"

#include <algorithm>
#include <cmath>

#include "core/values/format/ListDirected.h"
#include "core/values/platform/UiHost.h"
#include "core/values/settings/IsNumericInput.h"
#include "core/values/settings/SettingConversions.h"
#include "core/values/text/Messages.h"

namespace ferrovane::catalogue {

namespace {

std::optional<float> Number(std::string_view text) {
    const auto value = app::ParseNumber(text);
    if (!value || !std::isfinite(*value) || std::fabs(*value) > 3.0e38) return std::nullopt;
    return static_cast<float>(*value);
}

bool SameNumber(std::string_view text, float value) {
    const auto typed = Number(text);
    return typed && *typed == value;
}

} // namespace

ShapeFieldsShown ShapeFieldsOf(int kind) {
    switch (kind) {
    case model::KindStraight:
        return {true, false, false, false, false};
    case model::KindCurve:
        return {false, true, true, false, false};
    case model::KindPoint:
        return {true, true, true, true, true};
    default:
        return {};
    }
}

RTypeForm FormOf(const RType& entry, int kind) {
    const ShapeFieldsShown shown = ShapeFieldsOf(kind);
    RTypeForm form;
    if (shown.Length) form.Length = document::FormatSingle(std::fabs(entry.Length));
    if (shown.Radius) form.Radius = document::FormatSingle(entry.Radius);
    if (shown.Angle) form.Angle = document::FormatSingle(entry.Angle);
    form.Color = entry.Color;
    form.CurvePoint = shown.CurvePoint && entry.Length < 0;
    form.LeftFacing = shown.Hand && entry.Hand != 0;
    form.Level = entry.Level;
    return form;
}

std::optional<RTypeFields> FieldsOf(const RTypeForm& form, int kind) {
    const ShapeFieldsShown shown = ShapeFieldsOf(kind);
    RTypeFields fields;
    fields.Color = form.Color;
    fields.Level = form.Level;
    fields.CurvePoint = shown.CurvePoint && form.CurvePoint;
    fields.LeftFacing = shown.Hand && form.LeftFacing;
    const auto take = [](bool carried, const std::string& text, float& into) {
        if (!carried) return true;
        const auto value = Number(text);
        if (!value) return false;
        into = *value;
        return true;
    };
    if (!take(shown.Length, form.Length, fields.Length) ||
        !take(shown.Radius, form.Radius, fields.Radius) ||
        !take(shown.Angle, form.Angle, fields.Angle))
        return std::nullopt;
    return fields;
}

bool HasUnregisteredChanges(const RTypeForm& form, const RType& entry, int kind) {
    const ShapeFieldsShown shown = ShapeFieldsOf(kind);
    if (form.Color != entry.Color || form.Level != entry.Level) return true;
    if (shown.Length && !SameNumber(form.Length, std::fabs(entry.Length))) return true;
    if (shown.Radius && !SameNumber(form.Radius, entry.Radius)) return true;
    if (shown.Angle && !SameNumber(form.Angle, entry.Angle)) return true;
    if (shown.CurvePoint && form.CurvePoint != (entry.Length < 0)) return true;
    if (shown.Hand && form.LeftFacing != (entry.Hand != 0)) return true;
    return false;
}

bool ConfirmDiscardChanges(platform::UiHost& host) {
    return platform::ShowModal(host, {text::Msg(text::MessageId::DiscardChangesQuestion),
                                      text::Msg(text::MessageId::ConfirmTitle),
                                      platform::MessageIcon::Question,
                                      platform::MessageButtons::YesNo}) == platform::Answer::Yes;
}

std::string CheckedFieldText(platform::UiHost& host, std::string_view typed,
                             const std::string& previous) {
    if (app::IsNumericInput(host, typed, false) && Number(typed)) return std::string(typed);
    return previous;
}

std::optional<int> AngleScrollPosition(std::string_view angleText) {
    const auto angle = Number(angleText);
    if (!angle) return std::nullopt;
    const long rounded = std::lround(std::clamp<float>(*angle, AngleScrollMin, AngleScrollMax));
    return static_cast<int>(rounded);
}

std::string AngleLabelText(std::string_view angleText) {
    if (angleText.empty()) return {};
    return text::Msg(text::MessageId::AngleDegrees, {angleText});
}

} // namespace ferrovane::catalogue
