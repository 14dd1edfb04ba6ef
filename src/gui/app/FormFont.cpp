#include "gui/app/FormFont.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

#include <set>

#ifdef FERROVANE_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace ferrovane::gui {

namespace {

#ifdef FERROVANE_HAVE_FONTCONFIG
// Fontconfig's own answer to "sans-serif for Japanese", best match first, followed by
// every other font it knows; the same order Qt falls back through.
std::vector<app::InstalledFont> FontconfigFonts() {
    std::vector<app::InstalledFont> fonts;
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (!config) return fonts;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("sans-serif:lang=ja"));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcFontSet* set = FcFontSort(config, pattern, FcFalse, nullptr, &result);
    std::set<std::string> seen;
    const auto* ja = reinterpret_cast<const FcChar8*>("ja");
    for (int i = 0; set && i < set->nfont; ++i) {
        FcPattern* font = set->fonts[i];
        FcChar8* family = nullptr;
        if (FcPatternGetString(font, FC_FAMILY, 0, &family) != FcResultMatch || !family) continue;
        app::InstalledFont f;
        f.Family = reinterpret_cast<const char*>(family);
        if (!seen.insert(f.Family).second) continue;
        FcLangSet* langs = nullptr;
        f.Japanese = FcPatternGetLangSet(font, FC_LANG, 0, &langs) == FcResultMatch && langs &&
                     FcLangSetHasLang(langs, ja) == FcLangEqual;
        int spacing = FC_PROPORTIONAL;
        f.Monospace = FcPatternGetInteger(font, FC_SPACING, 0, &spacing) == FcResultMatch &&
                      spacing >= FC_MONO;
        fonts.push_back(std::move(f));
    }
    if (set) FcFontSetDestroy(set);
    FcPatternDestroy(pattern);
    FcConfigDestroy(config);
    return fonts;
}
#endif

// Without fontconfig: Qt's font database, which knows the writing systems.
std::vector<app::InstalledFont> QtFonts() {
    std::vector<app::InstalledFont> fonts;
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    for (const QString& family : QFontDatabase::families()) {
        app::InstalledFont f;
        f.Family = family.toStdString();
        f.Japanese = japanese.contains(family);
        f.Monospace = QFontDatabase::isFixedPitch(family);
        fonts.push_back(std::move(f));
    }
    return fonts;
}

} // namespace

const std::vector<app::InstalledFont>& InstalledFonts() {
    static const std::vector<app::InstalledFont> fonts = [] {
#ifdef FERROVANE_HAVE_FONTCONFIG
        auto found = FontconfigFonts();
        if (!found.empty()) return found;
#endif
        return QtFonts();
    }();
    return fonts;
}

QString FormFontFamily(const std::string& windowFontName) {
    return QString::fromStdString(app::FormFontFamily(windowFontName, InstalledFonts()));
}

void SetFormFont(const std::string& windowFontName) {
    // The desktop's font as it was before the program changed it.
    static const QFont desktop = QApplication::font();
    QFont font = desktop;
    const QString family = FormFontFamily(windowFontName);
    if (!family.isEmpty()) font.setFamilies({family, desktop.family()});
    QApplication::setFont(font);
}

} // namespace ferrovane::gui
