#pragma once

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/commands/edit/Clipboard.h"
#include "core/commands/edit/DeleteRail.h"
#include "core/commands/edit/Elevation.h"
#include "core/commands/edit/MoveAll.h"
#include "core/commands/edit/PerformUndo.h"
#include "core/commands/edit/Recolour.h"
#include "core/commands/edit/RenameRail.h"
#include "core/commands/edit/Selection.h"
#include "core/commands/placement/FlexRail.h"
#include "core/commands/placement/TextLabel.h"
#include "core/compute/geometry/RailBoxWork.h"
#include "core/editor/EditFixture.h"

namespace ferrovane::editor {

using testing::CatalogueWorkspace;
using testing::Member;

// Everything of the layout an edit, its undo or its redo may change, field for field
// (the preview slot 0 aside: a refused edit may leave its preview there).
struct LayoutState {
    std::int32_t RailCount = 0;
    std::vector<model::Rail> Rails;
    std::int32_t Width = 0, Height = 0;
    testing::IndexContent Index;
    bool operator==(const LayoutState&) const = default;
};

inline LayoutState StateOf(const model::Layout& layout) {
    return {layout.RailCount,
            {layout.Rails.begin() + 1, layout.Rails.end()},
            layout.LayoutWidth,
            layout.LayoutHeight,
            testing::ContentOf(layout.Index)};
}

// The first rail whose record differs, to make a failure readable.
inline std::string FirstDifference(const LayoutState& a, const LayoutState& b) {
    if (a.RailCount != b.RailCount) return "rail count";
    for (std::size_t n = 0; n < a.Rails.size() && n < b.Rails.size(); ++n)
        if (!(a.Rails[n] == b.Rails[n])) return "rail " + std::to_string(n + 1);
    if (a.Rails.size() != b.Rails.size()) return "rail array size";
    if (a.Index != b.Index) return "index";
    return "board size";
}

// What the journal holds, as far as it can be compared.
inline std::vector<std::pair<UndoCode, bool>> JournalOf(const UndoJournal& journal) {
    std::vector<std::pair<UndoCode, bool>> out;
    for (const UndoRecord& r : journal.Records())
        out.emplace_back(r.Code(), r.GroupStart);
    return out;
}

inline render::TextExtent TenPerCharacter(const render::Font& font, const std::string& text) {
    return {10.0f * static_cast<float>(text.size()), font.Size};
}

// A workspace that makes every kind of undoable edit at random.
struct Session : CatalogueWorkspace {
    std::mt19937 Rng;
    int Boxes[2] = {0, 0};
    int LastOp = -1; // the kind of the latest edit, for failure messages

    explicit Session(unsigned seed) : Rng(seed) {
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
    template <typename T> T PickOf(const std::vector<T>& v) {
        return v[static_cast<std::size_t>(Pick(static_cast<int>(v.size())))];
    }

    std::vector<int> Live() {
        std::vector<int> rails;
        for (int n = 1; n <= Layout().RailCount; ++n)
            if (Rail(n).Valid) rails.push_back(n);
        return rails;
    }

    std::vector<std::pair<int, int>> FreeEnds() {
        std::vector<std::pair<int, int>> ends;
        for (int n : Live()) {
            const model::Rail& r = Rail(n);
            if (r.Kind == model::KindText) continue;
            for (int e = 0; e < (r.Kind == model::KindPoint ? 3 : 2); ++e)
                if (r.Free(e)) ends.emplace_back(n, e);
        }
        return ends;
    }

    void Select(const std::vector<int>& live) {
        ClearSelection(Ws.Editor);
        for (int k = 1 + Pick(4); k > 0; --k)
            ToggleSelection(Ws, PickOf(live));
    }

    void PlaceBox(int box, int rail, int end) {
        auto& e = Ws.Editor;
        ASSERT_TRUE(geometry::SnapToEnd(Ws, rail, end));
        e.SelBox = static_cast<std::int16_t>(box);
        e.BoxTurn = static_cast<std::int16_t>(Pick(6));
        geometry::PreviewRailBox(Ws, e.SnapAngle, e.BoxTurn, true);
        geometry::PlaceRailBox(Ws, e.SnapAngle, e.BoxTurn, true);
    }

    // One edit of any kind the journal records (it may be refused and record nothing).
    void Edit() {
        const auto ends = FreeEnds();
        const auto live = Live();
        const int op = ends.empty() || live.empty() ? 0 : Pick(15);
        LastOp = op;
        switch (op) {
        case 0:
            PlaceFree(Pick(3), Pick(2), Coord(), Coord(), static_cast<float>(Pick(8) * 45),
                      Pick(6));
            break;
        case 1:
        case 2: {
            const auto [rail, end] = PickOf(ends);
            PlaceAt(Pick(3), Pick(2), rail, end, Pick(6));
            break;
        }
        case 3: {
            const auto [rail, end] = PickOf(ends);
            PlaceBox(Boxes[Pick(2)], rail, end);
            break;
        }
        case 4: {
            const auto [r0, e0] = PickOf(ends);
            const auto [r1, e1] = PickOf(ends);
            geometry::RecordFlexSideAtEnd(Ws, geometry::FlexSide::Start, r0, e0);
            if (Pick(2) == 0)
                geometry::RecordFlexSideAtEnd(Ws, geometry::FlexSide::End, r1, e1);
            else
                geometry::RecordFlexSideFree(Ws, geometry::FlexSide::End, Coord(), Coord(),
                                             static_cast<float>(Pick(360)));
            geometry::EnterFlexShaping(Ws);
            geometry::CreateFlexRail(Ws);
            break;
        }
        case 5:
            geometry::AddTextLabel(Ws, Coord(), Coord(), "駅 " + std::to_string(Pick(100)),
                                   {"Sans", 12}, TenPerCharacter);
            break;
        case 6:
            DeleteRailNo(Ws, PickOf(live));
            break;
        case 7:
            Select(live);
            DeleteSelection(Ws);
            break;
        case 8:
            Select(live);
            CutSelection(Ws);
            break;
        case 9: {
            const int clip = FindClipRail(Ws.Catalogue);
            if (clip < 0) break;
            std::int16_t turn = static_cast<std::int16_t>(Pick(4));
            if (!geometry::NormalizeBoxTurn(Ws.Catalogue, clip, turn)) break;
            const auto [rail, end] = PickOf(ends);
            PlaceBox(clip, rail, end);
            break;
        }
        case 10:
            MoveAll(Ws, static_cast<float>(Pick(801) - 400) / 8.0f,
                    static_cast<float>(Pick(801) - 400) / 3.0f);
            break;
        case 11:
            RecolourRail(Ws, PickOf(live), Pick(0x1000000));
            break;
        case 12:
            Select(live);
            RecolourSelection(Ws, Pick(0x1000000));
            break;
        case 13:
            RenameRailTo(Ws, PickOf(live), "R" + std::to_string(Pick(1000)));
            break;
        default:
            ElevateRail(Ws, PickOf(live), "U" + std::to_string(Pick(1000)), Pick(0x1000000));
            break;
        }
    }
};

// The link invariant holds and the index holds what a rebuild would put in it.
inline ::testing::AssertionResult Sound(const model::Layout& layout) {
    if (auto links = testing::LinksConsistent(layout, true); !links) return links;
    model::Layout rebuilt = layout;
    model::RebuildRailIndex(rebuilt);
    if (testing::ContentOf(layout.Index) != testing::ContentOf(rebuilt.Index))
        return ::testing::AssertionFailure() << "the index is not what a rebuild gives";
    return ::testing::AssertionSuccess();
}

} // namespace ferrovane::editor
