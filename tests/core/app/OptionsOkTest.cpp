#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/options/OptionsOk.h"
#include "core/app/settings/SettingsStore.h"
#include "core/app/startup/StartUp.h"
#include "core/commands/workspace/Workspace.h"
#include "support/FakeUiHost.h"

namespace ferrovane::app {
namespace {

// Every step of OK in one log: the window's steps, the redraw and the settings writes.
struct Recorder : OptionsWindowSteps, render::RedrawTarget, MemorySettingsStore {
    explicit Recorder(Workspace& ws) : mWs(ws) {}
    std::vector<std::string> Log;

    void ReDrawBackScreen() override {
        // The image is drawn with the new settings.
        Log.push_back("redraw grid " + std::to_string(mWs.Settings.GridWidth));
    }
    void CloseToolBox() override { Log.push_back("close tool box"); }
    void SetFormFont() override { Log.push_back("font " + mWs.Settings.WindowFontName); }
    void ResizeToolBox() override {
        Log.push_back(std::string("tool box ") + (mWs.Settings.LargeToolBox ? "large" : "small"));
    }
    void CloseDialog() override { Log.push_back("close"); }
    void Set(const std::string& section, const std::string& key,
             const std::string& value) override {
        if (Log.empty() || Log.back() != "save") Log.push_back("save");
        MemorySettingsStore::Set(section, key, value);
    }

private:
    Workspace& mWs;
};

struct OkFixture {
    testing::FakeUiHost host;
    Workspace ws{host};
    Recorder rec{ws};
    StartUpContext context;
    OptionValues values = OptionValuesOf(ws.Settings);

    OkFixture() {
        ws.Redraw = &rec;
        context.UserStore = &rec;
    }
    std::optional<OptionField> Ok() { return OptionsOk(ws, context, values, rec); }
    std::string Stored(const char* section, const char* key) {
        const auto v = rec.Get(section, key);
        return v ? *v : "<none>";
    }
};

TEST(OptionsOkTest, AppliesThenRedrawsClosesSavesSetsTheFontResizesAndCloses) {
    OkFixture f;
    f.values.GridWidth = "50";
    f.values.LargeToolBox = false;
    f.values.FontOption = 2;
    f.values.ZoomPosition = 3;
    EXPECT_EQ(f.Ok(), std::nullopt);
    const std::vector<std::string> expected{"redraw grid 50", "close tool box", "save",
                                            "font メイリオ",  "tool box small", "close"};
    EXPECT_EQ(f.rec.Log, expected);
    EXPECT_TRUE(f.host.Messages.empty());
    EXPECT_EQ(f.Stored("Startup", "GridWidth"), "50");
    EXPECT_EQ(f.Stored("", "LargeToolBox"), "False");
    EXPECT_EQ(f.Stored("Startup", "WindowFontName"), "メイリオ");
    // The start-up zoom chosen here is what the next start reads.
    EXPECT_EQ(f.Stored("Startup", "ZoomPosition"), "3");
    EXPECT_TRUE(f.ws.Changed.Has(Change::Settings));
}

TEST(OptionsOkTest, AFieldNeverLeftIsCheckedByOk) {
    // Enter pressed in the field: it was never left, yet OK must not take "abc".
    OkFixture f;
    f.values.RailWidth = "abc";
    f.values.ScrollWidth = "0";
    EXPECT_EQ(f.Ok(), std::nullopt);
    ASSERT_EQ(f.host.Messages.size(), 2u);
    EXPECT_EQ(f.host.Messages[0].Text, EnterNumberText());
    EXPECT_EQ(f.host.Messages[1].Text, AboveZeroText());
    EXPECT_EQ(f.values.RailWidth, "5");
    EXPECT_EQ(f.ws.Settings.RailWidth, 5);
    EXPECT_EQ(f.ws.Settings.ScrollWidth, 100);
    EXPECT_EQ(f.rec.Log.back(), "close");
}

TEST(OptionsOkTest, AFieldThatKeepsTheFocusStopsOkBeforeAnythingChanges) {
    OkFixture f;
    f.values.GridWidth = "50";
    f.values.DetectRange = "near";
    EXPECT_EQ(f.Ok(), OptionField::DetectRange);
    EXPECT_TRUE(f.rec.Log.empty());
    EXPECT_TRUE(f.rec.Writes.empty());
    EXPECT_EQ(f.ws.Settings.GridWidth, 100);
    ASSERT_EQ(f.host.Messages.size(), 1u);
    EXPECT_EQ(f.host.Messages[0].Text, "数値を代入して下さい!");
}

TEST(OptionsOkTest, SavesTheCatalogueInUse) {
    OkFixture f;
    f.ws.Settings.RTypeFileName = "/old.rtr";
    f.ws.Catalogue.RTypeFileName = "/now.rtr";
    f.Ok();
    EXPECT_EQ(f.Stored("", "RTypeFileName"), "/now.rtr");
}

} // namespace
} // namespace ferrovane::app
