#pragma once

#include <string>

#include "core/app/tools/BoardTool.h"
#include "core/values/text/Messages.h"

namespace ferrovane::editor {

inline const char* NoRailChosenText() {
    return text::Msg(text::MessageId::NoRailChosenText);
}

// What the delete window shows: the rail a click would delete.
class DeleteToolView {
public:
    virtual ~DeleteToolView() = default;
    virtual void ShowRailField(const std::string& text) = 0;
};

// The delete tool: a click on a rail deletes it (with its rail-box group) as one undo
// step; hovering names the rail.
class DeleteTool : public BoardTool {
public:
    DeleteTool(Board& board, DeleteToolView& view) : BoardTool(board), mView(view) {}

    // Offers to delete a selection of two or more rails first.
    void Open();
    void Close();

    void MouseDown(Board& board, const BoardEvent& e) override;
    void MouseMove(Board& board, const BoardEvent& e) override;

private:
    DeleteToolView& mView;
};

} // namespace ferrovane::editor
