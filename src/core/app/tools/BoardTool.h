#pragma once

#include <initializer_list>
#include <vector>

#include "core/app/board/Board.h"

namespace ferrovane::editor {

// A tool window that works with the board: while it is open the board is in the tool's
// modes and hands their clicks and hovering to it. Open registers the modes and
// closing takes them back, returning the board to placing and selecting. A tool
// still open when it is destroyed is closed.
class BoardTool : public BoardMode {
public:
    explicit BoardTool(Board& board) : mBoard(board) {}
    ~BoardTool() override;
    BoardTool(const BoardTool&) = delete;
    BoardTool& operator=(const BoardTool&) = delete;

    bool IsOpen() const { return !mModes.empty(); }
    app::Workspace& Ws() { return mBoard.Ws(); }

protected:
    // The board enters `first`; every mode listed is the tool's until Release. The tool
    // box is hidden meanwhile.
    void Claim(std::initializer_list<EditorMode> modes, EditorMode first);
    // The board leaves the tool's modes for Place, redrawn when asked; the tool box
    // shows again.
    void Release();

    Board& mBoard;

private:
    std::vector<EditorMode> mModes;
};

} // namespace ferrovane::editor
