#include "core/compute/catalogue/CatalogueParser.h"

#include <cmath>
#include <vector>

#include "core/compute/catalogue/CatalogueMessages.h"
#include "core/compute/catalogue/RailBoxLine.h"
#include "core/values/format/FileErrorText.h"
#include "core/values/format/TextCodec.h"

namespace ferrovane::catalogue {

namespace {

using document::ListReader;

enum class Column { Length, Radius, Angle, Hand, Color, Level };
enum class CurvedLength { AsRead, Negate, MinusAbs };

// How one entry section is laid out and what it stores besides its columns.
struct EntrySection {
    const char* Key;
    std::string_view (*Name)(); // for messages, in the current language
    std::int16_t Kind;
    bool NewFormat;
    bool StartAtMax; // curved points continue over the point section's last entry
    std::vector<Column> Columns;
    bool ColorFromSetting = false;
    bool HandZero = false;
    float FixedAngle = 0; // non-zero: every entry gets this angle
    CurvedLength LengthRule = CurvedLength::AsRead;
    float UserRailAngle = 0; // old sections: the angle of the trailing user-rail entry
    bool OldFormatNotice = false;
};

const std::vector<EntrySection>& EntrySections() {
    using C = Column;
    static const std::vector<EntrySection> sections = {
        {"ColorStraight:",
         document::SectionStraights,
         0,
         true,
         false,
         {C::Length, C::Color, C::Level}},
        {"ColorCurve:",
         document::SectionCurves,
         1,
         true,
         false,
         {C::Radius, C::Angle, C::Color, C::Level}},
        {"ColorCurb:",
         document::SectionCurves,
         1,
         true,
         false,
         {C::Radius, C::Angle, C::Color, C::Level}},
        {"ColorPoint2:",
         document::SectionPoints,
         2,
         true,
         false,
         {C::Length, C::Radius, C::Angle, C::Hand, C::Color, C::Level}},
        {"ColorPoint:",
         document::SectionPoints,
         2,
         true,
         false,
         {C::Length, C::Radius, C::Angle, C::Color},
         false,
         true,
         0,
         CurvedLength::AsRead,
         0,
         true},
        {"ColorCPoint:",
         document::SectionCurvedPoints,
         2,
         true,
         true,
         {C::Length, C::Radius, C::Angle, C::Color},
         false,
         true,
         0,
         CurvedLength::MinusAbs},
        {"Straight:", document::SectionOldStraights, 0, false, false, {C::Length}, true},
        {"Curve:",
         document::SectionOldCurves,
         1,
         false,
         false,
         {C::Radius},
         true,
         false,
         45,
         CurvedLength::AsRead,
         45},
        {"Curb:",
         document::SectionOldCurves,
         1,
         false,
         false,
         {C::Radius},
         true,
         false,
         45,
         CurvedLength::AsRead,
         45},
        {"Point:",
         document::SectionOldPoints,
         2,
         false,
         false,
         {C::Length, C::Radius, C::Angle},
         true,
         false,
         0,
         CurvedLength::AsRead,
         15},
        {"CPoint:",
         document::SectionOldCurvedPoints,
         2,
         false,
         true,
         {C::Length, C::Radius, C::Angle},
         true,
         false,
         0,
         CurvedLength::Negate,
         45},
    };
    return sections;
}

std::vector<RType>& TypesOfKind(Catalogue& c, int kind) {
    return kind == model::KindStraight ? c.StraightTypes
           : kind == model::KindCurve  ? c.CurveTypes
                                       : c.PointTypes;
}
std::int32_t& MaxOfKind(Catalogue& c, int kind) {
    return kind == model::KindStraight ? c.StraightTypeMax
           : kind == model::KindCurve  ? c.CurveTypeMax
                                       : c.PointTypeMax;
}

RType UserRailEntry(std::int16_t kind, std::int32_t railColor, float angle = 0) {
    RType t;
    t.Name = UserRailName;
    t.Color = railColor;
    t.Kind = kind;
    t.IsUserRail = -1;
    t.Angle = angle;
    return t;
}

class Parser {
public:
    Parser(std::string_view bytes, std::int32_t railColor) : mReader(bytes), mRailColor(railColor) {
        mResult.Catalogue = EmptyCatalogue(railColor);
    }

    CatalogueParseResult Run() {
        if (!ReadSections() && mResult.Outcome == CatalogueParseOutcome::Read) {
            mResult.Outcome = CatalogueParseOutcome::ReadError;
            mResult.Error = mReader.Error();
        }
        if (mResult.Outcome == CatalogueParseOutcome::ReadError)
            document::AddErrorPlace(mResult.Error,
                                    document::SectionPlace(mReader.Line(), mSection));
        if (mResult.Outcome == CatalogueParseOutcome::Read) TrimSpares();
        return std::move(mResult);
    }

private:
    bool ReadSections() {
        for (;;) {
            std::string key;
            mSection = document::FieldSectionHeading();
            if (!mReader.ReadString(key)) return false;
            if (key == "End") return true;
            if (key == "RailBox:") {
                mSection = document::SectionRailBoxes();
                if (!ReadRailBoxSection()) return false;
                continue;
            }
            for (const auto& section : EntrySections()) {
                if (key != section.Key) continue;
                mSection = section.Name();
                if (section.OldFormatNotice) ++mResult.OldFormatNotices;
                if (!ReadEntrySection(section)) return false;
                break;
            }
            // Any other key is skipped: its fields are read as keys in turn.
        }
    }

    bool NameTooLong(const std::string& name, std::size_t limit) {
        if (platform::Utf8Length(name) <= limit) return false;
        mResult.Outcome = CatalogueParseOutcome::NameTooLong;
        mResult.NameLimit = limit;
        return true;
    }

    bool Overflow() {
        mResult.Outcome = CatalogueParseOutcome::ReadError;
        mResult.Error = document::MakeFileError(document::ErrOverflow);
        return false;
    }

    // Reads the columns of one record over what the element already holds.
    bool ReadColumns(const EntrySection& section, RType& e) {
        for (Column column : section.Columns) {
            bool ok = true;
            switch (column) {
            case Column::Length:
                ok = mReader.ReadSingle(e.Length);
                break;
            case Column::Radius:
                ok = mReader.ReadSingle(e.Radius);
                break;
            case Column::Angle:
                ok = mReader.ReadSingle(e.Angle);
                break;
            case Column::Hand:
                ok = mReader.ReadInteger(e.Hand);
                break;
            case Column::Color:
                ok = mReader.ReadLong(e.Color);
                break;
            case Column::Level:
                ok = mReader.ReadInteger(e.Level);
                break;
            }
            if (!ok) return false;
        }
        return true;
    }

    bool ReadEntrySection(const EntrySection& section) {
        auto& types = TypesOfKind(mResult.Catalogue, section.Kind);
        auto& max = MaxOfKind(mResult.Catalogue, section.Kind);
        std::int32_t i = section.StartAtMax ? max : 0;
        for (;;) {
            std::string name;
            if (!mReader.ReadString(name)) return false;
            const std::size_t index = static_cast<std::size_t>(i);
            RType e = index < types.size() ? types[index] : RType{};
            if (!ReadColumns(section, e)) return false;
            if (NameTooLong(name, MaxEntryNameLength)) return false;
            const bool end = name == "End";
            if (!end) {
                e.Name = name;
                if (section.ColorFromSetting) e.Color = mRailColor;
                if (section.HandZero) e.Hand = 0;
                if (section.FixedAngle != 0) e.Angle = section.FixedAngle;
                if (section.LengthRule == CurvedLength::Negate) e.Length = -e.Length;
                if (section.LengthRule == CurvedLength::MinusAbs) e.Length = -std::fabs(e.Length);
                e.Kind = section.Kind;
                e.IsUserRail = name == UserRailName ? -1 : 0;
                types.resize(index + 1);
                types[index] = std::move(e);
            }
            if (i >= MaxEntryIndex) return Overflow();
            if (section.NewFormat) {
                max = i - 1;
                i += 1;
            } else {
                // A user-rail entry follows every rail read; the next rail replaces it.
                i += 1;
                max = i - 1;
                types.resize(static_cast<std::size_t>(i) + 1);
                types[static_cast<std::size_t>(i)] =
                    UserRailEntry(section.Kind, mRailColor, section.UserRailAngle);
            }
            if (end) break;
        }
        // A section of nothing but its closing record leaves the user rail alone.
        if (max < 0) {
            types = {UserRailEntry(section.Kind, mRailColor)};
            max = 0;
        }
        return true;
    }

    bool ReadRailBoxSection() {
        Catalogue& c = mResult.Catalogue;
        c.RailBoxRailMax = 0;
        RailBoxLineState state;
        for (;;) {
            std::string name;
            RailBoxRail r;
            if (!mReader.ReadString(name) || !mReader.ReadInteger(r.MemberKind) ||
                !mReader.ReadInteger(r.CurveFlip) || !mReader.ReadSingle(r.Size) ||
                !mReader.ReadSingle(r.CurveAngle) || !mReader.ReadBoolean(r.Free0) ||
                !mReader.ReadBoolean(r.Free1) || !mReader.ReadLong(r.Color) ||
                !mReader.ReadSingle(r.OffsetX) || !mReader.ReadSingle(r.OffsetY) ||
                !mReader.ReadSingle(r.RelAngle) || !mReader.ReadBoolean(r.Ungrouped) ||
                !mReader.ReadInteger(r.Reserved))
                return false;
            if (NameTooLong(name, MaxRailBoxNameLength)) return false;
            if (!ParseRailBoxLine(c, state, name, r)) return Overflow();
            if (name == "End") break;
        }
        // An empty section leaves no rail boxes.
        if (c.RailBoxRailMax < 0) {
            c.RailBoxRails.clear();
            c.RailBoxRailMax = 0;
        }
        return true;
    }

    // The arrays end at their maxima: the spare slots the sections grow into go.
    void TrimSpares() {
        Catalogue& c = mResult.Catalogue;
        for (int kind = model::KindStraight; kind <= model::KindPoint; ++kind)
            TypesOfKind(c, kind).resize(static_cast<std::size_t>(MaxOfKind(c, kind)) + 1);
        if (!c.RailBoxRails.empty())
            c.RailBoxRails.resize(static_cast<std::size_t>(c.RailBoxRailMax) + 1);
    }

    ListReader mReader;
    std::int32_t mRailColor;
    std::string_view mSection; // where the reader is, for messages
    CatalogueParseResult mResult;
};

} // namespace

CatalogueParseResult ParseCatalogue(std::string_view bytes, std::int32_t railColor) {
    return Parser(bytes, railColor).Run();
}

} // namespace ferrovane::catalogue
