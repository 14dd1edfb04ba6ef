#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "core/compute/catalogue/Catalogue.h"

namespace ferrovane::platform {
class UiHost;
}
namespace ferrovane::model {
struct Layout;
}

namespace ferrovane::catalogue {

// The catalogue editor's operations on the catalogue arrays. `kind` is 0 straight,
// 1 curve, 2 point; indices are 0..Max of that kind, Max being the user-rail slot.

// The standard 16-colour palette, as RGB longs (red in the low byte).
inline constexpr std::array<std::int32_t, 16> StandardPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

// The name a new entry is stored with until it is renamed: catalogue data, not translated.
inline constexpr const char* NewRailName = "新規レール";
inline constexpr std::size_t MaxRTypeNameLength = 100;

// The array and the highest index of a kind; nullptr / nullptr for any other kind.
std::vector<RType>* TypesOf(Catalogue& catalogue, int kind);
std::int32_t* TypeMaxOf(Catalogue& catalogue, int kind);
const std::vector<RType>* TypesOf(const Catalogue& catalogue, int kind);
const std::int32_t* TypeMaxOf(const Catalogue& catalogue, int kind);

// Copies the shape a kind carries from dialog fields (Length, Radius, Angle, CurvePoint,
// LeftFacing): a straight its length, a curve radius and angle, a point all three and
// its hand. Every other field of the entry stays.
template <typename Fields> void SetShape(RType& t, int kind, const Fields& f) {
    switch (kind) {
    case 0:
        t.Length = f.Length;
        break;
    case 1:
        t.Radius = f.Radius;
        t.Angle = f.Angle;
        break;
    default:
        t.Length = f.CurvePoint ? -std::fabs(f.Length) : f.Length;
        t.Radius = f.Radius;
        t.Angle = f.Angle;
        t.Hand = f.LeftFacing ? -1 : 0;
        break;
    }
}

// The dialog's fields as the register button takes them.
struct RTypeFields {
    float Length = 0;
    float Radius = 0;
    float Angle = 0;
    std::int32_t Color = 0;
    bool CurvePoint = false; // points: stored with a negative length
    bool LeftFacing = false; // points: Hand -1
    std::int16_t Level = 0;
};

// Register: copies the fields that the kind carries into entry index. False when the
// kind or index does not exist.
bool RegisterRType(Catalogue& catalogue, int kind, int index, const RTypeFields& fields);

// Add: a "新規レール" entry takes the place of the user-rail slot, which moves one up.
// Returns the new entry's index, or -1 for an unknown kind.
int AddRType(Catalogue& catalogue, int kind);

// Delete, after the user agreed: the entries after index move down. The user-rail slot
// itself cannot be deleted (the closing step would rename a real entry in its place).
bool DeleteRType(platform::UiHost& host, Catalogue& catalogue, int kind, int index);

// Rename through an input box; an empty answer or a cancel changes nothing. A name too
// long for the catalogue file to be read back is refused with the reader's message.
bool RenameRType(platform::UiHost& host, Catalogue& catalogue, int kind, int index);

// Automatic colours for every entry of the kind, after the user agreed.
bool AutoColourRTypes(platform::UiHost& host, Catalogue& catalogue, int kind);

// Gives every straight, curve and point of the layout the colour of the catalogue entry
// of its name (the last one when several share it), after the user agreed. Returns the
// number of rails whose colour changed.
int ApplyCatalogueColours(platform::UiHost& host, const Catalogue& catalogue, model::Layout& layout,
                          bool ask = true);

// Names the last entry of every kind the user rail again, as closing the editor does.
void RenameUserRailSlots(Catalogue& catalogue);

} // namespace ferrovane::catalogue
