#pragma once

#include <QImage>
#include <QWidget>

#include "core/commands/output/PrintPlan.h"

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::gui {

// The print preview's picture: the plan's area with the layout as the printer will
// draw it and the sheets over it, each named, those left out shaded. The layout is
// drawn again only when what it shows changes; the sheets are laid over it on every
// paint.
class PlanPreview : public QWidget {
    Q_OBJECT
public:
    PlanPreview(const app::Workspace& ws, QWidget* parent);

    // A new plan; redrawRails when the rails' look (colour, texts, grid, range) changed.
    void ShowPlan(const output::PrintPlan& plan, const output::PrintSettings& settings,
                  bool redrawRails);
    // 1 shows the whole area in the window; 2, 4 enlarge it.
    void SetMagnification(int times);
    // The picture as painted, for tests.
    const QImage& RailsImage() const { return mRails; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void DrawRails();
    QSize PictureSize() const;

    const app::Workspace& mWs;
    output::PrintPlan mPlan;
    output::PrintSettings mSettings;
    output::LayoutRect mArea; // what the picture shows, in layout units
    float mScale = 1;         // layout units per pixel
    int mMagnification = 1;
    QImage mRails;
    QSize mDrawnFor;
};

} // namespace ferrovane::gui
