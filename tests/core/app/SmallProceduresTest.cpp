#include <gtest/gtest.h>

#include <filesystem>

#include "core/app/settings/ApplicationRecords.h"
#include "core/app/startup/StartLogLocation.h"
#include "core/values/platform/InternalError.h"
#include "core/values/settings/IsNumericInput.h"
#include "support/FakeUiHost.h"

namespace ferrovane::app {
namespace {

TEST(IsNumericInputTest, AcceptsAndRefusesWithTheRightMessage) {
    struct Case {
        const char* text;
        bool anyNumber;
        bool result;
        const char* message; // nullptr: none
    };
    const Case cases[] = {
        {"12", false, true, nullptr},
        {" 0.5 ", false, true, nullptr},
        {"0", true, true, nullptr},
        {"-3", true, true, nullptr},
        {"0", false, false, "0より上の数値を代入して下さい!!"},
        {"-1.5", false, false, "0より上の数値を代入して下さい!!"},
        {"abc", true, false, "数値を代入して下さい!"},
        {"", false, false, "数値を代入して下さい!"},
        {"1.2.3", false, false, "数値を代入して下さい!"},
        {"1e", false, false, "数値を代入して下さい!"},
    };
    for (const auto& c : cases) {
        testing::FakeUiHost host;
        EXPECT_EQ(IsNumericInput(host, c.text, c.anyNumber), c.result) << c.text;
        if (c.message) {
            ASSERT_EQ(host.Messages.size(), 1u) << c.text;
            EXPECT_EQ(host.Messages[0].Text, c.message);
            EXPECT_EQ(host.Messages[0].Title, "Ferrovane");
            EXPECT_EQ(host.Messages[0].Buttons, platform::MessageButtons::Ok);
        } else {
            EXPECT_TRUE(host.Messages.empty()) << c.text;
        }
    }
}

TEST(InternalErrorTest, NamesThePlace) {
    testing::FakeUiHost host;
    ShowInternalError(host, "setButton");
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Title, "Ferrovane内部エラー");
    EXPECT_EQ(host.Messages[0].Icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(host.Messages[0].Text.rfind(
                  "内部エラーが発生しました。場所:setButton\r作者に連絡してください。連絡先 : ", 0),
              0u);
}

TEST(ApplicationRecordsTest, VersionAndFolder) {
    MemorySettingsStore store;
    EXPECT_EQ(ReadLastVersion(store), 0);
    StoreCurrentVersion(store);
    EXPECT_EQ(store.Get("Options", "CurrentVersion"), CurrentVersionText());
    EXPECT_EQ(ReadLastVersion(store), std::stoi(CurrentVersionText()));
    store.Set("Options", "CurrentVersion", "garbage");
    EXPECT_EQ(ReadLastVersion(store), 0);

    RecordAppDir(store, "/opt/ferrovane");
    EXPECT_EQ(store.Get("AppDir", "AppDir"), "/opt/ferrovane/");
    RecordAppDir(store, "/opt/ferrovane/");
    EXPECT_EQ(store.Get("AppDir", "AppDir"), "/opt/ferrovane/");
}

TEST(StartLogLocationTest, ProgramFolderWhenWritableElseUserFolder) {
    EXPECT_EQ(ChooseStartLogPath("/opt/fv", true, "/home/u/.local/share/fv"),
              "/opt/fv/StartLog.txt");
    EXPECT_EQ(ChooseStartLogPath("/opt/fv", false, "/home/u/.local/share/fv"),
              "/home/u/.local/share/fv/StartLog.txt");
    EXPECT_EQ(ChooseStartLogPath("/opt/fv", false, ""), "");

    const auto dir = std::filesystem::temp_directory_path() / "fv_writable_probe_test";
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(IsFolderWritable(dir.string()));
    EXPECT_FALSE(IsFolderWritable((dir / "does-not-exist").string()));
    EXPECT_TRUE(std::filesystem::is_empty(dir)); // the probe is removed again
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace ferrovane::app
