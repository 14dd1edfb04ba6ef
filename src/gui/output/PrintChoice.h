#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include "core/commands/output/PrintPlan.h"

namespace ferrovane::gui {

// What the print preview was last set to; the PDF and SVG exports of the File menu
// write the same sheets.
struct PrintChoice {
    output::PrintSettings Settings;
    QPageSize::PageSizeId Paper = QPageSize::A4;
    QPageLayout::Orientation Orientation = QPageLayout::Portrait;
    QString Printer; // empty: the PDF file
};

} // namespace ferrovane::gui
