#include "gui/platform/ProgramPlaces.h"

#include <QCoreApplication>

namespace ferrovane::gui {

platform::ProgramPlaces ProgramPlacesOf(const QString& programDir) {
    platform::ProgramPlaces places;
    places.ProgramDir = programDir.toStdString();
#ifdef FERROVANE_INSTALLED_DATA_DIR
    places.InstalledData = FERROVANE_INSTALLED_DATA_DIR;
#endif
#ifdef FERROVANE_SOURCE_CATALOGUE_DIR
    places.SourceCatalogues = FERROVANE_SOURCE_CATALOGUE_DIR;
#endif
#ifdef FERROVANE_BUILD_DOC_DIR
    places.BuildDocs = FERROVANE_BUILD_DOC_DIR;
#endif
    return places;
}

platform::ProgramPlaces RunningProgramPlaces() {
    return ProgramPlacesOf(QCoreApplication::applicationDirPath());
}

} // namespace ferrovane::gui
