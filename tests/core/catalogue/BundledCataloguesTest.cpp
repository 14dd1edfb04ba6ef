#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/catalogue/CatalogueTestFiles.h"
#include "core/commands/catalogue/CatalogueReader.h"
#include "core/commands/catalogue/CatalogueSave.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/catalogue/CatalogueParser.h"
#include "core/compute/catalogue/CatalogueWriter.h"
#include "core/values/format/TextCodec.h"
#include "core/values/model/Angle.h"
#include "support/FakeUiHost.h"

using namespace ferrovane;
namespace ft = ferrovane::testing;
using namespace ferrovane::catalogue;

namespace {

const char* const kFiles[] = {"n-33mm.rtr", "n-37mm.rtr", "ho-77mm.rtr"};

std::string BundledPath(const char* name) {
    return std::string(FERROVANE_CATALOGUE_DIR) + "/" + name;
}

Catalogue Load(const char* name) {
    const auto r = ParseCatalogue(ft::ReadBytes(BundledPath(name)), 128);
    EXPECT_EQ(r.Outcome, CatalogueParseOutcome::Read) << name << ": " << r.Error.Description;
    return r.Catalogue;
}

// End 1 of a box member laid from its end 0, by the placement formulas.
struct End {
    float X, Y, Angle;
};
End EndOne(const RailBoxRail& m) {
    float a = m.RelAngle;
    if (m.MemberKind == 0) {
        float b = a + 180;
        const float s = model::SinDeg(b), c = model::CosDeg(b);
        return {m.OffsetX + m.Size * s, m.OffsetY + m.Size * c, model::NormalizeAngle(a)};
    }
    const float r = m.Size;
    const float kx = m.OffsetX - r * model::CosDegOf(a), ky = m.OffsetY + r * model::SinDegOf(a);
    float t = m.CurveFlip != 0 ? a - m.CurveAngle : a + m.CurveAngle;
    const float sign = m.CurveFlip != 0 ? -1.0f : 1.0f;
    const float cx = m.CurveFlip != 0 ? m.OffsetX + r * model::CosDegOf(a) : kx;
    const float cy = m.CurveFlip != 0 ? m.OffsetY - r * model::SinDegOf(a) : ky;
    return {cx + sign * r * model::CosDegOf(t), cy - sign * r * model::SinDegOf(t),
            model::NormalizeAngle(t)};
}

} // namespace

TEST(BundledCatalogues, ReadAndWriteBackByteIdentical) {
    for (const char* name : kFiles) {
        SCOPED_TRACE(name);
        const std::string bytes = ft::ReadBytes(BundledPath(name));
        ASSERT_FALSE(bytes.empty());
        ft::FakeUiHost host;
        app::Workspace ws(host);
        ASSERT_EQ(ReadCatalogue(ws, BundledPath(name)), CatalogueReadStatus::Loaded);
        EXPECT_TRUE(host.Messages.empty());
        EXPECT_EQ(RenderCatalogue(ws.Catalogue), bytes);

        ft::TempDir dir;
        ASSERT_TRUE(WriteCatalogueTo(ws, dir.Path(name)));
        EXPECT_EQ(ft::ReadBytes(dir.Path(name)), bytes);
    }
}

TEST(BundledCatalogues, ShapeOfEveryCatalogue) {
    for (const char* name : kFiles) {
        SCOPED_TRACE(name);
        const Catalogue c = Load(name);
        for (const auto* types : {&c.StraightTypes, &c.CurveTypes, &c.PointTypes}) {
            ASSERT_GE(types->size(), 2u);
            EXPECT_EQ(types->back().IsUserRail, -1) << "each kind ends with its user rail";
            for (std::size_t i = 0; i + 1 < types->size(); ++i) {
                const RType& t = (*types)[i];
                EXPECT_EQ(t.IsUserRail, 0) << t.Name;
                EXPECT_EQ(t.Color, (*types)[0].Color * (t.IsCurvedPoint() ? 0 : 1) +
                                       (t.IsCurvedPoint() ? t.Color : 0))
                    << "one colour per family: " << t.Name;
            }
        }
        EXPECT_TRUE(PointsAreValid(c));
        // Points come in right and left pairs of the same dimensions.
        const std::size_t points = c.PointTypes.size() - 1;
        ASSERT_EQ(points % 2, 0u);
        for (std::size_t i = 0; i < points; i += 2) {
            const RType &right = c.PointTypes[i], &left = c.PointTypes[i + 1];
            EXPECT_EQ(right.Hand, 0) << right.Name;
            EXPECT_EQ(left.Hand, -1) << left.Name;
            EXPECT_EQ(right.Length, left.Length);
            EXPECT_EQ(right.Radius, left.Radius);
            EXPECT_EQ(right.Angle, left.Angle);
        }
        EXPECT_GE(c.RailBoxRailMax, 1) << "at least one rail box";
    }
}

TEST(BundledCatalogues, RailBoxMembersAreLaidEndToEnd) {
    for (const char* name : kFiles) {
        SCOPED_TRACE(name);
        const Catalogue c = Load(name);
        const auto& rails = c.RailBoxRails;
        ASSERT_FALSE(rails.empty());
        for (std::size_t k = 0; k < rails.size(); ++k) {
            if (rails[k].MemberIndex == 0) {
                EXPECT_EQ(rails[k].MemberKind, 5) << "header record";
                continue;
            }
            if (k + 1 >= rails.size() || rails[k + 1].MemberIndex == 0) continue;
            const End e = EndOne(rails[k]);
            const RailBoxRail& next = rails[k + 1];
            EXPECT_NEAR(next.OffsetX, e.X, 0.01) << next.Name << " member " << k + 1;
            EXPECT_NEAR(next.OffsetY, e.Y, 0.01) << next.Name << " member " << k + 1;
            EXPECT_EQ(next.RelAngle, e.Angle) << next.Name << " member " << k + 1;
        }
        // Each box is a half oval: it leaves and returns in opposite directions.
        const RailBoxRail& first = rails[1];
        const End last = EndOne(rails[static_cast<std::size_t>(rails[0].BoxHigh)]);
        EXPECT_EQ(model::NormalizeAngle(first.RelAngle + 180), last.Angle);
        // ... and its far end lies level with where it starts.
        const float along = (last.X - first.OffsetX) * model::SinDegOf(first.RelAngle + 180) +
                            (last.Y - first.OffsetY) * model::CosDegOf(first.RelAngle + 180);
        EXPECT_NEAR(along, 0.0f, 0.01f);
    }
}

TEST(BundledCatalogues, EveryNameSurvivesShiftJis) {
    for (const char* name : kFiles) {
        const Catalogue c = Load(name);
        std::vector<std::string> names;
        for (const auto* types : {&c.StraightTypes, &c.CurveTypes, &c.PointTypes})
            for (const auto& t : *types)
                names.push_back(t.Name);
        for (const auto& r : c.RailBoxRails)
            names.push_back(r.Name);
        for (const auto& n : names) {
            const auto sjis = platform::Utf8ToShiftJis(n);
            ASSERT_TRUE(sjis.has_value()) << n;
            EXPECT_EQ(platform::ShiftJisToUtf8(*sjis), n);
            EXPECT_LE(platform::Utf8Length(n), 99u) << n;
        }
    }
}
