#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/catalogue/CatalogueTestFiles.h"
#include "core/commands/catalogue/CatalogueSave.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/catalogue/CatalogueParser.h"
#include "core/compute/catalogue/CatalogueWriter.h"
#include "support/FakeUiHost.h"

using namespace ferrovane;
namespace ft = ferrovane::testing;
using namespace ferrovane::catalogue;
using ft::CatalogueBytes;

namespace {

RType Point(const char* name, float length, float radius, float angle) {
    RType t;
    t.Name = name;
    t.Length = length;
    t.Radius = radius;
    t.Angle = angle;
    t.Kind = 2;
    t.Color = 5;
    return t;
}

RailBoxRail BoxRail(const char* name, std::int16_t memberIndex) {
    RailBoxRail r;
    r.Name = name;
    r.MemberIndex = memberIndex;
    r.MemberKind = memberIndex == 0 ? 5 : 1;
    r.Size = 280;
    r.CurveAngle = 45;
    r.Free0 = r.Free1 = true;
    r.Color = 9;
    r.OffsetX = 82.01f;
    r.OffsetY = -0.5f;
    r.RelAngle = 225;
    r.Reserved = 2;
    return r;
}

} // namespace

TEST(RenderCatalogue, SmallestCatalogue) {
    EXPECT_EQ(
        RenderCatalogue(EmptyCatalogue(128)),
        CatalogueBytes({"\"ColorStraight:\"", "\"ユーザーレール\",100,128,0", "\"End\",0,0,0",
                        "\"ColorCurve:\"", "\"ユーザーレール\",100,45,128,0", "\"End\",0,0,0,0",
                        "\"ColorPoint2:\"", "\"ユーザーレール\",100,100,45,0,128,0",
                        "\"End\",0,0,0,0,0,0", "\"End\""}));
}

TEST(RenderCatalogue, EntriesUserRailsAndRailBoxes) {
    Catalogue c = EmptyCatalogue(128);
    RType s;
    s.Name = "S\"1\"";
    s.Length = 72.5f;
    s.Color = 255;
    s.Level = 2;
    c.StraightTypes.insert(c.StraightTypes.begin(), s);
    c.StraightTypes.back().Color = 77;
    c.StraightTypes.back().Length = 3; // the user rail is written with fixed dimensions
    c.StraightTypeMax = 1;
    c.PointTypes = {Point("P", 140, 541, 15), Point("ユーザーレール", 0, 0, 0),
                    Point("C", -52.3f, 280, 45), Point("ユーザーレール", 1, 1, 1)};
    c.PointTypes[2].Hand = -1;
    c.PointTypeMax = 3;
    c.RailBoxRails = {BoxRail("半円", 0), BoxRail("R280-45", 1)};
    c.RailBoxRailMax = 1;
    EXPECT_EQ(RenderCatalogue(c),
              CatalogueBytes({"\"ColorStraight:\"", "\"S＂1＂\",72.5,255,2",
                              "\"ユーザーレール\",100,77,0", "\"End\",0,0,0", "\"ColorCurve:\"",
                              "\"ユーザーレール\",100,45,128,0", "\"End\",0,0,0,0",
                              "\"ColorPoint2:\"", "\"P\",140,541,15,0,5,0",
                              "\"C\",-52.3,280,45,-1,5,0", "\"ユーザーレール\",100,100,45,0,5,0",
                              "\"End\",0,0,0,0,0,0", "\"RailBox:\"",
                              "\"#半円\",5,0,280,45,#TRUE#,#TRUE#,9,82.01,-0.5,225,#FALSE#,2",
                              "\" R280-45\",1,0,280,45,#TRUE#,#TRUE#,9,82.01,-0.5,225,#FALSE#,2",
                              "\"End\",0,0,0,0,#FALSE#,#FALSE#,0,0,0,0,#FALSE#,0", "\"End\""}));
}

TEST(RenderCatalogue, SingleRailBoxRailIsNotWritten) {
    Catalogue c = EmptyCatalogue(128);
    c.RailBoxRails = {BoxRail("B", 0)};
    c.RailBoxRailMax = 0;
    EXPECT_EQ(RenderCatalogue(c).find("RailBox:"), std::string::npos);
}

TEST(RenderCatalogue, MaximaBeyondTheArraysStayInside) {
    Catalogue c = EmptyCatalogue(128);
    c.StraightTypeMax = 5;
    c.CurveTypeMax = -3;
    c.RailBoxRailMax = 4;
    const std::string bytes = RenderCatalogue(c); // must not read past the arrays
    EXPECT_EQ(ParseCatalogue(bytes, 128).Outcome, CatalogueParseOutcome::Read);
}

TEST(PointsAreValid, EveryPointButTheLastNeedsAllThreeDimensions) {
    const struct {
        RType point;
        bool valid;
    } cases[] = {{Point("ok", 140, 541, 15), true},
                 {Point("len", 0, 541, 15), false},
                 {Point("rad", 140, 0, 15), false},
                 {Point("ang", 140, 541, 0), false},
                 {Point("curved", -52, 280, 45), true}};
    for (const auto& c : cases) {
        Catalogue cat = EmptyCatalogue(128);
        cat.PointTypes.insert(cat.PointTypes.begin(), c.point);
        cat.PointTypeMax = 1;
        EXPECT_EQ(PointsAreValid(cat), c.valid) << c.point.Name;
    }
    Catalogue cat = EmptyCatalogue(128); // the user-rail slot itself is all zero
    EXPECT_TRUE(PointsAreValid(cat));
}

struct WriterTest : ::testing::Test {
    ft::TempDir dir;
    ft::FakeUiHost host;
    app::Workspace ws{host};
};

TEST_F(WriterTest, WritesTheFileAtRTypeFileName) {
    ws.Catalogue.RTypeFileName = dir.Path("out.rtr");
    EXPECT_TRUE(WriteCatalogue(ws));
    EXPECT_EQ(ft::ReadBytes(ws.Catalogue.RTypeFileName), RenderCatalogue(ws.Catalogue));
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(WriterTest, InvalidPointIsRefusedAndTheFileKept) {
    const std::string path = dir.Write("keep.rtr", "old contents");
    ws.Catalogue.RTypeFileName = path;
    ws.Catalogue.PointTypes.insert(ws.Catalogue.PointTypes.begin(), Point("P", 140, 0, 15));
    ws.Catalogue.PointTypeMax = 1;
    EXPECT_FALSE(WriteCatalogue(ws));
    EXPECT_EQ(ft::ReadBytes(path), "old contents");
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text, "レール情報が不正です。セーブを行いません。");
    EXPECT_EQ(host.Messages[0].Icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(host.ToolBoxHides, 1);
    EXPECT_EQ(host.ToolBoxShows, 1);
}

TEST_F(WriterTest, FailedWriteKeepsTheOldFileAndReports) {
    const std::string path = dir.Write("keep.rtr", "old contents");
    std::filesystem::permissions(dir.Path(""), std::filesystem::perms::owner_read |
                                                   std::filesystem::perms::owner_exec);
    if (std::FILE* probe = std::fopen(dir.Path("probe").c_str(), "wb")) {
        std::fclose(probe);
        GTEST_SKIP() << "running with rights that ignore directory permissions";
    }
    ws.Catalogue.RTypeFileName = path;
    EXPECT_FALSE(WriteCatalogue(ws));
    EXPECT_EQ(ft::ReadBytes(path), "old contents");
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(
        host.Messages[0].Text.rfind(
            "[#3] レール情報ファイル書込中にエラーが発生しました。 エラー番号は 75。\r\n説明 : ",
            0),
        0u);
    EXPECT_EQ(host.Messages[0].Title, "エラー");
}

TEST_F(WriterTest, UnwritableTargetsAreReported) {
    // A directory in the target's place cannot be replaced, whoever runs the test.
    const std::string occupied = dir.Path("occupied.rtr");
    std::filesystem::create_directories(occupied + "/inside");
    for (const std::string& path : {dir.Path("no/such/dir.rtr"), std::string(), occupied}) {
        host.Messages.clear();
        EXPECT_FALSE(WriteCatalogueTo(ws, path)) << path;
        ASSERT_EQ(host.Messages.size(), 1u);
        EXPECT_EQ(host.Messages[0].Text.rfind("[#3] ", 0), 0u);
    }
    EXPECT_TRUE(std::filesystem::is_directory(occupied + "/inside"));
}
