#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/compute/catalogue/CatalogueEditing.h"

namespace ferrovane::platform {
class UiHost;
}

namespace ferrovane::catalogue {

// The catalogue editor's and the user rail maker's fields, as the windows hold them.

// Which shape fields a kind carries: a straight its length, a curve radius and angle,
// a point all of them with the curve-point box and its hand. Other kinds none.
struct ShapeFieldsShown {
    bool Length = false;
    bool Radius = false;
    bool Angle = false;
    bool CurvePoint = false;
    bool Hand = false;
    bool operator==(const ShapeFieldsShown&) const = default;
};
ShapeFieldsShown ShapeFieldsOf(int kind);

// The editor's fields for one entry: numbers as texts, as the boxes show them.
struct RTypeForm {
    std::string Length, Radius, Angle;
    std::int32_t Color = 0;
    bool CurvePoint = false;
    bool LeftFacing = false;
    std::int16_t Level = 0;
    bool operator==(const RTypeForm&) const = default;
};

// What the fields show for an entry of a kind: a curved point's length without its
// sign, with the curve-point box checked; the boxes the kind does not carry stay empty.
RTypeForm FormOf(const RType& entry, int kind);

// The fields as register takes them; nullopt when a box the kind carries holds no number.
std::optional<RTypeFields> FieldsOf(const RTypeForm& form, int kind);

// Whether the fields hold something not yet registered into the entry: only the fields
// the kind carries count, and numbers count by value ("100" and "100.0" are the same).
bool HasUnregisteredChanges(const RTypeForm& form, const RType& entry, int kind);

// Asked before the fields of another entry replace unregistered changes; true to go on.
bool ConfirmDiscardChanges(platform::UiHost& host);

// A numeric box that loses focus keeps what was typed when it is a number above 0;
// otherwise the user is told why and the box gets back what it held before.
std::string CheckedFieldText(platform::UiHost& host, std::string_view typed,
                             const std::string& previous);

// The angle's scroll bar: whole degrees in this range.
inline constexpr int AngleScrollMin = 1;
inline constexpr int AngleScrollMax = 180;
// The bar's position for an angle text (the nearest whole degree in range; the bar
// stays where it is for a text that is no number).
std::optional<int> AngleScrollPosition(std::string_view angleText);
// What the label beside the bar shows for the angle text.
std::string AngleLabelText(std::string_view angleText);

} // namespace ferrovane::catalogue
