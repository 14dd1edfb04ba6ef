#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/app/tools/BoardTool.h"
#include "core/values/text/Messages.h"

namespace ferrovane::editor {

inline const char* ElevateHintText() {
    return text::Msg(text::MessageId::ElevateHintText);
}

// What the elevation window shows and what the user chose in it.
class ElevationToolView {
public:
    virtual ~ElevationToolView() = default;
    virtual void ShowSourceRail(const std::string& text) = 0;
    // The candidate list, with the row to make current (-1: none).
    virtual void ShowCandidates(const std::vector<std::string>& names, int currentRow) = 0;
    // The candidate chosen in the list, if any.
    virtual std::optional<std::string> ChosenCandidate() const = 0;
};

// The elevation tool: hovering a rail shows it with the types it can become on the
// other level; a click converts it to the chosen type as one undo step.
class ElevationTool : public BoardTool {
public:
    ElevationTool(Board& board, ElevationToolView& view) : BoardTool(board), mView(view) {}

    // Clears a selection first, after telling the user: rails are converted one at a time.
    void Open();
    void Close();
    // The "賢い変換" check box: the list then chooses the counterpart by itself.
    void SetIntelliChange(bool on);
    bool IntelliChange() const { return mIntelliChange; }

    // The window's convert button: the rail shown as the source, to the chosen type.
    // False when no rail is shown.
    bool ConvertSourceRail();

    void MouseDown(Board& board, const BoardEvent& e) override;
    void MouseMove(Board& board, const BoardEvent& e) override;

private:
    // SettxtSrcRail: the rail under the pointer and its candidates; the list is filled
    // again only when another rail comes under the pointer, so a choice made in it stays.
    void ShowSourceRail();

    ElevationToolView& mView;
    bool mIntelliChange = false;
    int mShownRail = -1;
};

} // namespace ferrovane::editor
