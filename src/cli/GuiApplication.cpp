#ifdef FERROVANE_HAVE_QTRENDER

#include "cli/GuiApplication.h"

namespace ferrovane::cli {

std::unique_ptr<QGuiApplication> StartGuiApplication() {
    if (QGuiApplication::instance() != nullptr) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "ferrovane-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace ferrovane::cli

#endif // FERROVANE_HAVE_QTRENDER
