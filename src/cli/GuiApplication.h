#pragma once

// Text is laid out and drawn by Qt; without the Qt surfaces there is nothing to start.
#ifdef FERROVANE_HAVE_QTRENDER

#include <QGuiApplication>
#include <memory>

namespace ferrovane::cli {

// Fonts need a GUI application object, and the command line has no screen: starts one on
// the offscreen platform (unless one is chosen) when none runs. The caller keeps it;
// null when one runs already.
std::unique_ptr<QGuiApplication> StartGuiApplication();

} // namespace ferrovane::cli

#endif // FERROVANE_HAVE_QTRENDER
