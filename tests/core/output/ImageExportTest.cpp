#include <gtest/gtest.h>

#include <string>

#include "core/commands/output/ImageExport.h"
#include "core/commands/workspace/Workspace.h"
#include "core/values/format/FileErrorText.h"
#include "support/FakeUiHost.h"

namespace ferrovane::output {
namespace {

TEST(ImageExportNameTest, FormatByName) {
    struct Case {
        const char* name;
        ImageFormat format;
    };
    const Case cases[] = {
        {"plan.bmp", ImageFormat::Bmp},
        {"plan.jpg", ImageFormat::Jpeg},
        {"plan.JPG", ImageFormat::Jpeg},
        {"plan.Jpeg", ImageFormat::Jpeg},
        {"plan.jpg.bmp", ImageFormat::Jpeg},
        {"plan.png", ImageFormat::Png},
        {"PLAN.PNG", ImageFormat::Png},
        {"plan.png.bmp", ImageFormat::Bmp},
        {"plan", ImageFormat::Bmp},
        {"plan.gif", ImageFormat::Bmp},
        {"図面.JPEG", ImageFormat::Jpeg},
        {"dir.jpg/plan", ImageFormat::Jpeg},
        {"", ImageFormat::Bmp},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ImageFormatForName(c.name), c.format) << c.name;
}

TEST(ImageExportNameTest, PlanFormatOnlyByTheNamesEnd) {
    const std::pair<const char*, PlanFormat> cases[] = {
        {"plan.pdf", PlanFormat::Pdf},      {"PLAN.Pdf", PlanFormat::Pdf},
        {"図面.SVG", PlanFormat::Svg},      {"a.pdf.svg", PlanFormat::Svg},
        {"plan.pdf.png", PlanFormat::None}, {"dir.svg/plan", PlanFormat::None},
        {"pdf", PlanFormat::None},          {"", PlanFormat::None},
    };
    for (const auto& [name, format] : cases)
        EXPECT_EQ(PlanFormatForName(name), format) << name;
}

TEST(ImageExportTest, AsksForANameWritesAndReportsFailure) {
    testing::FakeUiHost host;
    app::Workspace ws(host);
    std::string written;
    ImageFormat format = ImageFormat::Bmp;
    bool succeed = true;
    const ImageWriter writer = [&](const std::string& path, ImageFormat f,
                                   document::FileError& error) {
        written = path;
        format = f;
        error = document::MakeFileError(document::ErrDiskFull, {}, path);
        return succeed;
    };

    host.FileAnswers.push_back(std::nullopt);
    EXPECT_FALSE(SaveAsBitmap(ws, writer));
    EXPECT_TRUE(written.empty());
    ASSERT_EQ(host.FileRequests.size(), 1u);
    EXPECT_EQ(host.FileRequests[0].Filter,
              "ビットマップファイル(*.bmp)|*.bmp|JPEGファイル(*.jpg)|*."
              "jpg|PNGファイル(*.png)|*.png|全てのファイル(*.*)|*.*");

    host.FileAnswers.push_back(std::string("out/plan.JPG"));
    EXPECT_TRUE(SaveAsBitmap(ws, writer));
    EXPECT_EQ(written, "out/plan.JPG");
    EXPECT_EQ(format, ImageFormat::Jpeg);
    EXPECT_TRUE(host.Messages.empty());

    succeed = false;
    host.FileAnswers.push_back(std::string("plan.png"));
    EXPECT_FALSE(SaveAsBitmap(ws, writer));
    EXPECT_EQ(format, ImageFormat::Png);
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text, "画像を保存できませんでした。");
    EXPECT_EQ(host.Messages[0].Title, "エラー");
    EXPECT_EQ(host.Messages[0].Details, "ディスクの空き容量が不足しています。 (plan.png)");
}

} // namespace
} // namespace ferrovane::output
