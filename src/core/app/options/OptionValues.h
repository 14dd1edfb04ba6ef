#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/values/settings/Settings.h"
#include "core/values/text/Messages.h"

namespace ferrovane::app {

// What the options window's controls hold: numeric fields as the text typed, the rest
// as the control's state. The window shows them; the core checks and applies them.
struct OptionValues {
    std::int32_t RailColor = 0, NextRailColor = 0, HighlightRailColor = 0, GridColor = 0;
    std::string RailWidth, RailCenter;
    std::string GridWidth, GridHeight;
    std::string ScrollWidth, ScrollHeight;
    int ZoomPosition = 0; // index in the list of zoom steps
    bool LargeToolBox = true;
    std::array<bool, 11> AboutShowItm{};
    std::string FlexibleDividesText;
    int FlexibleDivides = 0; // the scroll bar's value
    bool DoAutoScroll = false;
    bool IsHorizontalScrollBar = true;
    bool IsAccurateAngleWindow = false;
    int FontOption = -1; // WindowFontChoices index; -1: none (the name is kept)
    std::string DetectRange;
    std::string RailListFontSize;
    int Language = 0; // LanguageChoices index
    std::string AutoSaveMinutes;

    bool operator==(const OptionValues&) const = default;
};

// The flexible-rail scroll bar's range.
inline constexpr int FlexibleDividesMin = 1;
inline constexpr int FlexibleDividesMax = 1000;

// The start-up zoom steps offered: the fixed items of the zoom menu.
inline constexpr std::array<const char*, 4> ZoomPositionTexts{"100 %", "75 %", "50 %", "25 %"};

struct LanguageChoice {
    const char* Setting; // the stored text
    const char* OwnName; // a language is offered by its own name; none for "auto"
    const char* Caption() const {
        return OwnName ? OwnName : text::Msg(text::MessageId::LanguageAuto);
    }
};
inline constexpr std::array<LanguageChoice, 3> LanguageChoices{
    {{"auto", nullptr}, {"ja", "日本語"}, {"en", "English"}}};

// Opening the window: every control shows its setting's current value.
OptionValues OptionValuesOf(const Settings& settings);

// OK's copy into the settings, in the window's order. Fields are taken as they stand:
// the checks have run by then.
void ApplyOptionValues(const OptionValues& values, Settings& settings);

} // namespace ferrovane::app
