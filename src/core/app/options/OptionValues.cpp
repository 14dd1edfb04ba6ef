#include "core/app/options/OptionValues.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/app/options/FormFont.h"
#include "core/values/settings/SettingConversions.h"

namespace ferrovane::app {

namespace {

// A field's number as an Integer setting: rounded, kept inside the type, and FALLBACK
// for text that is no number (a field the checks let through only when it was never
// left, such as one OK was pressed from with the Enter key).
std::int16_t FieldInteger(const std::string& text, std::int16_t fallback, int min) {
    const auto value = ParseNumber(text);
    if (!value || !std::isfinite(*value)) return fallback;
    const double rounded = std::nearbyint(*value);
    return static_cast<std::int16_t>(
        std::clamp(rounded, static_cast<double>(min),
                   static_cast<double>(std::numeric_limits<std::int16_t>::max())));
}

} // namespace

OptionValues OptionValuesOf(const Settings& s) {
    OptionValues v;
    v.RailColor = s.RailColor;
    v.NextRailColor = s.NextRailColor;
    v.HighlightRailColor = s.HighlightRailColor;
    v.GridColor = s.GridColor;
    v.RailWidth = std::to_string(s.RailWidth);
    v.RailCenter = std::to_string(s.RailCenter);
    v.GridWidth = std::to_string(s.GridWidth);
    v.GridHeight = std::to_string(s.GridHeight);
    v.ScrollWidth = std::to_string(s.ScrollWidth);
    v.ScrollHeight = std::to_string(s.ScrollHeight);
    v.ZoomPosition = std::clamp<int>(s.ZoomPosition, 0, int(ZoomPositionTexts.size()) - 1);
    v.LargeToolBox = s.LargeToolBox;
    for (std::size_t i = 0; i < v.AboutShowItm.size(); ++i)
        v.AboutShowItm[i] = s.AboutShowItm[i];
    v.FlexibleDivides = std::clamp<int>(s.FlexibleDivides, FlexibleDividesMin, FlexibleDividesMax);
    v.FlexibleDividesText = std::to_string(v.FlexibleDivides);
    v.DoAutoScroll = s.DoAutoScroll;
    v.IsHorizontalScrollBar = s.IsHorizontalScrollBar;
    v.IsAccurateAngleWindow = s.IsAccurateAngleWindow;
    v.FontOption = WindowFontOption(s.WindowFontName);
    v.DetectRange = std::to_string(s.DetectRange);
    v.RailListFontSize = SingleToText(s.RailListFontSize);
    v.Language = 0;
    for (std::size_t i = 0; i < LanguageChoices.size(); ++i)
        if (s.Language == LanguageChoices[i].Setting) v.Language = static_cast<int>(i);
    v.AutoSaveMinutes = std::to_string(s.AutoSaveMinutes);
    return v;
}

void ApplyOptionValues(const OptionValues& v, Settings& s) {
    s.GridColor = v.GridColor;
    s.RailColor = v.RailColor;
    s.NextRailColor = v.NextRailColor;
    s.HighlightRailColor = v.HighlightRailColor;
    s.RailWidth = FieldInteger(v.RailWidth, s.RailWidth, std::numeric_limits<std::int16_t>::min());
    s.RailCenter =
        FieldInteger(v.RailCenter, s.RailCenter, std::numeric_limits<std::int16_t>::min());
    s.GridWidth = FieldInteger(v.GridWidth, s.GridWidth, 1);
    s.GridHeight = FieldInteger(v.GridHeight, s.GridHeight, 1);
    s.ScrollWidth = FieldInteger(v.ScrollWidth, s.ScrollWidth, 1);
    s.ScrollHeight = FieldInteger(v.ScrollHeight, s.ScrollHeight, 1);
    s.ZoomPosition = static_cast<std::int16_t>(
        std::clamp<int>(v.ZoomPosition, 0, int(ZoomPositionTexts.size()) - 1));
    s.LargeToolBox = v.LargeToolBox;
    for (std::size_t i = 0; i < v.AboutShowItm.size(); ++i)
        s.AboutShowItm[i] = v.AboutShowItm[i];
    s.FlexibleDivides = static_cast<std::int16_t>(
        std::clamp(v.FlexibleDivides, FlexibleDividesMin, FlexibleDividesMax));
    s.DoAutoScroll = v.DoAutoScroll;
    s.IsHorizontalScrollBar = v.IsHorizontalScrollBar;
    s.IsAccurateAngleWindow = v.IsAccurateAngleWindow;
    if (v.FontOption >= 0 && v.FontOption < static_cast<int>(WindowFontChoices.size()))
        s.WindowFontName = WindowFontChoices[static_cast<std::size_t>(v.FontOption)].Name;
    // A pick distance of 0 would find nothing: the check asked for more than 0.
    s.DetectRange = FieldInteger(v.DetectRange, s.DetectRange, 1);
    if (const auto size = ParseNumber(v.RailListFontSize); size && *size > 0 && *size < 1000)
        s.RailListFontSize = static_cast<float>(*size);
    if (v.Language >= 0 && v.Language < static_cast<int>(LanguageChoices.size()))
        s.Language = LanguageChoices[static_cast<std::size_t>(v.Language)].Setting;
    s.AutoSaveMinutes = FieldInteger(v.AutoSaveMinutes, s.AutoSaveMinutes, 0);
}

} // namespace ferrovane::app
