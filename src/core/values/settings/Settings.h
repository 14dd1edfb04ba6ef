#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/values/settings/WindowPlace.h"

namespace ferrovane::app {

// Every user setting with its default. The GUI loads and saves them through the
// settings store; the command line always uses these defaults.
struct Settings {
    std::int16_t RailWidth = 5;
    std::int16_t RailCenter = 5;
    std::int32_t RailColor = 128;
    std::int32_t NextRailColor = 255;
    std::int32_t HighlightRailColor = 0xFF0000;
    std::int32_t GridColor = 0xC0C0C0;
    std::int16_t GridWidth = 100;
    std::int16_t GridHeight = 100;
    std::int16_t ScrollWidth = 100;
    std::int16_t ScrollHeight = 100;
    std::int16_t ZoomPosition = 1;
    std::array<bool, 16> AboutShowItm{true, true, true, true, true, true,
                                      true, true, true, true, true};
    std::string RTypeFileName;
    float StartX = 0;
    float StartY = 0;
    bool LargeToolBox = true;
    std::int16_t FlexibleDivides = 100;
    std::int16_t DetectRange = 8;
    std::string WindowFontName = "MS UI Gothic";
    bool IsHorizontalScrollBar = true;
    bool IsAccurateAngleWindow = false;
    float RailListFontSize = 8;
    bool DoAutoScroll = false;
    // The board's lines, arcs and text drawn anti-aliased (View menu).
    bool SmoothDisplay = true;
    // The language of the windows: "auto" (the desktop's), "ja" or "en".
    std::string Language = "auto";
    // Minutes between automatic saves of a modified layout; 0: never.
    std::int16_t AutoSaveMinutes = 2;
    // Where the main window and the tool box were at the last shutdown.
    WindowPlace MainWindowPlace;
    WindowPlace ToolBoxPlace;

    bool operator==(const Settings&) const = default;
};

} // namespace ferrovane::app
