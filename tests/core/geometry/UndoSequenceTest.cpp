#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "core/commands/edit/PerformUndo.h"
#include "core/commands/placement/FlexRail.h"
#include "core/commands/placement/RailBoxPlacement.h"
#include "core/compute/geometry/Joints.h"
#include "core/compute/geometry/RailBoxWork.h"
#include "core/values/model/RailIndex.h"
#include "support/CatalogueFixtures.h"
#include "support/LayoutSnapshot.h"
#include "support/LinkInvariant.h"
#include "support/Tolerance.h"

namespace ferrovane::geometry {
namespace {

using testing::CatalogueWorkspace;
using testing::Member;

struct Sequence : CatalogueWorkspace {
    std::mt19937 Rng;
    std::vector<testing::LayoutSnapshot> Before; // one per recorded action
    int Boxes[2] = {0, 0};

    explicit Sequence(unsigned seed) : Rng(seed) {
        // A two-piece segmented box with a closed inner joint, and a loose pair.
        CatalogueWorkspace scratch;
        const int a = scratch.PlaceFree(0, 0, 0, 0, 180);
        const model::Rail ra = scratch.Rail(a);
        Boxes[0] = AddBox("SEG", {Member(0, 248, 0, false, true, false, 0, 0, 180),
                                  Member(1, 541, 30, true, false, true, ra.X1, ra.Y1, 180)});
        Boxes[1] = AddBox("PAIR", {Member(0, 124, 0, false, true, true, 0, 0, 90, true),
                                   Member(1, 280, 45, false, true, true, 600, 0, 0, true)});
    }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(Rng); }
    float Coord() { return std::uniform_real_distribution<float>(-3000, 3000)(Rng); }

    std::vector<std::pair<int, int>> FreeEnds() {
        std::vector<std::pair<int, int>> ends;
        for (int n = 1; n <= Layout().RailCount; ++n) {
            const model::Rail& r = Rail(n);
            if (!r.Valid || r.Kind == model::KindText) continue;
            for (int e = 0; e < (r.Kind == model::KindPoint ? 3 : 2); ++e)
                if (r.Free(e)) ends.emplace_back(n, e);
        }
        return ends;
    }

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
            const auto [rail, end] =
                ends[static_cast<std::size_t>(Pick(static_cast<int>(ends.size())))];
            PlaceAt(Pick(3), 0, rail, end, Pick(6));
        } else if (op == 4) {
            const auto [rail, end] =
                ends[static_cast<std::size_t>(Pick(static_cast<int>(ends.size())))];
            SnapTo(rail, end);
            e.SelBox = static_cast<std::int16_t>(Boxes[Pick(2)]);
            e.BoxTurn = static_cast<std::int16_t>(Pick(6));
            PreviewRailBox(Ws, e.SnapAngle, e.BoxTurn, true);
            PlaceRailBox(Ws, e.SnapAngle, e.BoxTurn, true);
        } else if (op == 5) {
            const auto [r0, e0] =
                ends[static_cast<std::size_t>(Pick(static_cast<int>(ends.size())))];
            const auto [r1, e1] =
                ends[static_cast<std::size_t>(Pick(static_cast<int>(ends.size())))];
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
            const int rail =
                ends[static_cast<std::size_t>(Pick(static_cast<int>(ends.size())))].first;
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
