// The main window's printing: the print preview and the PDF and SVG exports of the plan.
#include "core/commands/output/PlanExport.h"
#include "core/commands/output/SvgPlan.h"
#include "gui/app/frmMain.h"
#include "gui/output/frmPreview.h"
#include "gui/render/PlanPainter.h"

namespace ferrovane::gui {

void frmMain::Print_Item_Click() {
    mWs.Host->HideToolBox();
    {
        frmPreview preview(mWs, mPrintChoice, this);
        preview.exec();
    }
    mWs.Host->ShowToolBox();
    ApplyChanges();
}

void frmMain::ExportPlan_Click(bool pdf) {
    const QPageLayout pageLayout = PlanPageLayout(mPrintChoice.Paper, mPrintChoice.Orientation);
    const output::PrintSettings& settings = mPrintChoice.Settings;
    if (pdf) {
        output::ExportPlan(mWs, output::PlanFormat::Pdf,
                           [&](const std::string& path, document::FileError& error) {
                               int sheets = 0;
                               return WritePlanPdf(mWs, settings, pageLayout, path, error, sheets);
                           });
    } else {
        output::ExportPlan(mWs, output::PlanFormat::Svg,
                           [&](const std::string& path, document::FileError& error) {
                               return output::WriteLayoutSvg(
                                   mWs, settings, PrintableArea(pageLayout), path, error);
                           });
    }
    ApplyChanges();
}

} // namespace ferrovane::gui
