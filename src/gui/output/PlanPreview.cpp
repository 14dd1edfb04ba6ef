#include "gui/output/PlanPreview.h"

#include <QPainter>
#include <QScrollArea>

#include <algorithm>

#include "core/commands/render/PrintDrivers.h"
#include "core/commands/workspace/Workspace.h"
#include "gui/render/ImageSurface.h"

namespace ferrovane::gui {

namespace {

constexpr int Margin = 8;

output::LayoutRect Union(const output::LayoutRect& a, const output::LayoutRect& b) {
    const float left = std::min(a.Left, b.Left), top = std::min(a.Top, b.Top);
    return {left, top, std::max(a.Right(), b.Right()) - left,
            std::max(a.Bottom(), b.Bottom()) - top};
}

} // namespace

PlanPreview::PlanPreview(const app::Workspace& ws, QWidget* parent) : QWidget(parent), mWs(ws) {
    setObjectName(QStringLiteral("planPreview"));
    setMinimumSize(320, 320);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlanPreview::ShowPlan(const output::PrintPlan& plan, const output::PrintSettings& settings,
                           bool redrawRails) {
    mPlan = plan;
    mSettings = settings;
    output::LayoutRect area = plan.Range;
    for (const output::PrintPage& page : plan.Grid.Pages)
        area = Union(area, page.Area);
    const bool areaChanged = !(area == mArea);
    mArea = area;
    if (redrawRails || areaChanged) mDrawnFor = QSize();
    update();
}

void PlanPreview::SetMagnification(int times) {
    mMagnification = std::max(1, times);
    mDrawnFor = QSize();
    if (auto* scroll =
            qobject_cast<QScrollArea*>(parentWidget() ? parentWidget()->parentWidget() : nullptr)) {
        const QSize viewport = scroll->viewport()->size();
        resize(viewport.width() * mMagnification, viewport.height() * mMagnification);
    }
    update();
}

void PlanPreview::resizeEvent(QResizeEvent* event) {
    mDrawnFor = QSize();
    QWidget::resizeEvent(event);
}

QSize PlanPreview::PictureSize() const {
    return QSize(std::max(1, width() - 2 * Margin), std::max(1, height() - 2 * Margin));
}

void PlanPreview::DrawRails() {
    const QSize size = PictureSize();
    mScale = std::max({mArea.Width / static_cast<float>(size.width()),
                       mArea.Height / static_cast<float>(size.height()), 1e-3f});
    const int w = std::max(1, static_cast<int>(mArea.Width / mScale));
    const int h = std::max(1, static_cast<int>(mArea.Height / mScale));
    ImageSurface surface(w, h);
    surface.Clear();
    surface.SetScale(mScale);
    if (mSettings.Grid) output::DrawPlanGrid(mWs, surface, mArea);
    render::PrintOptions options;
    options.Origin = {mArea.Left, mArea.Top};
    options.InColour = mSettings.InColour;
    options.Texts = mSettings.Texts;
    render::DrawLayoutOnPPicture(mWs, surface, options);
    surface.Flush();
    mRails = surface.Image().copy();
    mDrawnFor = this->size();
}

void PlanPreview::paintEvent(QPaintEvent*) {
    if (mDrawnFor != size()) DrawRails();
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    const QSize size = PictureSize();
    const QPoint at(Margin + (size.width() - mRails.width()) / 2,
                    Margin + (size.height() - mRails.height()) / 2);
    const auto toPixel = [&](const output::LayoutRect& r) {
        return QRectF(at.x() + (r.Left - mArea.Left) / mScale,
                      at.y() + (r.Top - mArea.Top) / mScale, r.Width / mScale, r.Height / mScale);
    };
    painter.drawImage(at, mRails);
    // Sheets left out are shaded; those printed are outlined with their names.
    std::vector<bool> printed(mPlan.Grid.Pages.size(), false);
    for (const output::PlanPage& page : mPlan.Pages) {
        const std::size_t k = static_cast<std::size_t>((page.Page.Row - 1) * mPlan.Grid.Columns +
                                                       page.Page.Column - 1);
        if (k < printed.size()) printed[k] = true;
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (std::size_t k = 0; k < mPlan.Grid.Pages.size(); ++k) {
        const output::PrintPage& page = mPlan.Grid.Pages[k];
        const QRectF r = toPixel(page.Area);
        if (!printed[k]) painter.fillRect(r, QColor(128, 128, 128, 70));
        painter.setPen(QPen(QColor(40, 90, 200), 1));
        painter.drawRect(r);
        if (mPlan.Grid.Pages.size() > 1 && r.width() > 24 && r.height() > 14) {
            painter.setPen(QColor(40, 90, 200));
            painter.drawText(r.adjusted(3, 2, -2, -2), Qt::AlignLeft | Qt::AlignTop,
                             QString::fromStdString(output::PageName(page)));
        }
    }
    // The range itself, dashed.
    painter.setPen(QPen(QColor(200, 60, 40), 1, Qt::DashLine));
    painter.drawRect(toPixel(mPlan.Range));
}

} // namespace ferrovane::gui
