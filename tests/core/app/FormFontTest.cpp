#include <gtest/gtest.h>

#include <vector>

#include "core/app/options/FormFont.h"

namespace ferrovane::app {
namespace {

InstalledFont Ja(const char* family, bool mono = false) {
    return {family, true, mono};
}
InstalledFont Latin(const char* family) {
    return {family, false, false};
}

TEST(FormFontTest, EachChoiceFindsAnInstalledFontOfItsKind) {
    const std::vector<InstalledFont> debian{
        Ja("Noto Sans CJK JP"),  Ja("Noto Sans Mono CJK JP", true),
        Ja("Noto Serif CJK JP"), Ja("IPAPGothic"),
        Ja("IPAGothic"),         Ja("Kosugi Maru"),
        Latin("DejaVu Sans")};
    const std::vector<InstalledFont> onlyNoto{Ja("Noto Serif CJK JP"),
                                              Ja("Noto Sans Mono CJK JP", true),
                                              Ja("Noto Sans CJK JP"), Latin("DejaVu Sans")};
    // Fonts this table does not know: chosen by what their names say, else the first
    // Japanese sans-serif in the configuration's order.
    const std::vector<InstalledFont> unknown{Latin("DejaVu Sans"), Ja("Foo Mincho"),
                                             Ja("Bar Gothic"), Ja("Baz Rounded"),
                                             Ja("Qux PGothic")};
    const std::vector<InstalledFont> latinOnly{Latin("DejaVu Sans"), Latin("Liberation Sans")};
    struct Case {
        const char* name;
        const std::vector<InstalledFont>* fonts;
        const char* family;
    };
    const Case cases[] = {
        {"MS UI Gothic", &debian, "Noto Sans CJK JP"},
        {"ＭＳ Ｐゴシック", &debian, "IPAPGothic"},
        {"メイリオ", &debian, "Kosugi Maru"},
        {"", &debian, "Noto Sans CJK JP"}, // an empty name is the UI font
        {"MS UI Gothic", &onlyNoto, "Noto Sans CJK JP"},
        {"ＭＳ Ｐゴシック", &onlyNoto, "Noto Sans CJK JP"},
        {"メイリオ", &onlyNoto, "Noto Sans CJK JP"},
        {"MS UI Gothic", &unknown, "Bar Gothic"},
        {"ＭＳ Ｐゴシック", &unknown, "Qux PGothic"},
        {"メイリオ", &unknown, "Baz Rounded"},
        {"メイリオ", &latinOnly, ""},               // nothing Japanese: the desktop's font
        {"dejavu sans", &latinOnly, "DejaVu Sans"}, // a family stored by hand is used as is
        {"Not Here", &debian, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormFontFamily(c.name, *c.fonts), c.family) << c.name;
}

TEST(FormFontTest, OptionsMatchTheStoredNames) {
    EXPECT_EQ(WindowFontOption("ＭＳ Ｐゴシック"), 0);
    EXPECT_EQ(WindowFontOption("MS UI Gothic"), 1);
    EXPECT_EQ(WindowFontOption("メイリオ"), 2);
    EXPECT_EQ(WindowFontOption("Noto Sans CJK JP"), -1);
}

} // namespace
} // namespace ferrovane::app
