#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/CliRun.h"

namespace {

const std::string Layout = std::string(FERROVANE_TEST_DATA) + "/layout/good.fvl";

std::vector<unsigned char> Head(const std::string& path, std::size_t n) {
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> bytes(n);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(n));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

std::uint32_t Be32(const std::vector<unsigned char>& b, std::size_t at) {
    return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) |
           (std::uint32_t{b[at + 2]} << 8) | b[at + 3];
}

std::uint32_t Le32(const std::vector<unsigned char>& b, std::size_t at) {
    return b[at] | (std::uint32_t{b[at + 1]} << 8) | (std::uint32_t{b[at + 2]} << 16) |
           (std::uint32_t{b[at + 3]} << 24);
}

class RenderCli : public ferrovane::testing::CliRun {
protected:
    RenderCli() : CliRun("render") {}

    void SetUp() override {
        CliRun::SetUp();
        // Built without the Qt surfaces, the program has no render command.
        Run({});
        if (Err.find("unknown command") != std::string::npos) GTEST_SKIP() << "no render command";
    }
};

TEST_F(RenderCli, ImageIsTheBoardDividedByTheZoomInTheFormatOfTheName) {
    // The board of good.fvl is 2400 by 1800.
    struct Case {
        const char* name;
        const char* zoom;
        std::uint32_t w, h;
    };
    for (const Case& c : {Case{"a.png", "100", 2400, 1800}, Case{"b.PNG", "75", 1800, 1350},
                          Case{"c.png", "25", 600, 450}}) {
        const std::string out = Temp(c.name);
        ASSERT_EQ(Run({Layout, out, "--zoom", c.zoom}), 0) << c.name;
        const auto head = Head(out, 24);
        ASSERT_EQ(head.size(), 24u);
        EXPECT_EQ(head[1], 'P'); // PNG signature
        EXPECT_EQ(Be32(head, 16), c.w) << c.name;
        EXPECT_EQ(Be32(head, 20), c.h) << c.name;
    }
    const std::string bmp = Temp("plan.png.bmp");
    ASSERT_EQ(Run({Layout, bmp, "--zoom", "50", "--grid", "off"}), 0);
    const auto head = Head(bmp, 26);
    ASSERT_EQ(head.size(), 26u);
    EXPECT_EQ(head[0], 'B');
    EXPECT_EQ(head[1], 'M');
    EXPECT_EQ(Le32(head, 18), 1200u);
    EXPECT_EQ(Le32(head, 22), 900u);
    const auto jpeg = Head(
        [&] {
            const std::string p = Temp("plan.jpg.bmp");
            EXPECT_EQ(Run({Layout, p, "--zoom", "25"}), 0);
            return p;
        }(),
        2);
    ASSERT_EQ(jpeg.size(), 2u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
}

TEST_F(RenderCli, GridOffLeavesFewerDrawnPixels) {
    const std::string with = Temp("grid.bmp"), without = Temp("nogrid.bmp");
    ASSERT_EQ(Run({Layout, with, "--zoom", "25"}), 0);
    ASSERT_EQ(Run({Layout, without, "--zoom", "25", "--grid", "off"}), 0);
    auto countDark = [](const std::string& path) {
        const std::string bytes = ferrovane::testing::ReadFile(path);
        std::size_t n = 0;
        for (std::size_t i = 54; i < bytes.size(); ++i)
            n += static_cast<unsigned char>(bytes[i]) != 0xFF;
        return n;
    };
    EXPECT_GT(countDark(with), countDark(without) + 1000);
}

TEST_F(RenderCli, FailuresAndUsage) {
    EXPECT_EQ(Run({Layout}), 64);
    EXPECT_EQ(Run({Layout, Temp("x.png"), "--zoom", "33"}), 64);
    EXPECT_EQ(Run({Layout, Temp("x.png"), "--grid", "maybe"}), 64);
    EXPECT_EQ(Run({Temp("missing.fvl"), Temp("x.png")}), 1);
    EXPECT_EQ(Run({Layout, Temp("no/such/dir/x.png")}), 2);
    EXPECT_FALSE(std::filesystem::exists(Temp("x.png")));
}

} // namespace
