#include "core/app/options/FormFont.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace ferrovane::app {

namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool Contains(const std::string& lowerName, const std::vector<std::string_view>& parts) {
    return std::any_of(parts.begin(), parts.end(), [&](std::string_view part) {
        return lowerName.find(part) != std::string::npos;
    });
}

// Families of each kind shipped by the common distributions, best first.
std::vector<std::string_view> KnownFamilies(FontKind kind) {
    switch (kind) {
    case FontKind::Proportional:
        return {"IPAPGothic",    "IPAexGothic",         "TakaoPGothic",       "VL PGothic",
                "BIZ UDPGothic", "Droid Sans Japanese", "Droid Sans Fallback"};
    case FontKind::UiGothic:
        return {"Noto Sans CJK JP", "Noto Sans JP", "Source Han Sans JP", "IPAGothic",
                "TakaoGothic",      "VL Gothic",    "BIZ UDGothic"};
    case FontKind::Modern:
        return {"M PLUS Rounded 1c", "Rounded Mplus 1c", "Kosugi Maru",       "M+ 1c",
                "M PLUS 1p",         "Noto Sans JP",     "Source Han Sans JP"};
    }
    return {};
}

// Name parts that say a font is of the kind.
std::vector<std::string_view> KindHints(FontKind kind) {
    switch (kind) {
    case FontKind::Proportional:
        return {"pgothic", "proportional", " p "};
    case FontKind::UiGothic:
        return {"gothic", " ui "};
    case FontKind::Modern:
        return {"rounded", "maru", "丸"};
    }
    return {};
}

// A Japanese text font with the gothic (sans-serif) look of the window texts.
bool IsJapaneseSans(const InstalledFont& font) {
    if (!font.Japanese || font.Monospace) return false;
    const std::string name = Lower(font.Family);
    return !Contains(name, {"serif", "mincho", "明朝", "mono"});
}

const InstalledFont* Find(const std::vector<InstalledFont>& installed, const std::string& family) {
    const std::string wanted = Lower(family);
    for (const InstalledFont& f : installed)
        if (Lower(f.Family) == wanted) return &f;
    return nullptr;
}

} // namespace

int WindowFontOption(const std::string& windowFontName) {
    for (std::size_t i = 0; i < WindowFontChoices.size(); ++i)
        if (windowFontName == WindowFontChoices[i].Name) return static_cast<int>(i);
    return -1;
}

std::string FormFontFamily(const std::string& windowFontName,
                           const std::vector<InstalledFont>& installed) {
    const std::string name = windowFontName.empty() ? DefaultWindowFontName : windowFontName;
    if (const InstalledFont* f = Find(installed, name)) return f->Family;
    const int option = WindowFontOption(name);
    if (option < 0) return {};
    const FontKind kind = WindowFontChoices[static_cast<std::size_t>(option)].Kind;
    for (std::string_view family : KnownFamilies(kind))
        if (const InstalledFont* f = Find(installed, std::string(family))) return f->Family;
    for (const InstalledFont& f : installed)
        if (IsJapaneseSans(f) && Contains(" " + Lower(f.Family) + " ", KindHints(kind)))
            return f.Family;
    for (const InstalledFont& f : installed)
        if (IsJapaneseSans(f)) return f.Family;
    return {};
}

} // namespace ferrovane::app
