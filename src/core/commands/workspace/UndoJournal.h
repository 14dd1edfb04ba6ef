#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/commands/workspace/ChangeMarks.h"
#include "core/commands/workspace/KeptRails.h"
#include "core/commands/workspace/UndoRecord.h"
#include "core/values/text/Messages.h"

namespace ferrovane::editor {

// What the undo menu item shows.
struct UndoMenuItem {
    bool Enabled = false;
    std::string Caption;

    bool operator==(const UndoMenuItem&) const = default;
};

inline const char* UndoDisabledCaption() {
    return text::Msg(text::MessageId::UndoDisabledCaption);
}

class UndoGroup;

// An action taken back and not yet done again: its records, oldest first, and the rails
// its undo changed, as they were before.
struct RedoStep {
    std::vector<UndoRecord> Records;
    KeptRails Kept;
};

// The in-memory journal of edits, oldest first. A user action is one or more records;
// its first record carries the group start. Beside it, the actions taken back, the
// most recent last, wait to be done again until a new edit makes them meaningless.
class UndoJournal {
public:
    const std::vector<UndoRecord>& Records() const { return mRecords; }
    std::int32_t UndoCount() const { return static_cast<std::int32_t>(mRecords.size()); }
    const UndoMenuItem& MenuItem() const { return mMenu; }
    std::int32_t RedoCount() const { return static_cast<std::int32_t>(mRedo.size()); }

    // Records a user action that is one record. An action of several records is
    // recorded through an UndoGroup.
    void Record(UndoPayload payload);
    // Takes the last record off and updates the menu item; nullopt when empty.
    std::optional<UndoRecord> PopUndo();
    // Keeps an action just taken back, to be done again.
    void PushRedo(RedoStep step);
    // Takes the action most recently taken back; nullopt when there is none.
    std::optional<RedoStep> PopRedo();
    // Puts the records of an action done again back on the journal. Unlike a new edit,
    // it leaves the other actions waiting to be done again.
    void PutBack(std::vector<UndoRecord> records);
    // Drops the actions waiting to be done again, as an edit the journal does not record
    // makes them stale.
    void ForgetRedo();
    // Empties the journal and the actions waiting to be done again, as a new or opened
    // layout does.
    void Clear();
    // Where every change of the journal, and of the layout it records, is marked.
    void ReportTo(app::ChangeMarks* marks) { mMarks = marks; }

private:
    friend class UndoGroup;
    void Append(UndoRecord record);
    void ShowLast();

    std::vector<UndoRecord> mRecords;
    std::vector<RedoStep> mRedo;
    UndoMenuItem mMenu{false, UndoDisabledCaption()};
    app::ChangeMarks* mMarks = nullptr;
};

// Records the edits of one user action: the first record added carries the group start,
// every later one continues the group. An action that records nothing leaves no trace.
class UndoGroup {
public:
    explicit UndoGroup(UndoJournal& journal) : mJournal(journal) {}
    UndoGroup(const UndoGroup&) = delete;
    UndoGroup& operator=(const UndoGroup&) = delete;

    void Add(UndoPayload payload);
    bool Started() const { return mStarted; }

private:
    UndoJournal& mJournal;
    bool mStarted = false;
};

} // namespace ferrovane::editor
