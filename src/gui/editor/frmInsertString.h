#pragma once

#include "core/app/tools/LabelTool.h"
#include "gui/editor/ToolWindow.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace ferrovane::gui {

class ColourSample;

// The text-label window: the text, its font, size, bold, italic and colour. While it
// is open a click on the board lays the text there.
class frmInsertString : public ToolWindow {
    Q_OBJECT
public:
    frmInsertString(editor::Board& board, QWidget* mainWindow);
    void Open();

    geometry::LabelStyle Style() const;
    std::string Text() const;

protected:
    void EndTool() override { mTool.Close(); }

private:
    void FieldsChanged();
    void ShowColour();

    editor::LabelTool mTool;
    QLineEdit* mText = nullptr;
    QComboBox* mFont = nullptr;
    QLineEdit* mSize = nullptr;
    QCheckBox* mBold = nullptr;
    QCheckBox* mItalic = nullptr;
    ColourSample* mColourSample = nullptr;
    std::int32_t mColour = 0;
    QString mLastFittingText;
};

} // namespace ferrovane::gui
