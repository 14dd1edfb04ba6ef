#include <charconv>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "core/commands/document/LayoutFile.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/document/LayoutReader.h"
#include "core/compute/document/LayoutWriter.h"
#include "support/FakeUiHost.h"
#include "support/LayoutFixtures.h"

using namespace ferrovane;

namespace {

// A Single whose value is a decimal of at most 7 significant digits, from tiny to large.
float SevenDigitSingle(std::mt19937& rng) {
    std::uniform_int_distribution<int> mantissa(-9999999, 9999999), exponent(-12, 6);
    if (rng() % 8 == 0) return 0;
    const std::string text = std::to_string(mantissa(rng)) + "e" + std::to_string(exponent(rng));
    float v = 0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

const char* const Names[] = {"S248", "R481-15",   "ポイント#4 左", "直線 186",
                             "曲線", "ﾚｰﾙ 半角",  "～記号・〒",    "",
                             "a,b",  "  leading", "フレキシブル",  "ボックス①"};

model::Rail RandomRail(std::mt19937& rng, int n) {
    const std::uint8_t kinds[] = {0, 1, 2, 3, 50, 51, 60, 61, 100};
    auto u = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    model::Rail r;
    r.Valid = u(0, 4) != 0;
    r.No = static_cast<std::int16_t>(n);
    r.Name = Names[u(0, std::size(Names) - 1)];
    if (u(0, 1)) {
        r.Name += ' ';
        r.Name += std::to_string(u(0, 999));
    }
    r.Kind = kinds[u(0, std::size(kinds) - 1)];
    for (float* f :
         {&r.Length, &r.Radius,   &r.Angle,    &r.BaseAngle, &r.X0,       &r.Y0,     &r.X1,
          &r.Y1,     &r.X2,       &r.Y2,       &r.C1X,       &r.C1Y,      &r.C2X,    &r.C2Y,
          &r.C3X,    &r.C3Y,      &r.C4X,      &r.C4Y,       &r.C5X,      &r.C5Y,    &r.C6X,
          &r.C6Y,    &r.CenterX,  &r.CenterY,  &r.MidX,      &r.MidY,     &r.Angle0, &r.Angle1,
          &r.Angle2, &r.ArcStart, &r.ArcSweep, &r.MidCellX,  &r.MidCellY, &r.Cell0X, &r.Cell0Y,
          &r.Cell1X, &r.Cell1Y,   &r.Cell2X,   &r.Cell2Y})
        *f = SevenDigitSingle(rng);
    r.Dir = static_cast<std::uint8_t>(u(0, 255));
    r.Reserved1 = static_cast<std::int16_t>(u(-32768, 32767));
    r.Free0 = r.Free1 = r.Free2 = true;
    // The link fields of a free end carry no meaning but must survive as written.
    r.LinkEnd0 = static_cast<std::uint8_t>(u(0, 255));
    r.LinkEnd1 = static_cast<std::uint8_t>(u(0, 2));
    r.LinkEnd2 = static_cast<std::uint8_t>(u(0, 2));
    r.Upper = u(0, 1);
    r.Reserved2 = static_cast<std::int16_t>(u(-32768, 32767));
    r.Color = static_cast<std::int32_t>(rng());
    r.BoxSeq = static_cast<std::int16_t>(u(0, 20));
    return r;
}

// Random live rails joined at ends that exist, as placement joins them.
model::Layout RandomLayout(std::mt19937& rng) {
    model::Layout layout;
    layout.LayoutWidth = std::uniform_int_distribution<int>(-32768, 32767)(rng);
    layout.LayoutHeight = std::uniform_int_distribution<int>(1, 30000)(rng);
    const int count = std::uniform_int_distribution<int>(0, 40)(rng);
    for (int n = 1; n <= count; ++n)
        layout.AppendRail() = RandomRail(rng, n);
    auto endOf = [&](int n) {
        const model::Rail& r = layout.Rails[static_cast<std::size_t>(n)];
        if (!r.Valid || r.Kind >= model::KindText) return -1;
        const int ends = r.Kind == model::KindPoint ? 3 : 2;
        for (int e = 0; e < ends; ++e)
            if (r.Free(e)) return e;
        return -1;
    };
    for (int k = 0; k < count && count > 1; ++k) {
        const int a = std::uniform_int_distribution<int>(1, count)(rng);
        const int b = std::uniform_int_distribution<int>(1, count)(rng);
        const int e = endOf(a), f = endOf(b);
        if (a != b && e >= 0 && f >= 0) ferrovane::testing::layouts::Join(layout, a, e, b, f);
    }
    return layout;
}

} // namespace

TEST(LayoutRoundTrip, LineBreaksInNamesBecomeOneBlankInTheFile) {
    const struct {
        const char *Name, *Read;
    } cases[] = {
        {"a\r\nb", "a b"},
        {"a\rb\nc", "a b c"},
        {"ＭＳ ゴシックx\r\ny", "ＭＳ ゴシックx y"},
        {"\"q\"", "＂q＂"},
    };
    for (const auto& c : cases) {
        model::Layout layout = ferrovane::testing::layouts::StraightRow(1);
        layout.Rails[1].Name = c.Name;
        const std::string bytes = document::WriteLayout(layout);
        const auto read = document::ParseLayout(bytes);
        ASSERT_EQ(read.Status, document::LayoutReadStatus::Loaded) << bytes;
        EXPECT_EQ(read.Layout.Rails[1].Name, c.Read);
        EXPECT_EQ(read.Layout.RailCount, 1);
    }
}

TEST(LayoutRoundTrip, SaveLoadKeepsEveryFieldAndSavesIdentically) {
    ferrovane::testing::layouts::TempDir dir;
    std::mt19937 rng(20240611);
    for (int iteration = 0; iteration < 60; ++iteration) {
        SCOPED_TRACE("iteration " + std::to_string(iteration));
        ferrovane::testing::FakeUiHost host;
        app::Workspace ws(host);
        ws.Layout = RandomLayout(rng);
        ws.Layout.Modified = true;
        const model::Layout original = ws.Layout;
        const std::string path = dir.File("layout" + std::to_string(iteration % 3) + ".fvl");

        ASSERT_TRUE(document::SaveFile(ws, path));
        const std::string saved = ferrovane::testing::layouts::ReadBytes(path);
        EXPECT_EQ(saved, document::WriteLayout(original));

        ferrovane::testing::FakeUiHost host2;
        app::Workspace loaded(host2);
        document::LoadOptions options;
        options.ReloadCatalogue = false;
        ASSERT_TRUE(document::LoadFile(loaded, path, options));
        EXPECT_TRUE(host2.Messages.empty());
        ASSERT_EQ(loaded.Layout.RailCount, original.RailCount);
        EXPECT_EQ(loaded.Layout.SavedRailCount, original.RailCount);
        EXPECT_EQ(loaded.Layout.LayoutWidth, original.LayoutWidth);
        EXPECT_EQ(loaded.Layout.LayoutHeight, original.LayoutHeight);
        for (int n = 1; n <= original.RailCount; ++n)
            EXPECT_EQ(loaded.Layout.Rails[static_cast<std::size_t>(n)],
                      original.Rails[static_cast<std::size_t>(n)])
                << "rail " << n;

        const std::string again = dir.File("again.fvl");
        ASSERT_TRUE(document::SaveFile(loaded, again));
        EXPECT_EQ(ferrovane::testing::layouts::ReadBytes(again), saved);
    }
}
