#pragma once

#include <vector>

#include "core/compute/render/DrawContext.h"

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::render {

// How the print preview and the printer draw: the layout position of the surface's
// top-left corner and whether rails keep their colours (else black).
struct PrintOptions {
    ViewOrigin Origin;
    bool InColour = false;
    bool Texts = true; // the preview leaves labels out when they will not be printed
};

// Pen width of elevated rails on the printer and on paper-like files.
inline constexpr int PrinterElevatedWidth = 5;

// One live rail as the print drivers draw it: pen by its elevation, black unless in
// colour, no centre marker.
void DrawPrintedRail(const app::Workspace& ws, Surface& surface, const PrintOptions& options,
                     int rail, int elevatedWidth);

// Every rail and text label onto the print preview: pen 3 for elevated rails, else 1,
// no centre markers; the pen is 1 again afterwards.
void DrawLayoutOnPPicture(const app::Workspace& ws, Surface& surface, const PrintOptions& options);

// Every rail except text labels onto the printer: pen 5 for elevated rails, else 1. With
// a list, only the rails listed (in ascending order), as a sheet of a plan needs.
void DrawLayoutOnPrinter(const app::Workspace& ws, Surface& surface, const PrintOptions& options,
                         const std::vector<int>* rails = nullptr);

// Only the text labels onto the printer.
void DrawTextsOnPrinter(const app::Workspace& ws, Surface& surface, const PrintOptions& options,
                        const std::vector<int>* rails = nullptr);

} // namespace ferrovane::render
