#pragma once

#include "core/app/settings/SettingsStore.h"
#include "core/values/text/Language.h"

namespace ferrovane::gui {

// The language the stored "Language" setting asks for in this environment, made the
// program's: the core's texts, and the windows' texts through Qt's translation. Called
// before any window is built; a window built earlier keeps its texts.
text::Language StartLanguage(const app::SettingsStore& userStore,
                             const text::EnvironmentLookup& environment = text::ProcessEnvironment);

// Makes the language the program's. Japanese texts are the program's own; English ones
// come from the translation built into the program. Qt's own dialogs follow when Qt
// has a translation for them.
void UseLanguage(text::Language language);

} // namespace ferrovane::gui
