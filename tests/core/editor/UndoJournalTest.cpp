#include <gtest/gtest.h>

#include "core/commands/workspace/UndoJournal.h"

namespace ferrovane::editor {
namespace {

TEST(UndoJournal, StartsEmptyAndDisabled) {
    UndoJournal j;
    EXPECT_EQ(j.UndoCount(), 0);
    EXPECT_EQ(j.MenuItem(), (UndoMenuItem{false, "元に戻せません"}));
    EXPECT_EQ(j.ReadLastUndo(), UndoRecord{});
}

TEST(UndoJournal, RecordsAreStoredAsTextAndReadBack) {
    struct Case {
        const char* code;
        int number;
        const char* data;
        bool group;
        const char* text;
        UndoRecord parsed;
        const char* caption;
    };
    const Case cases[] = {
        {"SET", 12, "", true, "1,SET,12,", {UndoSET, 12, "12", "", true}, "元に戻す - レール設置"},
        {"del", 7, "", false, "0,DEL,7,", {UndoDEL, 7, "7", "", false}, "元に戻す - 削除"},
        {"REN",
         3,
         "a,b,,c",
         true,
         "1,REN,3,a,b,,c",
         {UndoREN, 3, "3", "a,b,,c", true},
         "元に戻す - レール名変更"},
        {"RCL",
         30000,
         "16711680",
         false,
         "0,RCL,30000,16711680",
         {UndoRCL, 30000, "30000", "16711680", false},
         "元に戻す - レール色変更"},
        {"UPR",
         5,
         "255       名前,1",
         true,
         "1,UPR,5,255       名前,1",
         {UndoUPR, 5, "5", "255       名前,1", true},
         "元に戻す - 高架化"},
        {"MOV",
         -10,
         "7.5",
         true,
         "1,MOV,-10,7.5",
         {UndoMOV, -10, "-10", "7.5", true},
         "元に戻す - 全体移動"},
        {"LYS",
         1,
         "",
         true,
         "1,LYS,1,",
         {UndoLYS, 1, "1", "", true},
         "元に戻す - レイアウトサイズ変更"},
        {"sel", 1, "", true, "1,SEL,1,", {UndoSEL, 1, "1", "", true}, "元に戻す - レール選択"},
    };
    for (const Case& c : cases) {
        UndoJournal j;
        j.AddUndo(c.code, c.number, c.data, c.group);
        ASSERT_EQ(j.UndoCount(), 1);
        EXPECT_EQ(j.UndoList()[0], c.text);
        EXPECT_EQ(j.ReadLastUndo(), c.parsed) << c.text;
        EXPECT_EQ(j.MenuItem(), (UndoMenuItem{true, c.caption}));
    }
}

TEST(UndoJournal, UnknownCodeKeepsCaptionAndParsesAsZero) {
    UndoJournal j;
    j.AddUndo("SET", 1, "", true);
    j.AddUndo("XYZ", 2, "d", true);
    EXPECT_EQ(j.MenuItem(), (UndoMenuItem{true, "元に戻す - レール設置"}));
    EXPECT_EQ(j.ReadLastUndo().Code, UndoUnknown);
    EXPECT_EQ(j.ReadLastUndo().Number, 2);
}

TEST(UndoJournal, PopShowsTheCodeNowLastAndDisablesWhenEmpty) {
    UndoJournal j;
    j.AddUndo("DEL", 1, "", true);
    j.AddUndo("RCL", 1, "0", true);
    j.PopUndo();
    EXPECT_EQ(j.UndoCount(), 1);
    EXPECT_EQ(j.MenuItem(), (UndoMenuItem{true, "元に戻す - 削除"}));
    j.PopUndo();
    EXPECT_EQ(j.MenuItem(), (UndoMenuItem{false, "元に戻せません"}));
    j.PopUndo(); // nothing left: no effect
    EXPECT_EQ(j.UndoCount(), 0);
}

TEST(UndoJournal, GroupFlagsOnlyTheFirstRecord) {
    UndoJournal j;
    {
        UndoGroup g(j);
        EXPECT_FALSE(g.Started());
        for (int n = 1; n <= 3; ++n)
            g.Add("SET", n);
    }
    UndoGroup next(j);
    next.Add("DEL", 9);
    const std::vector<std::string> expected = {"1,SET,1,", "0,SET,2,", "0,SET,3,", "1,DEL,9,"};
    EXPECT_EQ(j.UndoList(), expected);
}

TEST(UndoJournal, MoveKeepsTheExactXOffset) {
    for (const float dx : {10.4f, -0.1f, 1234.5678f, 3.0e-7f, 0.0f}) {
        UndoJournal j;
        j.AddMoveUndo(dx, "7.5");
        const UndoRecord r = j.ReadLastUndo();
        EXPECT_EQ(r.Code, UndoMOV);
        EXPECT_TRUE(r.GroupStart);
        EXPECT_EQ(std::stof(r.NumberText), dx) << r.NumberText;
        EXPECT_EQ(r.Data, "7.5");
    }
    UndoJournal j;
    j.AddMoveUndo(10.4f, "7.5");
    EXPECT_EQ(j.UndoList()[0], "1,MOV,10.4,7.5");
    EXPECT_EQ(j.ReadLastUndo().Number, 10);
}

TEST(UndoJournal, ClearEmptiesAndDisables) {
    UndoJournal j;
    j.AddUndo("SET", 1, "", true);
    j.Clear();
    EXPECT_EQ(j.UndoCount(), 0);
    EXPECT_FALSE(j.MenuItem().Enabled);
}

} // namespace
} // namespace ferrovane::editor
