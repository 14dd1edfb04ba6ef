#pragma once

#include <QPageLayout>
#include <QPagedPaintDevice>

#include <string>

#include "core/commands/output/PrintPlan.h"
#include "core/values/format/FileError.h"

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::gui {

// The paper a plan is printed on; the margins keep the marks clear of what printers
// cannot reach.
QPageLayout PlanPageLayout(QPageSize::PageSizeId paper, QPageLayout::Orientation orientation);

// The printable area of a page layout, in millimetres.
output::PaperArea PrintableArea(const QPageLayout& layout);

// Paints every sheet of the plan on the device, a new page for each after the first
// (the parts list last when asked). The device's page layout must be the one the plan
// was made for. False when the device refuses to start or to give a new page.
bool PaintPlan(const app::Workspace& ws, const output::PrintPlan& plan,
               const output::PrintSettings& settings, QPagedPaintDevice& device);

// The plan's sheets as a PDF file (vector lines and arcs, text as text), written as
// every file of the program is: nothing but the finished file replaces the old one.
// sheets receives the number of pages written.
bool WritePlanPdf(const app::Workspace& ws, const output::PrintSettings& settings,
                  const QPageLayout& pageLayout, const std::string& path,
                  document::FileError& error, int& sheets);

} // namespace ferrovane::gui
