#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "gui/editor/GuiEditorFixture.h"
#include "gui/editor/frmAngle2.h"

namespace ferrovane::gui {
namespace {

struct AngleWindowFixture : testing::GuiEditorFixture {
    AngleWindowFixture() {
        ws.Editor.MouseX = 500;
        ws.Editor.MouseY = 600;
    }
    QLineEdit* Edit(frmAngle2& w) { return w.findChild<QLineEdit*>(QStringLiteral("angleEdit")); }
    // The middle of one cell of the pattern's three-by-three split.
    static QPoint Cell(const frmAngle2& w, int col, int row) {
        const QRect r = w.PatternRect();
        return {r.left() + r.width() * (2 * col + 1) / 6, r.top() + r.height() * (2 * row + 1) / 6};
    }
};

TEST(frmAngle2Test, TypedNinetyAndAClickPlaceAStraightAtTheBoardClick) {
    AngleWindowFixture f;
    frmAngle2 w(f.ws, nullptr);
    EXPECT_EQ(f.ws.Editor.AStatus, model::EditorMode::TypedAngle);
    EXPECT_EQ(f.host.StatusTexts.back(),
              "角度を記入してクリックしてください。スペースで設置場所変更。");
    QTest::keyClicks(f.Edit(w), QStringLiteral("90"));
    EXPECT_EQ(f.host.StatusTexts.back(),
              "角度を記入してクリックしてください。スペースで設置場所変更。 (90度)");
    QTest::mouseClick(&w, Qt::LeftButton, {}, w.PointerAnchor());
    EXPECT_EQ(w.result(), QDialog::Accepted);
    ASSERT_EQ(f.ws.Layout.RailCount, 1);
    const auto& r = f.ws.Layout.Rails[1];
    EXPECT_FLOAT_EQ(r.X0, 500);
    EXPECT_FLOAT_EQ(r.Y0, 600);
    EXPECT_FLOAT_EQ(r.Angle0, 270);
    EXPECT_FLOAT_EQ(r.Angle1, 90);
    EXPECT_EQ(f.ws.Editor.AStatus, model::EditorMode::Place);
}

TEST(frmAngle2Test, PatternPicksAndTurnsAndTheMiddleCancels) {
    AngleWindowFixture f;
    f.ws.Editor.PlaceKind = model::PieceKind::Point;
    frmAngle2 w(f.ws, nullptr);
    testing::MoveOver(&w, AngleWindowFixture::Cell(w, 2, 1)); // right of the middle
    EXPECT_EQ(w.State().PickedAngle, 270);
    EXPECT_EQ(f.host.StatusTexts.back(),
              "270度で選択されたレールを作成します。右クリックで方向転換");
    // Space in the angle field turns the point like a right click; the digits stay.
    QTest::keyClicks(f.Edit(w), QStringLiteral("45 "));
    EXPECT_EQ(f.Edit(w)->text(), QStringLiteral("45"));
    EXPECT_EQ(w.State().PickedDir, 2);
    QTest::mouseClick(&w, Qt::RightButton, {}, AngleWindowFixture::Cell(w, 2, 1));
    EXPECT_EQ(w.State().PickedDir, 5);

    testing::MoveOver(&w, AngleWindowFixture::Cell(w, 1, 1));
    EXPECT_EQ(f.host.StatusTexts.back(), "キャンセル");
    QTest::mouseClick(&w, Qt::LeftButton, {}, AngleWindowFixture::Cell(w, 1, 1));
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_EQ(f.ws.Layout.RailCount, 0);
    EXPECT_EQ(f.ws.Editor.AStatus, model::EditorMode::Place);
}

TEST(frmAngle2Test, ModalWindowClosesWithEscapeAndGivesAFlexEndItsAngle) {
    AngleWindowFixture f;
    QTimer::singleShot(0,
                       [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    EXPECT_EQ(frmAngle2::ShowModalAt(f.ws, nullptr, {300, 300}), std::nullopt);
    EXPECT_EQ(f.ws.Layout.RailCount, 0);
    EXPECT_EQ(f.ws.Editor.AStatus, model::EditorMode::Place);

    f.ws.Editor.AStatus =
        model::EditorMode::FlexChoosingStart; // choosing the start of a flexible rail
    QTimer::singleShot(0, [] {
        auto* w = qobject_cast<frmAngle2*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        QTest::mouseClick(w, Qt::LeftButton, {}, AngleWindowFixture::Cell(*w, 0, 0));
    });
    EXPECT_EQ(frmAngle2::ShowModalAt(f.ws, nullptr, {300, 300}), std::optional<float>(45));
    EXPECT_EQ(f.ws.Layout.RailCount, 0);
    EXPECT_EQ(f.ws.Editor.AStatus, model::EditorMode::FlexChoosingStart);
}

} // namespace
} // namespace ferrovane::gui
