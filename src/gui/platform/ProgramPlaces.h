#pragma once

#include <QString>

#include "core/values/platform/InstallLocations.h"

namespace ferrovane::gui {

// Where this program's own files may be when it runs from PROGRAMDIR: the installation's
// layout, and in a build tree the sources and generated documents it was built from.
platform::ProgramPlaces ProgramPlacesOf(const QString& programDir);

// The same for the running program.
platform::ProgramPlaces RunningProgramPlaces();

} // namespace ferrovane::gui
