#include <gtest/gtest.h>

#include "core/commands/workspace/UndoJournal.h"

namespace ferrovane::editor {
namespace {

TEST(UndoJournal, MenuCaptionNamesTheLastRecordsCode) {
    struct Case {
        UndoPayload payload;
        const char* caption;
    };
    const Case cases[] = {
        {RailPlaced{12}, "元に戻す - レール設置"},
        {RailDeleted{7}, "元に戻す - 削除"},
        {RailRenamed{3, "a,b,,c", "x"}, "元に戻す - レール名変更"},
        {RailRecoloured{3, 255, 0}, "元に戻す - レール色変更"},
        {RailElevated{5, 255, "S248", 0, "S248-U"}, "元に戻す - 高架化"},
        {LayoutMoved{10.4f, 7.5f, {}}, "元に戻す - 全体移動"},
        {LayoutResized{2000, 2000, 3000, 1000}, "元に戻す - レイアウトサイズ変更"},
        {SelectionChanged{{0}, {1, 4}}, "元に戻す - レール選択"},
    };
    for (const Case& c : cases) {
        UndoJournal j;
        j.Record(c.payload);
        ASSERT_EQ(j.UndoCount(), 1);
        EXPECT_TRUE(j.Records()[0].GroupStart);
        EXPECT_EQ(j.MenuItem(), (UndoMenuItem{true, c.caption}));
    }
}

TEST(UndoJournal, PopShowsTheCodeNowLastAndDisablesWhenEmpty) {
    UndoJournal j;
    j.Record(RailDeleted{1});
    j.Record(RailRecoloured{1, 0, 5});
    const auto last = j.PopUndo();
    ASSERT_TRUE(last);
    EXPECT_EQ(last->Code(), UndoCode::RCL);
    EXPECT_EQ(j.UndoCount(), 1);
    EXPECT_EQ(j.MenuItem(), (UndoMenuItem{true, "元に戻す - 削除"}));
    j.PopUndo();
    EXPECT_EQ(j.MenuItem(), (UndoMenuItem{false, "元に戻せません"}));
    EXPECT_FALSE(j.PopUndo()); // nothing left: no effect
    EXPECT_EQ(j.UndoCount(), 0);
}

TEST(UndoJournal, GroupFlagsOnlyItsFirstRecord) {
    UndoJournal j;
    {
        UndoGroup g(j);
        EXPECT_FALSE(g.Started());
        for (int n = 1; n <= 3; ++n)
            g.Add(RailPlaced{n});
        EXPECT_TRUE(g.Started());
    }
    { UndoGroup nothing(j); } // an action that recorded nothing leaves no trace
    UndoGroup next(j);
    next.Add(RailDeleted{9});
    std::vector<bool> starts;
    for (const UndoRecord& r : j.Records())
        starts.push_back(r.GroupStart);
    EXPECT_EQ(starts, (std::vector<bool>{true, false, false, true}));
}

// Actions taken back wait beside the journal: putting one back keeps the others, a new
// record or a cleared journal drops them all.
TEST(UndoJournal, ActionsTakenBackWaitUntilANewRecord) {
    UndoJournal j;
    j.Record(RailPlaced{1});
    RedoStep first;
    first.Records.push_back(UndoRecord{RailRecoloured{1, 0, 5}, true});
    j.PushRedo(std::move(first));
    j.PushRedo(RedoStep{{UndoRecord{RailDeleted{1}, true}, UndoRecord{RailDeleted{2}, false}}, {}});
    EXPECT_EQ(j.RedoCount(), 2);
    EXPECT_EQ(j.MenuItem(), (UndoMenuItem{true, "元に戻す - レール設置"}));

    auto last = j.PopRedo();
    ASSERT_TRUE(last);
    j.PutBack(std::move(last->Records));
    EXPECT_EQ(j.RedoCount(), 1);
    EXPECT_EQ(j.UndoCount(), 3);
    EXPECT_FALSE(j.Records()[2].GroupStart);
    EXPECT_EQ(j.MenuItem(), (UndoMenuItem{true, "元に戻す - 削除"}));

    j.Record(RailRenamed{1, "a", "b"});
    EXPECT_EQ(j.RedoCount(), 0);
    EXPECT_FALSE(j.PopRedo());

    j.PushRedo(RedoStep{});
    j.Clear();
    EXPECT_EQ(j.RedoCount(), 0);
    EXPECT_EQ(j.UndoCount(), 0);
    EXPECT_EQ(j.MenuItem(), (UndoMenuItem{false, "元に戻せません"}));
}

} // namespace
} // namespace ferrovane::editor
