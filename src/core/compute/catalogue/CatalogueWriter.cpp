#include "core/compute/catalogue/CatalogueWriter.h"

#include <vector>

#include "core/compute/catalogue/CatalogueMessages.h"
#include "core/values/format/FileErrorText.h"
#include "core/values/format/ListDirected.h"

namespace ferrovane::catalogue {

namespace {

using document::ListWriter;

// The entry at index, or an empty one: a maximum that names no element (a catalogue
// built by hand) must not take the writer out of its array.
const RType& EntryAt(const std::vector<RType>& types, std::int32_t index) {
    static const RType none;
    if (index < 0 || static_cast<std::size_t>(index) >= types.size()) return none;
    return types[static_cast<std::size_t>(index)];
}

// Entries written before the user-rail line: 0..max-1, as far as the array reaches.
std::int32_t EntriesBeforeMax(const std::vector<RType>& types, std::int32_t max) {
    const auto size = static_cast<std::int32_t>(types.size());
    return max < 0 ? 0 : (max < size ? max : size);
}

// The entries a section writes before its user-rail line.
std::int32_t WrittenEntries(const std::vector<RType>& types, std::int32_t max, bool skipUserRails) {
    const std::int32_t n = EntriesBeforeMax(types, max);
    if (!skipUserRails) return n;
    std::int32_t written = 0;
    for (std::int32_t i = 0; i < n; ++i)
        if (types[static_cast<std::size_t>(i)].Name != UserRailName) ++written;
    return written;
}

void Key(ListWriter& w, const char* key) {
    w.String(key);
    w.EndRecord();
}

void WriteStraights(ListWriter& w, const Catalogue& c) {
    Key(w, "ColorStraight:");
    const std::int32_t n = EntriesBeforeMax(c.StraightTypes, c.StraightTypeMax);
    for (std::int32_t i = 0; i < n; ++i) {
        const RType& t = c.StraightTypes[static_cast<std::size_t>(i)];
        w.String(t.Name), w.Single(t.Length), w.Integer(t.Color), w.Integer(t.Level);
        w.EndRecord();
    }
    w.String(UserRailName), w.Integer(100),
        w.Integer(EntryAt(c.StraightTypes, c.StraightTypeMax).Color), w.Integer(0);
    w.EndRecord();
    w.String("End"), w.Integer(0), w.Integer(0), w.Integer(0);
    w.EndRecord();
}

void WriteCurves(ListWriter& w, const Catalogue& c) {
    Key(w, "ColorCurve:");
    const std::int32_t n = EntriesBeforeMax(c.CurveTypes, c.CurveTypeMax);
    for (std::int32_t i = 0; i < n; ++i) {
        const RType& t = c.CurveTypes[static_cast<std::size_t>(i)];
        w.String(t.Name), w.Single(t.Radius), w.Single(t.Angle), w.Integer(t.Color),
            w.Integer(t.Level);
        w.EndRecord();
    }
    w.String(UserRailName), w.Integer(100), w.Integer(45),
        w.Integer(EntryAt(c.CurveTypes, c.CurveTypeMax).Color), w.Integer(0);
    w.EndRecord();
    w.String("End");
    for (int k = 0; k < 4; ++k)
        w.Integer(0);
    w.EndRecord();
}

void WritePoints(ListWriter& w, const Catalogue& c) {
    Key(w, "ColorPoint2:");
    const std::int32_t n = EntriesBeforeMax(c.PointTypes, c.PointTypeMax);
    for (std::int32_t i = 0; i < n; ++i) {
        const RType& t = c.PointTypes[static_cast<std::size_t>(i)];
        if (t.Name == UserRailName) continue;
        w.String(t.Name), w.Single(t.Length), w.Single(t.Radius), w.Single(t.Angle),
            w.Integer(t.Hand), w.Integer(t.Color), w.Integer(t.Level);
        w.EndRecord();
    }
    w.String(UserRailName), w.Integer(100), w.Integer(100), w.Integer(45), w.Integer(0),
        w.Integer(EntryAt(c.PointTypes, c.PointTypeMax).Color), w.Integer(0);
    w.EndRecord();
    w.String("End");
    for (int k = 0; k < 6; ++k)
        w.Integer(0);
    w.EndRecord();
}

void WriteRailBoxes(ListWriter& w, const Catalogue& c) {
    if (c.RailBoxRailMax < 1) return;
    Key(w, "RailBox:");
    const auto size = static_cast<std::int32_t>(c.RailBoxRails.size());
    const std::int32_t last = c.RailBoxRailMax < size ? c.RailBoxRailMax : size - 1;
    for (std::int32_t i = 0; i <= last; ++i) {
        const RailBoxRail& r = c.RailBoxRails[static_cast<std::size_t>(i)];
        w.String((r.MemberIndex == 0 ? "#" : " ") + r.Name);
        w.Integer(r.MemberKind), w.Integer(r.CurveFlip), w.Single(r.Size), w.Single(r.CurveAngle);
        w.Boolean(r.Free0), w.Boolean(r.Free1), w.Integer(r.Color);
        w.Single(r.OffsetX), w.Single(r.OffsetY), w.Single(r.RelAngle);
        w.Boolean(r.Ungrouped), w.Integer(r.Reserved);
        w.EndRecord();
    }
    w.String("End");
    for (int k = 0; k < 4; ++k)
        w.Integer(0);
    w.Boolean(false), w.Boolean(false);
    for (int k = 0; k < 4; ++k)
        w.Integer(0);
    w.Boolean(false), w.Integer(0);
    w.EndRecord();
}

} // namespace

bool PointsAreValid(const Catalogue& catalogue) {
    const std::int32_t n = EntriesBeforeMax(catalogue.PointTypes, catalogue.PointTypeMax);
    for (std::int32_t i = 0; i < n; ++i) {
        const RType& t = catalogue.PointTypes[static_cast<std::size_t>(i)];
        if (t.Length == 0 || t.Radius == 0 || t.Angle == 0) return false;
    }
    return true;
}

bool FitsCatalogueFile(const Catalogue& catalogue, document::FileError& error) {
    const struct {
        std::string_view What;
        std::int32_t Count;
    } sections[] = {
        {document::SectionStraights(),
         WrittenEntries(catalogue.StraightTypes, catalogue.StraightTypeMax, false)},
        {document::SectionCurves(),
         WrittenEntries(catalogue.CurveTypes, catalogue.CurveTypeMax, false)},
        {document::SectionPoints(),
         WrittenEntries(catalogue.PointTypes, catalogue.PointTypeMax, true)},
    };
    for (const auto& section : sections) {
        if (section.Count <= MaxWrittenEntries) continue;
        error = document::MakeFileError(
            document::ErrOverflow,
            document::ReasonTooManyEntries(section.What, section.Count, MaxWrittenEntries));
        return false;
    }
    return true;
}

std::string RenderCatalogue(const Catalogue& catalogue) {
    ListWriter w;
    WriteStraights(w, catalogue);
    WriteCurves(w, catalogue);
    WritePoints(w, catalogue);
    WriteRailBoxes(w, catalogue);
    Key(w, "End");
    return std::move(w.Bytes());
}

} // namespace ferrovane::catalogue
