#pragma once

#include <QDialog>

#include "core/compute/editor/LayoutInformation.h"

namespace ferrovane::gui {

// The layout-information window: one row per figure of editor::LayoutInformationFields,
// the values selectable so that a file name can be copied. Each value label carries
// its caption as its accessible name.
class frmLayoutInformation : public QDialog {
    Q_OBJECT
public:
    frmLayoutInformation(const editor::LayoutInformation& info, QWidget* parent);

    // The value shown for a caption; empty when there is no such row.
    QString Value(const QString& caption) const;
};

} // namespace ferrovane::gui
