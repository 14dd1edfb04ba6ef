#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "core/compute/render/DrawnBox.h"
#include "core/compute/render/RailBuckets.h"
#include "core/values/model/Layout.h"
#include "core/values/settings/Settings.h"

namespace ferrovane::render {

// What the board picture is drawn from, frozen: the rails (slot 0, the preview, left
// out), the settings, the board size and the grid flag, with the box each rail draws
// into. Drawing threads read only this, never the workspace that the editor changes.
struct BoardSnapshot {
    std::vector<model::Rail> Rails; // 0 .. the last rail the drivers visit
    app::Settings Settings;
    std::int32_t LayoutWidth = 0;
    std::int32_t LayoutHeight = 0;
    bool IsGrid = true;
    // Per rail: the box its drawing covers (empty for rails not drawn).
    std::vector<DrawnBox> RailBoxes;
    // The same boxes by where they lie, for drawing one piece of the board: sorted on
    // first use, by the first drawing thread that needs them, not by the editor.
    const RailBuckets& Buckets() const;
    // Widest pen any rail of the board is drawn with, in device pixels.
    int MaxPenWidth = 1;
    // Rising with every snapshot made in this program run.
    std::uint64_t Serial = 0;

    int LastRail() const { return static_cast<int>(Rails.size()) - 1; }

private:
    mutable std::once_flag mBucketsMade;
    mutable RailBuckets mBuckets;
};

using BoardSnapshotPtr = std::shared_ptr<const BoardSnapshot>;

// Pen widths of the board's rails in device pixels.
inline constexpr int BoardPenWidth = 1;
inline constexpr int ElevatedPenWidth = 3;
inline constexpr int BoardBorderWidth = 2;

// A snapshot of the layout as it is now. The boxes of rails unchanged since previous
// are taken over instead of measured again.
BoardSnapshotPtr MakeBoardSnapshot(const model::Layout& layout, const app::Settings& settings,
                                   bool isGrid, const BoardSnapshot* previous = nullptr);

// The box one rail's drawing covers, in layout units (empty when it draws nothing).
DrawnBox MeasureRailBox(const std::vector<model::Rail>& rails, const app::Settings& settings,
                        int index);

// Whether two settings draw the board alike (colours, widths, grid spacing, smoothing).
bool SameBoardLook(const app::Settings& a, const app::Settings& b);

// What differs between two pictures of the board: everything, or the boxes of the
// rails that were added, removed or changed (each where it was and where it is).
struct BoardChange {
    bool Everything = false;
    std::vector<DrawnBox> Areas;
    bool None() const { return !Everything && Areas.empty(); }
};
BoardChange CompareSnapshots(const BoardSnapshot& before, const BoardSnapshot& after);

} // namespace ferrovane::render
