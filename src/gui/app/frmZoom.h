#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QSlider>

#include <optional>

#include "core/compute/render/Zoom.h"

namespace ferrovane::gui {

// The zoom dialog: a percentage with a track bar and three quick choices.
class frmZoom : public QDialog {
    Q_OBJECT
public:
    frmZoom(float zoom, QWidget* parent = nullptr);

    // What OK decided; nullopt when the text was no positive whole number.
    std::optional<render::ZoomDialogResult> Result() const { return mResult; }
    QLineEdit* PercentEdit() const { return mPercent; }

private:
    void Accept();
    QLineEdit* mPercent = nullptr;
    QSlider* mTrackBar = nullptr;
    std::optional<render::ZoomDialogResult> mResult;
};

} // namespace ferrovane::gui
