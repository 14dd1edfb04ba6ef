#include "core/app/autosave/Autosaver.h"

#include <memory>
#include <random>
#include <string_view>
#include <system_error>
#include <utility>

#include "core/commands/document/AutosaveSnapshot.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/document/LayoutWriter.h"
#include "core/values/platform/Process.h"

namespace ferrovane::app {

namespace {

std::string MadeUpToken() {
    std::random_device random;
    const unsigned value = random();
    static const char* const digits = "0123456789abcdef";
    std::string token;
    for (int shift = 28; shift >= 0; shift -= 4)
        token += digits[(value >> shift) & 0xF];
    return token;
}

// What tells two autosaves apart: the layout's bytes and where it belongs, not the time.
std::size_t ContentHash(const std::string& bytes, const document::AutosaveRecord& record) {
    std::hash<std::string_view> hash;
    std::size_t h = hash(bytes);
    h ^= hash(record.LayoutFileName) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
    h ^= hash(record.CatalogueFileName) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
    return h == 0 ? 1 : h;
}

} // namespace

AutosaveClock AutosaveClock::System() {
    return {[] { return std::chrono::steady_clock::now(); },
            [] {
                return static_cast<std::int64_t>(
                    std::chrono::duration_cast<std::chrono::seconds>(
                        std::chrono::system_clock::now().time_since_epoch())
                        .count());
            }};
}

Autosaver::Autosaver(Options options) : mOptions(std::move(options)) {
    if (mOptions.Pid == 0) mOptions.Pid = platform::CurrentProcessId();
    if (mOptions.Token.empty()) mOptions.Token = MadeUpToken();
    if (!mOptions.IsRunning) mOptions.IsRunning = platform::IsProcessRunning;
    if (!mOptions.Folder.empty())
        mFiles = document::SessionAutosaveFiles(mOptions.Folder, mOptions.Pid, mOptions.Token);
}

Autosaver::~Autosaver() {
    WaitForWrite();
}

std::optional<std::chrono::seconds> Autosaver::Interval(const Workspace& ws) const {
    if (mOverride) return *mOverride > std::chrono::seconds(0) ? mOverride : std::nullopt;
    if (ws.Settings.AutoSaveMinutes <= 0) return std::nullopt;
    return std::chrono::minutes(ws.Settings.AutoSaveMinutes);
}

bool Autosaver::IsRunning(long pid) const {
    return mOptions.IsRunning(pid);
}

void Autosaver::CollectWorker(Workspace* ws) {
    if (!mWorker.joinable()) return;
    mWorker.join();
    mDone.store(false);
    if (mWorkerError) {
        // A failing disk is noted once, not every interval.
        if (ws && !mLastError) ws->Log("[Autosave] " + mWorkerError->Description);
        mLastError = mWorkerError;
        mWrittenHash = 0;
    } else {
        mLastError.reset();
        mWrittenHash = mWorkerHash;
        if (mWorkerWrote) ++mWrites;
    }
}

void Autosaver::WaitForWrite() {
    CollectWorker(nullptr);
}

void Autosaver::RemoveFiles() {
    WaitForWrite();
    if (mHasFiles) document::RemoveAutosaveFiles(mFiles);
    mHasFiles = false;
    mWrittenHash = 0;
}

bool Autosaver::Tick(Workspace& ws) {
    if (mOptions.Folder.empty()) return false;
    if (mWorker.joinable() && mDone.load()) CollectWorker(&ws);
    if (!ws.Layout.Modified) {
        mSince.reset();
        if (mHasFiles || mWorker.joinable()) RemoveFiles();
        return false;
    }
    const auto now = mOptions.Clock.Now();
    if (!mSince) mSince = now;
    const auto interval = Interval(ws);
    if (!interval || now - *mSince < *interval || mWorker.joinable()) return false;
    mSince = now;

    auto snapshot = std::make_shared<document::AutosaveSnapshot>(
        document::TakeAutosaveSnapshot(ws, mOptions.Clock.WallSeconds()));
    mHasFiles = true;
    mDone.store(false);
    mWorkerError.reset();
    mWorkerWrote = false;
    const std::size_t written = mWrittenHash;
    try {
        mWorker = std::thread([this, snapshot, written, files = mFiles] {
            const std::string bytes = document::WriteLayout(snapshot->Layout);
            mWorkerHash = ContentHash(bytes, snapshot->Record);
            if (mWorkerHash != written) {
                document::FileError error;
                if (document::WriteAutosaveFiles(files, bytes, snapshot->Record, error))
                    mWorkerWrote = true;
                else
                    mWorkerError = error;
            }
            mDone.store(true);
        });
    } catch (const std::system_error& e) {
        mWorkerError = document::FileError{0, e.what()};
        return false;
    }
    return true;
}

void Autosaver::Discard() {
    mSince.reset();
    RemoveFiles();
}

bool Autosaver::Adopt(const document::AutosaveFiles& recovered) {
    WaitForWrite();
    if (mOptions.Folder.empty() || !document::MoveAutosaveFiles(recovered, mFiles)) return false;
    mHasFiles = true;
    mWrittenHash = 0;
    return true;
}

} // namespace ferrovane::app
