#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <variant>
#include <vector>

#include "core/commands/workspace/KeptRails.h"
#include "core/values/model/RailPositions.h"

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::editor {

// Operation codes of journal records.
enum class UndoCode : std::int16_t {
    DEL = 1,
    REN = 2,
    SET = 3,
    RCL = 4,
    UPR = 5,
    MOV = 6,
    LYS = 7,
    SEL = 8,
    JNT = 9,
};

// The label the undo menu item shows for a code.
std::string_view UndoLabelOf(UndoCode code);

// What the records of one undone action share while they are taken back.
struct UndoPass {
    // Rails were removed since the index was last brought up to date.
    bool IndexStale = false;
    // Where the rails go, as they were, before a record changes them (null: not kept).
    KeptRails* Kept = nullptr;

    // Each record calls these before it changes a rail or moves the layout; a rail is
    // kept once, on its first change, so what is kept is the state before the undo.
    void Keep(const model::Layout& layout, int n) {
        if (Kept && mKeptNumbers.insert(n).second) Kept->Keep(layout, n);
    }
    void KeepPositions(const model::Layout& layout) {
        if (Kept) Kept->KeepPositions(layout);
    }

private:
    std::unordered_set<int> mKeptNumbers;
};

// Each payload holds what its change needs to be taken back and done again, and knows
// how to take it back; what it changes in rails is kept in the pass as it goes, and
// doing the action again puts that back. A payload whose change lies outside the rails
// also knows how to do it again. Rail numbers stay valid for as long as the layout is
// open.

// A rail was deleted (a rail-box group: one record per removed member).
struct RailDeleted {
    static constexpr UndoCode Code = UndoCode::DEL;
    int Rail = 0;
    void TakeBack(app::Workspace& ws, UndoPass& pass) const;
};

struct RailRenamed {
    static constexpr UndoCode Code = UndoCode::REN;
    int Rail = 0;
    std::string OldName;
    std::string NewName;
    void TakeBack(app::Workspace& ws, UndoPass& pass) const;
};

// A rail was placed; its record stays in the array when the placement is taken back.
struct RailPlaced {
    static constexpr UndoCode Code = UndoCode::SET;
    int Rail = 0;
    void TakeBack(app::Workspace& ws, UndoPass& pass) const;
};

struct RailRecoloured {
    static constexpr UndoCode Code = UndoCode::RCL;
    int Rail = 0;
    std::int32_t OldColor = 0;
    std::int32_t NewColor = 0;
    void TakeBack(app::Workspace& ws, UndoPass& pass) const;
};

// A rail changed between ground and elevated: Upper was inverted, and name and colour
// were replaced (a group member keeps both, so old and new are the same).
struct RailElevated {
    static constexpr UndoCode Code = UndoCode::UPR;
    int Rail = 0;
    std::int32_t OldColor = 0;
    std::string OldName;
    std::int32_t NewColor = 0;
    std::string NewName;
    void TakeBack(app::Workspace& ws, UndoPass& pass) const;
};

// Every rail was moved by (Dx, Dy). Adding an offset and taking it off again rounds, so
// the old positions are kept to put back bit for bit; doing the move again from them
// gives the same result as the first time.
struct LayoutMoved {
    static constexpr UndoCode Code = UndoCode::MOV;
    float Dx = 0;
    float Dy = 0;
    model::RailPositions Old;
    void TakeBack(app::Workspace& ws, UndoPass& pass) const;
};

struct LayoutResized {
    static constexpr UndoCode Code = UndoCode::LYS;
    std::int32_t OldWidth = 0;
    std::int32_t OldHeight = 0;
    std::int32_t NewWidth = 0;
    std::int32_t NewHeight = 0;
    void TakeBack(app::Workspace& ws, UndoPass& pass) const;
    void DoAgain(app::Workspace& ws) const;
};

// The selection list (SelRailList) before and after.
struct SelectionChanged {
    static constexpr UndoCode Code = UndoCode::SEL;
    std::vector<std::int16_t> OldList;
    std::vector<std::int16_t> NewList;
    void TakeBack(app::Workspace& ws, UndoPass& pass) const;
    void DoAgain(app::Workspace& ws) const;
};

// Two free ends were joined where they lay.
struct EndsJoined {
    static constexpr UndoCode Code = UndoCode::JNT;
    int RailA = 0;
    int EndA = 0;
    int RailB = 0;
    int EndB = 0;
    void TakeBack(app::Workspace& ws, UndoPass& pass) const;
};

using UndoPayload = std::variant<RailDeleted, RailRenamed, RailPlaced, RailRecoloured, RailElevated,
                                 LayoutMoved, LayoutResized, SelectionChanged, EndsJoined>;

// One journal record: the first record of a user action carries GroupStart.
struct UndoRecord {
    UndoPayload Payload;
    bool GroupStart = false;

    UndoCode Code() const;
    void TakeBack(app::Workspace& ws, UndoPass& pass) const;
    // Does again what lies outside the rails (their records come back from the pass).
    void DoAgain(app::Workspace& ws) const;
};

} // namespace ferrovane::editor
