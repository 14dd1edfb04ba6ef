#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ferrovane::editor {

// Operation codes of journal records, by their parsed value.
enum UndoCode : std::int16_t {
    UndoUnknown = 0,
    UndoDEL = 1,
    UndoREN = 2,
    UndoSET = 3,
    UndoRCL = 4,
    UndoUPR = 5,
    UndoMOV = 6,
    UndoLYS = 7,
    UndoSEL = 8,
};

// One journal record taken apart.
struct UndoRecord {
    std::int16_t Code = UndoUnknown;
    // The number as an Integer; 0 when the text is not one (a move keeps its exact x
    // offset in NumberText).
    std::int16_t Number = 0;
    std::string NumberText;
    std::string Data;
    bool GroupStart = false;

    bool operator==(const UndoRecord&) const = default;
};

// What the undo menu item shows.
struct UndoMenuItem {
    bool Enabled = false;
    std::string Caption;

    bool operator==(const UndoMenuItem&) const = default;
};

inline constexpr const char* UndoDisabledCaption = "元に戻せません";

// The value of a three-letter code (upper case), UndoUnknown for any other text.
std::int16_t UndoCodeOf(std::string_view code);
// The menu label of a code value; empty outside the table.
std::string_view UndoLabelOf(std::int16_t code);

// The in-memory journal of edits. Each record is the text
// Flag,CODE,Number,Data; Flag 1 starts a user action, 0 continues it.
class UndoJournal {
public:
    // Oldest first; UndoCount() entries.
    const std::vector<std::string>& UndoList() const { return mList; }
    std::int32_t UndoCount() const { return static_cast<std::int32_t>(mList.size()); }
    const UndoMenuItem& MenuItem() const { return mMenu; }

    void AddUndo(std::string_view code, std::int32_t number, std::string_view data,
                 bool groupStart);
    // The number given as text: a move keeps its exact x offset this way.
    void AddUndo(std::string_view code, std::string_view numberText, std::string_view data,
                 bool groupStart);
    // A move of the whole layout by dx and the typed y offset: the x offset is kept as
    // its exact decimal text, so that undo moves every rail back exactly.
    void AddMoveUndo(float dx, std::string_view dyText);
    // The last record parsed; a default record when the journal is empty.
    UndoRecord ReadLastUndo() const;
    // Removes the last record (nothing when empty) and updates the menu item.
    void PopUndo();
    // Empties the journal, as a new or opened layout does.
    void Clear();

private:
    std::vector<std::string> mList;
    UndoMenuItem mMenu{false, UndoDisabledCaption};
};

// Records the edits of one user action: the first record carries the group-start
// flag, every later one continues the group.
class UndoGroup {
public:
    explicit UndoGroup(UndoJournal& journal) : mJournal(journal) {}
    UndoGroup(const UndoGroup&) = delete;
    UndoGroup& operator=(const UndoGroup&) = delete;

    void Add(std::string_view code, std::int32_t number, std::string_view data = {});
    bool Started() const { return mStarted; }

private:
    UndoJournal& mJournal;
    bool mStarted = false;
};

} // namespace ferrovane::editor
