#pragma once

#include <string>
#include <vector>

#include "core/app/tools/BoardTool.h"
#include "core/compute/check/EndRef.h"
#include "core/compute/check/GapCloser.h"
#include "core/values/text/Messages.h"

namespace ferrovane::editor {

inline const char* CloseGapFirstText() {
    return text::Msg(text::MessageId::CloseGapFirstText);
}
inline const char* CloseGapSecondText() {
    return text::Msg(text::MessageId::CloseGapSecondText);
}
inline const char* CloseGapChooseText() {
    return text::Msg(text::MessageId::CloseGapChooseText);
}
inline const char* CloseGapNoneText() {
    return text::Msg(text::MessageId::CloseGapNoneText);
}

// What the gap closer's window shows.
class GapCloserToolView {
public:
    virtual ~GapCloserToolView() = default;
    virtual void ShowInstruction(const std::string& text) = 0;
    // The ways to join the two ends, best first; empty when nothing fits.
    virtual void ShowSuggestions(const std::vector<std::string>& rows) = 0;
};

// One suggestion as its row: its pieces in order, then what it misses by.
std::string CloserRow(const catalogue::Catalogue& catalogue, const check::CloserSuggestion& s);

// The gap closer: the user picks two free ends on the board, the window lists up to ten
// ways of joining them with catalogue pieces, and the chosen one is laid as one undo
// step; a flexible rail joins them when no pieces fit.
class GapCloserTool : public BoardTool {
public:
    GapCloserTool(Board& board, GapCloserToolView& view) : BoardTool(board), mView(view) {}

    void Open();
    void Close();
    // Lays suggestion `index`, or the flexible rail; false when nothing was laid.
    bool Lay(int index);
    bool LayFlexible();
    bool BothEndsChosen() const { return mHaveSecond; }
    const std::vector<check::CloserSuggestion>& Suggestions() const { return mSuggestions; }

    void MouseDown(Board& board, const BoardEvent& e) override;
    void MouseMove(Board& board, const BoardEvent& e) override;

private:
    // The free end under the pointer, if the hit test found one.
    bool FreeEndUnderPointer(Board& board, check::EndRef& end) const;

    GapCloserToolView& mView;
    check::EndRef mFirst, mSecond;
    bool mHaveSecond = false;
    std::vector<check::CloserSuggestion> mSuggestions;
};

} // namespace ferrovane::editor
