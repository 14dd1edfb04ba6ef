#include "core/app/autosave/AutosaveRecovery.h"

#include <ctime>

#include "core/app/autosave/Autosaver.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/document/LayoutReader.h"
#include "core/values/platform/FileSystem.h"
#include "core/values/platform/UiHost.h"
#include "core/values/text/Messages.h"

namespace ferrovane::app {

namespace {

// The autosave read whole, or nullopt when either file is unreadable or malformed.
std::optional<RecoveredLayout> ReadAutosave(const document::AutosaveFiles& files) {
    document::FileError error;
    const auto recordText = platform::ReadWholeFile(files.Record, error);
    if (!recordText) return std::nullopt;
    auto record = document::ParseAutosaveRecord(*recordText);
    if (!record) return std::nullopt;
    const auto bytes = platform::ReadWholeFile(files.Layout, error);
    if (!bytes) return std::nullopt;
    auto read = document::ParseLayout(*bytes);
    if (read.Status != document::LayoutReadStatus::Loaded) return std::nullopt;
    return RecoveredLayout{std::move(read.Layout), std::move(*record), files};
}

} // namespace

std::string LocalTimeText(std::int64_t secondsSince1970) {
    const std::time_t t = static_cast<std::time_t>(secondsSince1970);
    std::tm local{};
    if (!::localtime_r(&t, &local)) return {};
    char text[32];
    std::strftime(text, sizeof text, "%Y/%m/%d %H:%M:%S", &local);
    return text;
}

std::string RecoveryQuestion(const document::AutosaveRecord& record) {
    const std::string file = record.LayoutFileName.empty()
                                 ? std::string(text::Msg(text::MessageId::UnsavedLayoutName))
                                 : record.LayoutFileName;
    return std::string(RecoveryQuestionText()) +
           text::Msg(text::MessageId::RecoveryDetails, {LocalTimeText(record.SavedAt), file});
}

std::optional<RecoveredLayout> OfferLeftOverAutosaves(Workspace& ws, const Autosaver& autosaver) {
    const auto leftOver = document::LeftOverAutosaves(
        autosaver.Folder(), [&autosaver](long pid) { return autosaver.IsRunning(pid); });
    platform::UiHost& host = *ws.Host;
    for (const auto& files : leftOver) {
        ws.Log("[frmMain] Autosave found " + files.Layout);
        auto recovered = ReadAutosave(files);
        if (!recovered) {
            const std::string aside = document::PutAutosaveAside(files);
            ws.Log("[frmMain] Autosave damaged, kept as " + aside);
            host.ShowMessage({std::string(DamagedAutosaveText()) + "\r\n" + aside, RecoveryTitle(),
                              platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
            continue;
        }
        // The tool box is not shown yet at this point of the start.
        const auto answer =
            host.ShowMessage({RecoveryQuestion(recovered->Record), RecoveryTitle(),
                              platform::MessageIcon::Question, platform::MessageButtons::YesNo});
        if (answer == platform::Answer::Yes) {
            ws.Log("[frmMain] Autosave restored");
            return recovered;
        }
        document::RemoveAutosaveFiles(files);
        ws.Log("[frmMain] Autosave deleted");
    }
    return std::nullopt;
}

} // namespace ferrovane::app
