#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/compute/document/AutosaveFiles.h"
#include "core/compute/document/AutosaveRecord.h"
#include "core/values/model/Layout.h"
#include "core/values/text/Messages.h"

namespace ferrovane::app {

struct Workspace;
class Autosaver;

inline const char* RecoveryQuestionText() {
    return text::Msg(text::MessageId::RecoveryQuestionText);
}
inline const char* RecoveryTitle() {
    return text::Msg(text::MessageId::RecoveryTitle);
}
inline const char* DamagedAutosaveText() {
    return text::Msg(text::MessageId::DamagedAutosaveText);
}

// An autosave the user chose to restore, read completely.
struct RecoveredLayout {
    model::Layout Layout;
    document::AutosaveRecord Record;
    document::AutosaveFiles Files;
};

// The question's text: the fixed question, then when the autosave was written and the
// layout's file (or that it was never saved).
std::string RecoveryQuestion(const document::AutosaveRecord& record);

// "YYYY/MM/DD hh:mm:ss" in local time.
std::string LocalTimeText(std::int64_t secondsSince1970);

// Offers the autosaves that runs which did not end normally left behind, newest first,
// one at a time. No deletes one and goes on to the next; Yes returns it (the others stay
// for the next start: one window holds one layout). An autosave that cannot be read is
// reported and renamed out of the way, never deleted.
std::optional<RecoveredLayout> OfferLeftOverAutosaves(Workspace& ws, const Autosaver& autosaver);

} // namespace ferrovane::app
