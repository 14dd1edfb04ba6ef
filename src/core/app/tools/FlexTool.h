#pragma once

#include <optional>
#include <string>

#include "core/app/tools/BoardTool.h"
#include "core/values/text/Messages.h"

namespace ferrovane::editor {

inline const char* FlexStep1Text() {
    return text::Msg(text::MessageId::FlexStep1Text);
}
inline const char* FlexStep2Text() {
    return text::Msg(text::MessageId::FlexStep2Text);
}
inline const char* FlexStep3Text() {
    return text::Msg(text::MessageId::FlexStep3Text);
}
inline const char* FlexStartHandleHoverText() {
    return text::Msg(text::MessageId::FlexStartHandleHoverText);
}
inline const char* FlexEndHandleHoverText() {
    return text::Msg(text::MessageId::FlexEndHandleHoverText);
}
inline const char* FlexStartHandleDragText() {
    return text::Msg(text::MessageId::FlexStartHandleDragText);
}
inline const char* FlexEndHandleDragText() {
    return text::Msg(text::MessageId::FlexEndHandleDragText);
}

// What the flexible-rail window shows and asks.
class FlexToolView {
public:
    virtual ~FlexToolView() = default;
    // Step 1, 2 or 3 with its instruction; OK is usable (and the default) in step 3 only,
    // the rail-number box in step 1 only.
    virtual void ShowStep(int step, const std::string& instruction) = 0;
    virtual void ShowRailNumber(const std::string& text) = 0;
    // The direction of a free end, from the typed-angle window; nullopt when it was
    // closed without a pick.
    virtual std::optional<float> PickAngle() = 0;
};

// Laying a flexible rail: choose the start and the end (a free rail end, or a point on
// the board with a typed direction), then drag the two control handles; OK lays the
// rail and joins it to both neighbours.
class FlexTool : public BoardTool {
public:
    FlexTool(Board& board, FlexToolView& view) : BoardTool(board), mView(view) {}

    void Open();
    // Lays the rail; false (the tool stays open) when it cannot be laid.
    bool Ok();
    void Cancel();
    int Step() const;

    std::int16_t Detect(Board& board) override;
    void MouseDown(Board& board, const BoardEvent& e) override;
    void MouseMove(Board& board, const BoardEvent& e) override;
    void MouseUp(Board& board, const BoardEvent& e) override;

private:
    void ShowStep();

    FlexToolView& mView;
};

} // namespace ferrovane::editor
