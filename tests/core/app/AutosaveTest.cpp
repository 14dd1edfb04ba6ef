#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/app/autosave/AutosaveRecovery.h"
#include "core/app/autosave/Autosaver.h"
#include "core/app/settings/ApplicationRecords.h"
#include "core/app/startup/StartUp.h"
#include "core/commands/document/DocumentCommands.h"
#include "core/commands/document/LayoutFile.h"
#include "core/compute/document/LayoutReader.h"
#include "core/compute/document/LayoutWriter.h"
#include "core/document/DocumentTestSupport.h"

namespace ferrovane::app {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using document::doctest::BundledCatalogue;
using testing::layouts::ReadBytes;
using testing::layouts::WriteBytes;

constexpr long DeadPid = 4100001;
constexpr std::int64_t Wall = 1700000000;

// One editor window of one run: its workspace, its settings and an autosaver on a fake
// clock over a shared autosave folder. Only `ownPid` counts as running.
struct EditorRun : document::doctest::DocumentFixture {
    EditorRun(const std::string& folder, long ownPid, const std::string& token = "a")
        : autosaver({folder,
                     ownPid,
                     token,
                     {[this] { return now; }, [this] { return wall; }},
                     [ownPid](long pid) { return pid == ownPid; }}) {
        LoadCatalogue();
        user.Set(RootSection, "RTypeFileName", BundledCatalogue);
        records.Set(OptionsSection, CurrentVersionKey, CurrentVersionText());
        start.UserStore = &user;
        start.AppStore = &records;
        start.Shell = &shell;
        start.Document = context;
        start.Autosave = &autosaver;
    }
    // Advances the fake clock and lets the timer look.
    bool TickAt(std::chrono::seconds t) {
        now = std::chrono::steady_clock::time_point(t);
        const bool started = autosaver.Tick(ws);
        autosaver.WaitForWrite();
        return started;
    }

    std::chrono::steady_clock::time_point now{};
    std::int64_t wall = Wall;
    MemorySettingsStore user, records;
    MainWindowShell shell;
    StartUpContext start;
    Autosaver autosaver;
};

struct AutosaveTest : ::testing::Test {
    testing::layouts::TempDir dir;
    std::string folder = document::AutosaveFolderIn(dir.File("user"));

    // What a run that crashed left: a modified layout autosaved, then no clean end.
    document::AutosaveFiles Crash(long pid, const std::string& layoutName, int rails,
                                  std::int64_t savedAt) {
        EditorRun run(folder, pid);
        run.wall = savedAt;
        for (int i = 1; i <= rails; ++i)
            run.ws.Layout.AppendRail() =
                testing::layouts::Straight(i, 100.0f * static_cast<float>(i), 500, 100);
        run.ws.Layout.LayoutFileName = layoutName;
        run.ws.Layout.Modified = true;
        run.TickAt(0s);
        EXPECT_TRUE(run.TickAt(120s));
        EXPECT_EQ(run.autosaver.WriteCount(), 1);
        return run.autosaver.Files(); // the run's autosaver goes without Discard
    }
};

TEST_F(AutosaveTest, TimerWritesOnlyWhileModifiedAndOnlyWhatChanged) {
    EditorRun run(folder, 77);
    const auto& files = run.autosaver.Files();
    // Not modified: nothing, however long.
    EXPECT_FALSE(run.TickAt(0s));
    EXPECT_FALSE(run.TickAt(3600s));
    EXPECT_FALSE(fs::exists(files.Layout));

    // The interval runs from the first edit.
    run.AddRails();
    EXPECT_FALSE(run.TickAt(3700s));
    EXPECT_FALSE(run.TickAt(3819s));
    EXPECT_TRUE(run.TickAt(3820s));
    ASSERT_TRUE(fs::exists(files.Layout));
    EXPECT_EQ(ReadBytes(files.Layout), document::WriteLayout(run.ws.Layout));
    const auto record = document::ParseAutosaveRecord(ReadBytes(files.Record));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->LayoutFileName, "");
    EXPECT_EQ(record->CatalogueFileName, BundledCatalogue);
    EXPECT_EQ(record->SavedAt, Wall);

    // Unchanged since: the next interval writes nothing; an edit is written.
    EXPECT_FALSE(run.TickAt(3900s));
    EXPECT_TRUE(run.TickAt(3940s));
    EXPECT_EQ(run.autosaver.WriteCount(), 1);
    run.ws.Layout.Rails[2].X0 += 10;
    EXPECT_TRUE(run.TickAt(4060s));
    EXPECT_EQ(run.autosaver.WriteCount(), 2);
    EXPECT_EQ(ReadBytes(files.Layout), document::WriteLayout(run.ws.Layout));

    // A clean save ends the autosave.
    ASSERT_TRUE(document::SaveFile(run.ws, run.dir.File("saved.fvl")));
    EXPECT_FALSE(run.TickAt(4061s));
    EXPECT_FALSE(fs::exists(files.Layout));
    EXPECT_FALSE(fs::exists(files.Record));
}

TEST_F(AutosaveTest, IntervalComesFromTheSettingOrTheOverride) {
    struct Case {
        int minutes;
        std::optional<std::chrono::seconds> override;
        std::chrono::seconds firstWrite; // 0: never
    };
    const Case cases[] = {
        {2, std::nullopt, 120s},
        {15, std::nullopt, 900s},
        {0, std::nullopt, 0s},
        {0, 3s, 3s},
        {2, 0s, 0s}, // an override of 0 turns it off too
    };
    for (const auto& c : cases) {
        EditorRun run(folder, 77, "t" + std::to_string(c.minutes));
        run.ws.Settings.AutoSaveMinutes = static_cast<std::int16_t>(c.minutes);
        run.autosaver.SetIntervalOverride(c.override);
        run.AddRails();
        run.TickAt(0s);
        const auto limit = c.firstWrite == 0s ? 86400s : c.firstWrite;
        EXPECT_FALSE(run.TickAt(limit - 1s)) << c.minutes;
        EXPECT_EQ(run.TickAt(limit), c.firstWrite != 0s) << c.minutes;
        run.autosaver.Discard();
    }
}

TEST_F(AutosaveTest, NewOpenAndCleanExitRemoveTheAutosave) {
    const std::string other = dir.File("other.fvl");
    {
        EditorRun saver(folder, 78);
        saver.AddRails();
        ASSERT_TRUE(document::SaveFile(saver.ws, other));
    }
    const char* const commands[] = {"new", "open", "exit"};
    for (const char* command : commands) {
        EditorRun run(folder, 77, command);
        run.AddRails();
        run.TickAt(0s);
        ASSERT_TRUE(run.TickAt(120s));
        ASSERT_TRUE(fs::exists(run.autosaver.Files().Layout)) << command;
        run.host.Answers = {platform::Answer::No}; // do not save the edits
        const std::string c = command;
        if (c == "new") {
            EXPECT_EQ(document::StartNewLayout(run.ws, run.context), document::CommandResult::Done);
        } else if (c == "open") {
            run.host.FileAnswers = {other};
            EXPECT_EQ(document::OpenLayoutFile(run.ws, run.context), document::CommandResult::Done);
        } else {
            EXPECT_TRUE(RunShutdown(run.ws, run.start));
        }
        run.TickAt(121s);
        EXPECT_FALSE(fs::exists(run.autosaver.Files().Layout)) << command;
        EXPECT_FALSE(fs::exists(run.autosaver.Files().Record)) << command;
    }
}

TEST_F(AutosaveTest, StartOffersALeftOverAutosaveAndYesRestoresIt) {
    const std::string original = dir.File("yard.fvl");
    const auto left = Crash(DeadPid, original, 3, Wall);
    // The autosave of an editor still open is not offered.
    EditorRun open(folder, 90, "busy");
    open.AddRails();
    open.TickAt(0s);
    ASSERT_TRUE(open.TickAt(120s));

    EditorRun run(folder, 90);
    run.host.Answers = {platform::Answer::Yes};
    ASSERT_EQ(RunStartUp(run.ws, run.start), document::CommandResult::Done);

    ASSERT_EQ(run.host.Messages.size(), 1u);
    const auto& question = run.host.Messages[0];
    EXPECT_EQ(question.Title, "復元");
    EXPECT_EQ(question.Buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(question.Text.rfind(RecoveryQuestionText(), 0), 0u);
    EXPECT_NE(question.Text.find(LocalTimeText(Wall)), std::string::npos);
    EXPECT_NE(question.Text.find(original), std::string::npos);

    EXPECT_EQ(run.ws.Layout.RailCount, 3);
    EXPECT_TRUE(run.ws.Layout.Modified);
    EXPECT_EQ(run.ws.Layout.LayoutFileName, original);
    ASSERT_FALSE(run.host.Titles.empty());
    EXPECT_NE(run.host.Titles.back().find("[" + original + "]"), std::string::npos);
    EXPECT_EQ(run.ws.Catalogue.RTypeFileName, BundledCatalogue);

    // Taken over under this run's name, so a crash now still finds it.
    EXPECT_FALSE(fs::exists(left.Layout));
    EXPECT_TRUE(fs::exists(run.autosaver.Files().Layout));
    EXPECT_TRUE(fs::exists(open.autosaver.Files().Layout));

    // Save writes the original file; the autosave then goes.
    ASSERT_TRUE(document::SaveLayout(run.ws, run.context));
    EXPECT_EQ(document::ParseLayout(ReadBytes(original)).Layout.RailCount, 3);
    run.TickAt(1s);
    EXPECT_FALSE(fs::exists(run.autosaver.Files().Layout));
}

TEST_F(AutosaveTest, SeveralAutosavesAreOfferedNewestFirstAndNoDeletes) {
    const auto older = Crash(DeadPid, "", 1, Wall - 600);
    const auto newer = Crash(DeadPid + 1, "", 2, Wall);
    fs::last_write_time(older.Layout, fs::last_write_time(newer.Layout) - 10min);

    EditorRun run(folder, 90);
    run.host.Answers = {platform::Answer::No, platform::Answer::Yes};
    ASSERT_EQ(RunStartUp(run.ws, run.start), document::CommandResult::Done);
    ASSERT_EQ(run.host.Messages.size(), 2u);
    EXPECT_NE(run.host.Messages[0].Text.find(LocalTimeText(Wall)), std::string::npos);
    EXPECT_NE(run.host.Messages[1].Text.find(LocalTimeText(Wall - 600)), std::string::npos);
    EXPECT_FALSE(fs::exists(newer.Layout)); // No deleted it
    EXPECT_EQ(run.ws.Layout.RailCount, 1);  // Yes restored the older one
    EXPECT_EQ(run.ws.Layout.LayoutFileName, "");

    // With nothing left the next start asks nothing.
    run.autosaver.Discard();
    EditorRun next(folder, 91);
    ASSERT_EQ(RunStartUp(next.ws, next.start), document::CommandResult::Done);
    EXPECT_TRUE(next.host.Messages.empty());
    EXPECT_FALSE(next.ws.Layout.Modified);
}

TEST_F(AutosaveTest, DamagedAutosaveIsReportedAndKeptAside) {
    struct Case {
        const char* what;
        bool layout; // damage the layout, else the record
    };
    for (const Case c : {Case{"layout", true}, Case{"record", false}}) {
        const auto left = Crash(DeadPid, "", 2, Wall);
        const std::string broken = "not a layout\r\n";
        WriteBytes(c.layout ? left.Layout : left.Record, broken);

        EditorRun run(folder, 90, c.what);
        ASSERT_EQ(RunStartUp(run.ws, run.start), document::CommandResult::Done);
        ASSERT_EQ(run.host.Messages.size(), 1u) << c.what;
        EXPECT_EQ(run.host.Messages[0].Title, "復元");
        EXPECT_EQ(run.host.Messages[0].Icon, platform::MessageIcon::Exclamation);
        EXPECT_EQ(run.host.Messages[0].Text.rfind(DamagedAutosaveText(), 0), 0u);
        EXPECT_NE(run.host.Messages[0].Text.find(left.Layout + ".damaged"), std::string::npos);
        EXPECT_FALSE(fs::exists(left.Layout));
        EXPECT_EQ(ReadBytes((c.layout ? left.Layout : left.Record) + ".damaged"), broken);
        EXPECT_EQ(run.ws.Layout.RailCount, 0);

        // Kept, but not offered again.
        EditorRun next(folder, 91, c.what);
        ASSERT_EQ(RunStartUp(next.ws, next.start), document::CommandResult::Done);
        EXPECT_TRUE(next.host.Messages.empty()) << c.what;
        fs::remove_all(folder);
    }
}

TEST(AutosaveRecordTest, ReadsWhatItWritesAndRefusesWhatIsNotARecord) {
    const document::AutosaveRecord record{"/home/u/レイアウト.fvl", "/data/n-33mm.rtr", Wall};
    const auto back = document::ParseAutosaveRecord(document::WriteAutosaveRecord(record));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->LayoutFileName, record.LayoutFileName);
    EXPECT_EQ(back->CatalogueFileName, record.CatalogueFileName);
    EXPECT_EQ(back->SavedAt, Wall);
    for (const char* bad : {"", "VERSION 3.00\nLayout=\nCatalogue=\nSavedAt=1\n",
                            "Ferrovane autosave 1\nLayout=\nCatalogue=\n",
                            "Ferrovane autosave 1\nLayout=\nCatalogue=\nSavedAt=soon\n"})
        EXPECT_FALSE(document::ParseAutosaveRecord(bad)) << bad;
}

} // namespace
} // namespace ferrovane::app
