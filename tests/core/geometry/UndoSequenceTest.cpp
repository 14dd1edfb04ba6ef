#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "core/commands/edit/PerformUndo.h"
#include "core/commands/placement/FlexRail.h"
#include "core/commands/placement/RailBoxPlacement.h"
#include "core/compute/geometry/Joints.h"
#include "core/compute/geometry/RailBoxWork.h"
#include "core/editor/RandomEdits.h"
#include "core/values/model/RailIndex.h"
#include "support/CatalogueFixtures.h"
#include "support/LayoutSnapshot.h"
#include "support/LinkInvariant.h"
#include "support/Tolerance.h"

namespace ferrovane::geometry {
namespace {

// The session's edits restricted to placements of every kind and deletes, each undo
// checked against the layout its action found.
struct Sequence : editor::Session {
    std::vector<testing::LayoutSnapshot> Before; // one per recorded action

    explicit Sequence(unsigned seed) : Session(seed) {}

    void Step() {
        const auto snapshot = testing::Snapshot(Layout());
        const int records = Ws.Undo.UndoCount();
        const auto ends = FreeEnds();
        int op = Pick(ends.empty() ? 2 : 7);
        if (op == 1 && Before.empty()) op = 0;
        auto& e = Ws.Editor;
        if (op == 0) {
            PlaceFree(Pick(3), 0, Coord(), Coord(), static_cast<float>(Pick(8) * 45), Pick(6));
        } else if (op == 1) {
            editor::UndoCommand(Ws);
            testing::ExpectRestored(Before.back(), Layout());
            Before.pop_back();
            return;
        } else if (op == 2 || op == 3) {
            const auto [rail, end] = PickOf(ends);
            PlaceAt(Pick(3), 0, rail, end, Pick(6));
        } else if (op == 4) {
            const auto [rail, end] = PickOf(ends);
            SnapTo(rail, end);
            e.SelBox = static_cast<std::int16_t>(Boxes[Pick(2)]);
            e.BoxTurn = static_cast<std::int16_t>(Pick(6));
            PreviewRailBox(Ws, e.SnapAngle, e.BoxTurn, true);
            PlaceRailBox(Ws, e.SnapAngle, e.BoxTurn, true);
        } else if (op == 5) {
            const auto [r0, e0] = PickOf(ends);
            const auto [r1, e1] = PickOf(ends);
            RecordFlexSideAtEnd(Ws, FlexSide::Start, r0, e0);
            if (Pick(2) == 0)
                RecordFlexSideAtEnd(Ws, FlexSide::End, r1, e1);
            else
                RecordFlexSideFree(Ws, FlexSide::End, Coord(), Coord(),
                                   static_cast<float>(Pick(360)));
            EnterFlexShaping(Ws);
            CreateFlexRail(Ws);
        } else {
            // The delete command: the rail removed, a record, a fresh index.
            const int rail = PickOf(ends).first;
            RemoveRail(Layout(), rail);
            Ws.Undo.Record(editor::RailDeleted{rail});
            bool anyLive = false;
            for (int n = 1; n <= Layout().RailCount; ++n)
                anyLive = anyLive || Rail(n).Valid;
            if (anyLive)
                model::RebuildRailIndex(Layout());
            else
                Layout().Index = model::RailIndex{};
        }
        if (Ws.Undo.UndoCount() > records)
            Before.push_back(snapshot);
        else
            testing::ExpectRestored(snapshot, Layout()); // a refused edit changes nothing
    }
};

TEST(UndoSequence, LinksStayConsistentAndUndoRestoresEveryAction) {
    for (const unsigned seed : {1u, 7u, 2024u}) {
        Sequence s(seed);
        for (int step = 0; step < 400; ++step) {
            s.Step();
            ASSERT_TRUE(testing::LinksConsistent(s.Layout(), true))
                << "seed " << seed << " step " << step;
            if (::testing::Test::HasFailure()) FAIL() << "seed " << seed << " step " << step;
        }
        // Everything can be taken back, down to the empty layout.
        while (!s.Before.empty()) {
            editor::UndoCommand(s.Ws);
            testing::ExpectRestored(s.Before.back(), s.Layout());
            s.Before.pop_back();
            ASSERT_TRUE(testing::LinksConsistent(s.Layout(), true));
        }
        EXPECT_EQ(s.Ws.Undo.UndoCount(), 0);
        EXPECT_FALSE(s.Ws.Undo.MenuItem().Enabled);
    }
}

} // namespace
} // namespace ferrovane::geometry
