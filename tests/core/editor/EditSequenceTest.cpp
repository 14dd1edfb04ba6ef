#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "core/commands/edit/Clipboard.h"
#include "core/commands/edit/DeleteRail.h"
#include "core/commands/edit/PerformUndo.h"
#include "core/commands/edit/Recolour.h"
#include "core/commands/edit/Selection.h"
#include "core/compute/geometry/RailBoxWork.h"
#include "core/editor/EditFixture.h"

namespace ferrovane::editor {
namespace {

using testing::CatalogueWorkspace;

std::vector<int> LiveRails(const model::Layout& layout) {
    std::vector<int> rails;
    for (int n = 1; n <= layout.RailCount; ++n)
        if (layout.Rails[n].Valid && layout.Rails[n].Kind != model::KindText) rails.push_back(n);
    return rails;
}

std::vector<std::pair<int, int>> FreeEnds(const model::Layout& layout) {
    std::vector<std::pair<int, int>> ends;
    for (int n : LiveRails(layout)) {
        const model::Rail& r = layout.Rails[n];
        const int count = r.Kind == model::KindPoint ? 3 : 2;
        for (int e = 0; e < count; ++e)
            if (r.Free(e)) ends.emplace_back(n, e);
    }
    return ends;
}

template <typename T> const T& Pick(std::mt19937& rng, const std::vector<T>& v) {
    return v[std::uniform_int_distribution<std::size_t>(0, v.size() - 1)(rng)];
}

// Placements, deletions, cuts, pastes, recolours and undos in random order: the links
// stay consistent and the index stays what a rebuild gives, after every step.
TEST(EditSequence, LinksAndIndexStayConsistent) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        CatalogueWorkspace t;
        std::mt19937 rng(seed);
        t.PlaceFree(0, 0, 5000, 5000, 90);
        for (int step = 0; step < 300; ++step) {
            const auto ends = FreeEnds(t.Layout());
            const auto live = LiveRails(t.Layout());
            const int op = std::uniform_int_distribution<int>(0, 9)(rng);
            if (live.empty() || ends.empty()) {
                t.PlaceFree(0, 0, 5000, 5000, 90);
            } else if (op <= 3) {
                const auto [rail, end] = Pick(rng, ends);
                t.PlaceAt(static_cast<int>(rng() % 3), static_cast<int>(rng() % 2), rail, end,
                          static_cast<int>(rng() % 6));
            } else if (op == 4) {
                DeleteRailNo(t.Ws, Pick(rng, live));
            } else if (op == 5 || op == 6) {
                ClearSelection(t.Ws.Editor);
                const int count = 1 + static_cast<int>(rng() % 4);
                for (int k = 0; k < count; ++k)
                    ToggleSelection(t.Ws, Pick(rng, live));
                if (op == 5)
                    CutSelection(t.Ws);
                else
                    CopySelection(t.Ws);
            } else if (op == 7) {
                const int clip = FindClipRail(t.Ws.Catalogue);
                if (clip < 0) continue;
                t.Ws.Editor.SelBox = static_cast<std::int16_t>(clip);
                std::int16_t turn = static_cast<std::int16_t>(rng() % 4);
                if (!geometry::NormalizeBoxTurn(t.Ws.Catalogue, clip, turn)) continue;
                const auto [rail, end] = Pick(rng, ends);
                ASSERT_TRUE(geometry::SnapToEnd(t.Ws, rail, end));
                geometry::PlaceRailBox(t.Ws, t.Ws.Editor.SnapAngle, turn, true);
            } else if (op == 8) {
                RecolourRail(t.Ws, Pick(rng, live), static_cast<std::int32_t>(rng() % 1000));
            } else {
                PerformUndo(t.Ws);
            }
            ASSERT_TRUE(testing::LinksConsistent(t.Layout(), true)) << "step " << step;
            model::Layout rebuilt = t.Layout();
            model::RebuildRailIndex(rebuilt);
            ASSERT_EQ(testing::ContentOf(t.Layout().Index), testing::ContentOf(rebuilt.Index))
                << "step " << step;
        }
        // Undoing everything leaves no live rail but the first.
        while (t.Ws.Undo.UndoCount() > 0)
            PerformUndo(t.Ws);
        EXPECT_TRUE(testing::LinksConsistent(t.Layout(), true));
    }
}

} // namespace
} // namespace ferrovane::editor
