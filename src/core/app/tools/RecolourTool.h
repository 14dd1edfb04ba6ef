#pragma once

#include <cstdint>
#include <string>

#include "core/app/tools/BoardTool.h"
#include "core/values/text/Messages.h"

namespace ferrovane::editor {

inline const char* RecolourPickText() {
    return text::Msg(text::MessageId::RecolourPickText);
}
inline const char* RecolourHintText() {
    return text::Msg(text::MessageId::RecolourHintText);
}
inline const char* RecolourSelectionText() {
    return text::Msg(text::MessageId::RecolourSelectionText);
}

// What the recolour window shows: the rail (or the selection) to recolour and the colour.
class RecolourToolView {
public:
    virtual ~RecolourToolView() = default;
    virtual void ShowTarget(const std::string& text) = 0;
    virtual void ShowColour(std::int32_t colour) = 0;
};

// The recolour tool: the whole selection, or a rail clicked on the board, takes the
// colour of the sample when the user applies it, as one undo step.
class RecolourTool : public BoardTool {
public:
    RecolourTool(Board& board, RecolourToolView& view) : BoardTool(board), mView(view) {}

    // With rails selected the user chooses between the selection and a single rail.
    void Open();
    void Close();
    // The colour sample was clicked: the platform's colour dialog.
    void ChooseColour();
    // Recolours the target; false when there is none yet.
    bool Apply();

    bool SelectionMode() const { return mSelectionMode; }
    std::int32_t Colour() const { return mColour; }
    int Rail() const { return mRail; }

    void MouseDown(Board& board, const BoardEvent& e) override;
    void MouseMove(Board& board, const BoardEvent& e) override;

private:
    void ShowTarget();

    RecolourToolView& mView;
    bool mSelectionMode = false;
    int mRail = -1;
    std::int32_t mColour = 0;
};

} // namespace ferrovane::editor
