#pragma once

#include <array>
#include <string>
#include <vector>

namespace ferrovane::app {

// The window font choices of the options: the stored names are those of fonts of
// another desktop, kept so existing settings still read; each stands for a kind of
// font that is looked for among the fonts installed here.
enum class FontKind {
    Proportional, // a proportional Japanese gothic
    UiGothic,     // the desktop's sans-serif Japanese UI font
    Modern,       // a rounded or modern Japanese sans-serif
};

struct WindowFontChoice {
    const char* Name; // the WindowFontName stored, also the option's caption
    FontKind Kind;
};

inline constexpr std::array<WindowFontChoice, 3> WindowFontChoices{{
    {"ＭＳ Ｐゴシック", FontKind::Proportional},
    {"MS UI Gothic", FontKind::UiGothic},
    {"メイリオ", FontKind::Modern},
}};

// The font every window uses when WindowFontName is empty.
inline constexpr const char* DefaultWindowFontName = "MS UI Gothic";

// The option for a stored name; -1 when it is none of the three.
int WindowFontOption(const std::string& windowFontName);

// A font installed on this system, as the font configuration lists it.
struct InstalledFont {
    std::string Family;
    bool Japanese = false;  // covers the Japanese language
    bool Monospace = false; // every glyph of one width
};

// The installed family the windows use for WINDOWFONTNAME (an empty name means
// DefaultWindowFontName): the family itself when it is installed; for one of the three
// choices the first installed of the families known to be of its kind, then the first
// Japanese sans-serif font of INSTALLED (listed in the font configuration's order of
// preference) whose name suggests the kind, then any Japanese sans-serif. Empty when
// nothing fits: the windows keep the desktop's font.
std::string FormFontFamily(const std::string& windowFontName,
                           const std::vector<InstalledFont>& installed);

} // namespace ferrovane::app
