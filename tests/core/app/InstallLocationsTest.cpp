#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/values/platform/InstallLocations.h"
#include "core/values/platform/UserGuide.h"

namespace ferrovane {
namespace {

using platform::ProgramPlaces;
using Dirs = std::vector<std::string>;

TEST(InstallLocationsTest, JoinPathTidiesTheResult) {
    struct Case {
        const char* dir;
        const char* path;
        const char* joined;
    };
    const Case cases[] = {
        {"/usr/bin", "../share/ferrovane", "/usr/share/ferrovane"},
        {"/usr/bin/", "../share/ferrovane/", "/usr/share/ferrovane"},
        {"/opt/fv/bin", "./data//catalogues", "/opt/fv/bin/data/catalogues"},
        {"build/src/gui", "../../share", "build/share"},
        {"/usr/bin", "/etc/ferrovane", "/etc/ferrovane"},
        {"/", "data", "/data"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::JoinPath(c.dir, c.path), c.joined) << c.dir << " + " << c.path;
}

TEST(InstallLocationsTest, CandidatesInTheOrderTheyAreLookedFor) {
    struct Case {
        const char* what;
        ProgramPlaces places;
        Dirs catalogues;
        Dirs guides;
    };
    const Case cases[] = {
        {"installed in /usr",
         {"/usr/bin", "../share/ferrovane", "", ""},
         {"/usr/bin/data/catalogues", "/usr/share/ferrovane/catalogues"},
         {"/usr/bin/doc", "/usr/share/ferrovane"}},
        {"installed under a prefix with its own data folder",
         {"/opt/fv/bin/", "../lib/data/fv", "", ""},
         {"/opt/fv/bin/data/catalogues", "/opt/fv/lib/data/fv/catalogues"},
         {"/opt/fv/bin/doc", "/opt/fv/lib/data/fv"}},
        {"a build tree",
         {"/w/build/src/gui", "../share/ferrovane", "/w/data/catalogues", "/w/build/doc"},
         {"/w/build/src/gui/data/catalogues", "/w/build/src/share/ferrovane/catalogues",
          "/w/data/catalogues"},
         {"/w/build/src/gui/doc", "/w/build/src/share/ferrovane", "/w/build/doc"}},
        {"no program folder known",
         {"", "../share/ferrovane", "/w/data/catalogues", ""},
         {"/w/data/catalogues"},
         {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::CatalogueDirCandidates(c.places), c.catalogues) << c.what;
        EXPECT_EQ(platform::UserGuideDirCandidates(c.places), c.guides) << c.what;
    }
}

class InstalledTree : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::remove_all(mRoot);
        std::filesystem::create_directories(mRoot / "bin");
    }
    void TearDown() override { std::filesystem::remove_all(mRoot); }
    void Make(const std::string& relative) {
        std::filesystem::create_directories(mRoot / relative);
    }
    void Touch(const std::string& relative) {
        Make(std::filesystem::path(relative).parent_path().string());
        std::ofstream(mRoot / relative) << "<html></html>";
    }
    std::string At(const std::string& relative) const {
        return (mRoot / relative).lexically_normal().generic_string();
    }
    ProgramPlaces Places() const { return {At("bin"), "../share/ferrovane", At("src"), ""}; }

    // One folder per test: ctest runs the tests of this fixture side by side.
    std::filesystem::path mRoot = std::filesystem::temp_directory_path() /
                                  (std::string("ferrovane-install-locations-") +
                                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

TEST_F(InstalledTree, CataloguesFoundFromTheInstalledProgram) {
    struct Case {
        std::vector<std::string> made;
        std::string found;
    };
    const std::vector<Case> cases = {
        {{"share/ferrovane/catalogues"}, "share/ferrovane/catalogues"},
        {{"share/ferrovane/catalogues", "src"}, "share/ferrovane/catalogues"},
        {{"bin/data/catalogues", "share/ferrovane/catalogues"}, "bin/data/catalogues"},
        {{"src"}, "src"},
        // Nothing there: the dialogs start where an installation has them.
        {{}, "bin/data/catalogues"},
    };
    for (const Case& c : cases) {
        SetUp();
        for (const std::string& dir : c.made)
            Make(dir);
        EXPECT_EQ(platform::FirstExistingDir(platform::CatalogueDirCandidates(Places())),
                  At(c.found))
            << c.found;
    }
    EXPECT_EQ(platform::FirstExistingDir({}), "");
}

TEST_F(InstalledTree, GuideInTheUsersLanguageFromTheInstalledProgram) {
    using text::Language;
    struct Case {
        std::vector<std::string> files;
        Language language;
        std::optional<std::string> found;
    };
    const std::vector<Case> cases = {
        {{"share/ferrovane/guide/index.html", "share/ferrovane/guide/index.en.html"},
         Language::Japanese,
         "share/ferrovane/guide/index.html"},
        {{"share/ferrovane/guide/index.html", "share/ferrovane/guide/index.en.html"},
         Language::English,
         "share/ferrovane/guide/index.en.html"},
        // No translation installed: the Japanese guide rather than none.
        {{"share/ferrovane/guide/index.html"},
         Language::English,
         "share/ferrovane/guide/index.html"},
        {{}, Language::English, std::nullopt},
        {{}, Language::Japanese, std::nullopt},
    };
    for (const Case& c : cases) {
        SetUp();
        for (const std::string& file : c.files)
            Touch(file);
        const auto found =
            platform::FindUserGuide(platform::UserGuideDirCandidates(Places()), c.language);
        const auto expected = c.found ? std::optional(At(*c.found)) : std::nullopt;
        EXPECT_EQ(found ? std::optional(platform::JoinPath(*found, ".")) : std::nullopt, expected)
            << c.files.size();
    }
}

} // namespace
} // namespace ferrovane
