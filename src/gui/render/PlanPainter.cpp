#include "gui/render/PlanPainter.h"

#include <QBuffer>
#include <QByteArray>
#include <QPainter>
#include <QPdfWriter>

#include "core/values/format/FileErrorText.h"
#include "core/values/platform/AtomicFile.h"
#include "gui/render/ImageSurface.h"

namespace ferrovane::gui {

namespace {

constexpr double MarginMm = 8;
constexpr int PdfResolution = 600; // dots per inch: fine enough for full-size templates
// A pen pixel on paper: thin enough for the track's two rails, thick enough to see.
constexpr float PenPixelMm = 0.1f;

} // namespace

QPageLayout PlanPageLayout(QPageSize::PageSizeId paper, QPageLayout::Orientation orientation) {
    return QPageLayout(QPageSize(paper), orientation,
                       QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter);
}

output::PaperArea PrintableArea(const QPageLayout& layout) {
    const QRectF r = layout.paintRect(QPageLayout::Millimeter);
    return {static_cast<float>(r.width()), static_cast<float>(r.height())};
}

bool PaintPlan(const app::Workspace& ws, const output::PrintPlan& plan,
               const output::PrintSettings& settings, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // Paper and PDF are always drawn smooth, whatever the board shows.
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const float pixelsPerMm = static_cast<float>(device.logicalDpiX()) / 25.4f;
    bool first = true;
    const auto nextSheet = [&] {
        if (!first && !device.newPage()) return false;
        first = false;
        return true;
    };
    for (const output::PlanPage& page : plan.Pages) {
        if (!nextSheet()) return false;
        DeviceSurface surface(painter);
        surface.SetPenRatio(pixelsPerMm * PenPixelMm);
        surface.SetScale(output::PlanSurfaceScale(plan, pixelsPerMm));
        output::DrawPlanPage(ws, surface, plan, page, settings);
    }
    if (plan.PartsPage) {
        if (!nextSheet()) return false;
        DeviceSurface surface(painter);
        output::DrawPartsPage(ws, surface, pixelsPerMm);
    }
    return painter.end();
}

bool WritePlanPdf(const app::Workspace& ws, const output::PrintSettings& settings,
                  const QPageLayout& pageLayout, const std::string& path,
                  document::FileError& error, int& sheets) {
    const output::PrintPlan plan = output::MakePrintPlan(ws, PrintableArea(pageLayout), settings);
    sheets = plan.SheetCount();
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(PdfResolution);
        writer.setPageLayout(pageLayout);
        writer.setCreator(QStringLiteral("Ferrovane"));
        if (!PaintPlan(ws, plan, settings, writer)) {
            error =
                document::MakeFileError(document::ErrPathAccess, document::ReasonNoPages(), path);
            return false;
        }
    }
    return platform::WriteFileAtomically(path, std::string(bytes.constData(), bytes.size()), error);
}

} // namespace ferrovane::gui
