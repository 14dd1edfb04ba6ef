#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "core/app/board/RailAbout.h"
#include "gui/editor/GuiEditorFixture.h"
#include "gui/editor/ToolBoxButton.h"
#include "gui/editor/frmTool.h"

namespace ferrovane::gui {
namespace {

using editor::ButtonFace;

struct ToolBoxFixture : testing::GuiEditorFixture {
    frmTool tool{ws, nullptr};

    ToolBoxButton* Button(const char* name) {
        auto* b = tool.findChild<ToolBoxButton*>(QLatin1String(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    QListWidget* List() { return tool.findChild<QListWidget*>(QStringLiteral("lstRails")); }
    QString Label(const char* name) { return tool.findChild<QLabel*>(QLatin1String(name))->text(); }
    void ClickRow(int row) {
        QListWidget* list = List();
        const QRect r = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }
    QStringList Rows() {
        QStringList rows;
        for (int i = 0; i < List()->count(); ++i)
            rows << List()->item(i)->text();
        return rows;
    }
};

TEST(frmToolTest, KindButtonsChooseThePieceAndTheBoardMode) {
    ToolBoxFixture f;
    ASSERT_EQ(f.tool.windowTitle(), QStringLiteral("ツールボックス"));
    EXPECT_EQ(f.Rows().first(), QStringLiteral("S248"));
    EXPECT_EQ(f.Rows().last(), QStringLiteral("ユーザーレール"));

    QTest::mouseClick(f.Button("picObject1"), Qt::LeftButton);
    EXPECT_EQ(f.ws.ToolBox.ObjectIndex, model::PieceKind::Curve);
    EXPECT_EQ(f.ws.Editor.PlaceKind, model::PieceKind::Curve);
    EXPECT_EQ(f.List()->currentRow(), 0);
    EXPECT_EQ(f.Label("lblRadian2"), QStringLiteral("216"));
    EXPECT_EQ(f.Label("lblDegree2"), QStringLiteral("45度"));
    EXPECT_EQ(f.Button("picObject1")->Face(), ButtonFace::Sunken);
    EXPECT_EQ(f.Button("picObject0")->Face(), ButtonFace::Flat);

    // The flexible kind lists commands: the board beeps until one is chosen, and
    // the piece chosen before stays.
    QTest::mouseClick(f.Button("picObject3"), Qt::LeftButton);
    EXPECT_EQ(f.ws.Editor.AStatus, model::EditorMode::NotPlaceable);
    EXPECT_EQ(f.ws.Editor.PlaceKind, model::PieceKind::Curve);
    EXPECT_EQ(f.List()->currentRow(), -1);
    std::vector<editor::ToolCommand> chosen;
    QObject::connect(&f.tool, &frmTool::CommandChosen,
                     [&](editor::ToolCommand c) { chosen.push_back(c); });
    ASSERT_EQ(f.Rows(), QStringList{QStringLiteral("フレキシブルレール")});
    f.ClickRow(0);
    EXPECT_EQ(chosen, std::vector{editor::ToolCommand::FlexibleRail});

    QTest::mouseClick(f.Button("picObject0"), Qt::LeftButton);
    EXPECT_EQ(f.ws.Editor.AStatus, model::EditorMode::Place);
    EXPECT_EQ(f.ws.Editor.PlaceKind, model::PieceKind::Straight);
    EXPECT_EQ(f.Label("lblLength2"), QStringLiteral("248"));
}

TEST(frmToolTest, ListClickChoosesAnEntryAndArrowKeysSkipTheUserRail) {
    ToolBoxFixture f;
    f.ClickRow(1);
    EXPECT_EQ(f.ws.Editor.SelStraight, 1);
    EXPECT_EQ(f.Label("lblLength2"), QStringLiteral("186"));
    EXPECT_EQ(f.Label("lblRadian2"), QString());

    const int last = f.List()->count() - 1; // the user-rail entry
    for (int i = 0; i < last + 3; ++i)
        f.tool.StepRailList(1);
    EXPECT_EQ(f.List()->currentRow(), last - 1);
    EXPECT_EQ(f.ws.Editor.SelStraight, last - 1);
    f.tool.StepRailList(-1);
    EXPECT_EQ(f.ws.Editor.SelStraight, last - 2);

    // Points show their hand with the angle.
    QTest::mouseClick(f.Button("picObject2"), Qt::LeftButton);
    f.ClickRow(1);
    EXPECT_EQ(f.Label("lblDegree2"), QStringLiteral("15度 左向き"));
}

TEST(frmToolTest, HoverTextsAndButtonFaces) {
    ToolBoxFixture f;
    ToolBoxButton* ruler = f.Button("picruler");
    testing::MoveOver(ruler);
    EXPECT_EQ(f.host.StatusTexts.back(), "2点間の距離を測ります");
    const std::size_t shown = f.host.StatusTexts.size();
    testing::MoveOver(ruler, {6, 6});
    EXPECT_EQ(f.host.StatusTexts.size(), shown); // same button: nothing redrawn
    EXPECT_EQ(ruler->Face(), ButtonFace::Raised);

    QTest::mouseClick(ruler, Qt::LeftButton);
    EXPECT_EQ(f.ws.Editor.AStatus, model::EditorMode::RulerArmed);
    testing::MoveOver(ruler);
    EXPECT_EQ(ruler->Face(), ButtonFace::Sunken);
    EXPECT_EQ(f.host.StatusTexts.back(), "2点間の距離を測ります");

    testing::MoveOver(f.Button("picObject4"));
    EXPECT_EQ(f.host.StatusTexts.back(), "オブジェクトを作成します");
    EXPECT_EQ(f.Button("picObject4")->Face(), ButtonFace::Raised);
    EXPECT_EQ(f.Button("picObject0")->Face(), ButtonFace::Sunken);

    // The label hover text holds when the pointer comes back to the same button.
    testing::MoveOver(f.List()->viewport());
    EXPECT_EQ(f.host.StatusTexts.back(), "レール/項目を選択します。");
    testing::MoveOver(f.Button("picObject4"));
    EXPECT_EQ(f.host.StatusTexts.back(), "オブジェクトを作成します");
    testing::MoveOver(f.tool.findChild<QLabel*>(QStringLiteral("lblDegree2")));
    EXPECT_EQ(f.host.StatusTexts.back(),
              "角度が表示されます。曲線レールの場合は、ここをクリックすることで変更できます。");

    f.tool.PointerOnBoard();
    EXPECT_EQ(f.Button("picObject4")->Face(), ButtonFace::Flat);
}

TEST(frmToolTest, RailAboutPanelAndTwoSizes) {
    ToolBoxFixture f;
    auto* panel = f.tool.findChild<QLabel*>(QStringLiteral("picRailAbout"));
    EXPECT_TRUE(panel->isHidden());
    QTest::mouseClick(f.Button("picabout"), Qt::LeftButton);
    EXPECT_TRUE(f.ws.ToolBox.IsRailAboutOn);
    EXPECT_FALSE(panel->isHidden());
    EXPECT_EQ(f.Button("picabout")->Face(), ButtonFace::Sunken);

    f.tool.ShowRailAbout(editor::RailAbout{0x0000FF, {"名前      : S248 (3)", "長さ      : 248"}});
    EXPECT_EQ(panel->text(), QStringLiteral("名前      : S248 (3)\n長さ      : 248"));
    EXPECT_EQ(panel->palette().color(QPalette::WindowText), QColor(255, 0, 0));

    const QSize large = f.tool.sizeHint();
    QTest::mouseClick(f.Button("picsize"), Qt::LeftButton);
    EXPECT_FALSE(f.ws.Settings.LargeToolBox);
    const QSize small = f.tool.sizeHint();
    EXPECT_LT(small.width(), large.width());
    EXPECT_LT(small.height(), large.height());
}

TEST(frmToolTest, ElevatedButtonRefreshesTheRailList) {
    ToolBoxFixture f;
    ASSERT_TRUE(f.Rows().contains(QStringLiteral("S248")));
    f.ws.Catalogue.StraightTypes[0].Level = 1; // S248 now only elevated
    QTest::mouseClick(f.Button("picupper"), Qt::LeftButton);
    ASSERT_TRUE(f.ws.Editor.IsUpperMode);
    EXPECT_EQ(f.Rows().first(), QStringLiteral("S248"));
    QTest::mouseClick(f.Button("picupper"), Qt::LeftButton);
    EXPECT_FALSE(f.Rows().contains(QStringLiteral("S248")));
}

} // namespace
} // namespace ferrovane::gui
