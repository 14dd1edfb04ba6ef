#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/values/text/Language.h"

namespace ferrovane::platform {

// The user's guide: one HTML file, "guide/index.html" below one of the program's
// document folders. Help buttons open it at an anchor; while no guide is installed
// they are hidden rather than left doing nothing.
inline constexpr const char* UserGuideFile = "guide/index.html";

// The guide in the first folder of DIRS that holds it; nullopt when none does.
std::optional<std::string> FindUserGuide(const std::vector<std::string>& dirs);

// The guide's translation into English, beside the Japanese one.
inline constexpr const char* EnglishUserGuideFile = "guide/index.en.html";

// The guide in LANGUAGE in the first folder of DIRS that holds it; the Japanese guide
// when none holds the translation, nullopt when there is no guide at all.
std::optional<std::string> FindUserGuide(const std::vector<std::string>& dirs,
                                         text::Language language);

// The anchor of a numbered help topic of a message box ("topic-156").
std::string HelpTopicAnchor(int topic);

// The anchors of the windows that have a Help button.
inline constexpr const char* OptionsHelpAnchor = "options";
inline constexpr const char* CatalogueHelpAnchor = "catalogue";

} // namespace ferrovane::platform
