#pragma once

#include <optional>
#include <string>

#include "core/values/model/RailIndex.h"
#include "core/values/text/Messages.h"

namespace ferrovane::render {

// Zoom menu items 0..3 are fixed zooms; item 4 fits the layout into the board.
inline constexpr int ZoomItemFit = 4;
inline constexpr int ZoomItemCount = 5;

// Z of the fixed items 0 (100 %), 1 (75 %), 2 (50 %), 3 (25 %); nullopt otherwise.
std::optional<float> ZoomForMenuItem(int item);

// The fixed menu item (0..3) whose zoom is nearest to Z, compared as the percentages the
// user sees: what the next start restores after a fitted or typed zoom.
int NearestZoomItem(float zoom);

// The zoom shown to the user, 100 / (Z + 1), to the nearest whole percent.
int ZoomPercent(float zoom);

// The smallest whole Z >= 1 at which the extents fit into a picture of the given
// pixel size; 50 (the largest step tried) when they do not fit even there.
float FitZoom(const model::Extents& extents, int pixelWidth, int pixelHeight);

// The zoom dialog's track bar.
inline constexpr int ZoomTrackMin = 10;
inline constexpr int ZoomTrackMax = 100;
inline constexpr int ZoomTrackTick = 10;
inline constexpr int ZoomTrackSmallChange = 10;
inline constexpr int ZoomTrackLargeChange = 20;

inline const char* ZoomRangeText() {
    return text::Msg(text::MessageId::ZoomRangeText);
}

struct ZoomDialogResult {
    int CheckedItem = -1; // the menu item 0..3 that gets the check mark, -1 for none
    float Zoom = 0;
};

// The dialog's OK: the percentage text as a whole number within the track bar's range
// gives Z = 100/p - 1; nullopt for any other text (the zoom stays, and the dialog says
// ZoomRangeText()).
std::optional<ZoomDialogResult> ApplyZoomDialog(const std::string& text);

} // namespace ferrovane::render
