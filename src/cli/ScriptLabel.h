#pragma once

// Labels are measured by Qt's text engine; without the Qt surfaces there is no label line.
#ifdef FERROVANE_HAVE_QTRENDER

#include "cli/ScriptRunner.h"

namespace ferrovane::cli {

// label X Y TEXT [FONT SIZE [bold] [italic] [RRGGBB]]: lays a text label with its top-left
// corner at (X, Y). Without FONT: the first font family of the system, size 12, regular,
// black. RRGGBB is the colour in hexadecimal, red first.
ScriptOutcome RunLabelCommand(ScriptContext& context, const ScriptWords& args);

} // namespace ferrovane::cli

#endif // FERROVANE_HAVE_QTRENDER
