#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/app/about/AboutText.h"
#include "core/values/format/Version.h"
#include "core/values/platform/InternalError.h"
#include "core/values/platform/ProgramContact.h"
#include "core/values/platform/UserGuide.h"

namespace ferrovane {
namespace {

TEST(AboutReportTest, NamesProgramVersionToolkitSystemAndContact) {
    const std::string report = app::AboutReport({"6.4.2", "Debian GNU/Linux 12", "linux 6.1"});
    const std::string version = std::to_string(app::VersionMajor) + "." +
                                std::to_string(app::VersionMinor) + "." +
                                std::to_string(app::VersionRevision);
    EXPECT_EQ(report.rfind("Ferrovane Ver " + version + "\n", 0), 0u);
    const std::vector<std::string> parts{"Qt 6.4.2\n", "Debian GNU/Linux 12\n", "linux 6.1\n",
                                         app::WebPage, app::MailAddress};
    for (const std::string& part : parts)
        EXPECT_NE(report.find(part), std::string::npos) << part;
    // The internal-error message names the same address.
    EXPECT_NE(app::InternalErrorText("x").find(app::MailAddress), std::string::npos);
}

TEST(UserGuideTest, FoundInTheFirstFolderThatHoldsIt) {
    const auto root = std::filesystem::temp_directory_path() / "ferrovane-guide-test";
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root / "b" / "guide");
    std::filesystem::create_directories(root / "c" / "guide");
    std::ofstream(root / "b" / "guide" / "index.html") << "<html></html>";
    std::ofstream(root / "c" / "guide" / "index.html") << "<html></html>";
    const std::string a = (root / "a").string(), b = (root / "b").string() + "/",
                      c = (root / "c").string();
    EXPECT_EQ(platform::FindUserGuide({a, b, c}), b + "guide/index.html");
    EXPECT_EQ(platform::FindUserGuide({a, "", c}), c + "/guide/index.html");
    EXPECT_EQ(platform::FindUserGuide({a}), std::nullopt);
    EXPECT_EQ(platform::HelpTopicAnchor(156), "topic-156");
    std::filesystem::remove_all(root);
}

} // namespace
} // namespace ferrovane
