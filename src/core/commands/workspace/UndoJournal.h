#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/commands/workspace/ChangeMarks.h"

#include "core/commands/workspace/UndoRecord.h"

namespace ferrovane::editor {

// What the undo menu item shows.
struct UndoMenuItem {
    bool Enabled = false;
    std::string Caption;

    bool operator==(const UndoMenuItem&) const = default;
};

inline constexpr const char* UndoDisabledCaption = "元に戻せません";

class UndoGroup;

// The in-memory journal of edits, oldest first. A user action is one or more records;
// its first record carries the group start.
class UndoJournal {
public:
    const std::vector<UndoRecord>& Records() const { return mRecords; }
    std::int32_t UndoCount() const { return static_cast<std::int32_t>(mRecords.size()); }
    const UndoMenuItem& MenuItem() const { return mMenu; }

    // Records a user action that is one record. An action of several records is
    // recorded through an UndoGroup.
    void Record(UndoPayload payload);
    // Takes the last record off and updates the menu item; nullopt when empty.
    std::optional<UndoRecord> PopUndo();
    // Empties the journal, as a new or opened layout does.
    void Clear();
    // Where every change of the journal, and of the layout it records, is marked.
    void ReportTo(app::ChangeMarks* marks) { mMarks = marks; }

private:
    friend class UndoGroup;
    void Append(UndoRecord record);
    void ShowLast();

    std::vector<UndoRecord> mRecords;
    UndoMenuItem mMenu{false, UndoDisabledCaption};
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
