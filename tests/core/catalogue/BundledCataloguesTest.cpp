#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/catalogue/CatalogueTestFiles.h"
#include "core/commands/catalogue/CatalogueReader.h"
#include "core/commands/catalogue/CatalogueSave.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/catalogue/CatalogueParser.h"
#include "core/compute/catalogue/CatalogueWriter.h"
#include "core/compute/geometry/RailBoxWork.h"
#include "core/values/format/TextCodec.h"
#include "core/values/model/Angle.h"
#include "support/FakeUiHost.h"
#include "support/Tolerance.h"

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
        ASSERT_FALSE(c.RailBoxRails.empty());
        for (std::size_t box = 0; box < c.RailBoxRails.size(); ++box) {
            if (c.RailBoxRails[box].MemberIndex != 0) continue;
            geometry::RailBoxWork work;
            ASSERT_TRUE(geometry::BuildRailBoxWork(c, static_cast<int>(box), work));
            const auto& rails = work.Rails;
            for (int k = 1; k < work.BoxHigh(); ++k) {
                const auto &w = rails[k], &next = rails[k + 1];
                EXPECT_TRUE(ft::NearPoint(w.End1X, w.End1Y, next.End0X, next.End0Y)) << next.Name;
                EXPECT_TRUE(ft::NearAngle(w.End1Angle, next.End0Angle)) << next.Name;
            }
            // Each box is a half oval: it returns in the opposite direction, its far end
            // level with where it starts.
            const auto &first = rails[1], &last = rails[work.BoxHigh()];
            EXPECT_TRUE(ft::NearAngle(first.End0Angle + 180, last.End1Angle)) << rails[0].Name;
            const float back = first.End0Angle + 180;
            const float along = (last.End1X - first.End0X) * model::SinDegOf(back) +
                                (last.End1Y - first.End0Y) * model::CosDegOf(back);
            EXPECT_NEAR(along, 0.0f, 0.01f) << rails[0].Name;
        }
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
