#include "core/commands/workspace/UndoJournal.h"

#include "core/values/text/Messages.h"
#include <utility>

namespace ferrovane::editor {

void UndoJournal::Record(UndoPayload payload) {
    UndoGroup(*this).Add(std::move(payload));
}

void UndoJournal::Append(UndoRecord record) {
    // A new edit starts another history: what was taken back cannot follow it.
    mRedo.clear();
    mRecords.push_back(std::move(record));
    ShowLast();
}

std::optional<UndoRecord> UndoJournal::PopUndo() {
    if (mRecords.empty()) return std::nullopt;
    UndoRecord last = std::move(mRecords.back());
    mRecords.pop_back();
    ShowLast();
    return last;
}

void UndoJournal::PushRedo(RedoStep step) {
    mRedo.push_back(std::move(step));
    ShowLast();
}

std::optional<RedoStep> UndoJournal::PopRedo() {
    if (mRedo.empty()) return std::nullopt;
    RedoStep last = std::move(mRedo.back());
    mRedo.pop_back();
    ShowLast();
    return last;
}

void UndoJournal::PutBack(std::vector<UndoRecord> records) {
    for (UndoRecord& r : records)
        mRecords.push_back(std::move(r));
    ShowLast();
}

void UndoJournal::ForgetRedo() {
    if (mRedo.empty()) return;
    mRedo.clear();
    ShowLast();
}

void UndoJournal::Clear() {
    mRecords.clear();
    mRedo.clear();
    ShowLast();
}

// The menu item names the action the next undo takes back.
void UndoJournal::ShowLast() {
    // Every record is an edit of the layout (or of the selection), and so is taking one
    // back.
    if (mMarks) mMarks->Mark({app::Change::Undo, app::Change::Layout, app::Change::Selection});
    if (mRecords.empty()) {
        mMenu = UndoMenuItem{false, UndoDisabledCaption()};
        return;
    }
    mMenu.Enabled = true;
    mMenu.Caption = text::Msg(text::MessageId::UndoCaption, {UndoLabelOf(mRecords.back().Code())});
}

void UndoGroup::Add(UndoPayload payload) {
    mJournal.Append(UndoRecord{std::move(payload), !mStarted});
    mStarted = true;
}

} // namespace ferrovane::editor
