#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "core/compute/document/AutosaveFiles.h"
#include "core/values/format/FileError.h"

namespace ferrovane::app {

struct Workspace;

// The clocks an autosave reads: a steady one for the intervals and the wall clock (seconds
// since 1970) for the time the record keeps. Tests set both.
struct AutosaveClock {
    std::function<std::chrono::steady_clock::time_point()> Now;
    std::function<std::int64_t()> WallSeconds;
    static AutosaveClock System();
};

// Keeps a copy of a modified layout on disk so that a crash loses at most one interval
// of work. The front end calls Tick from a timer and after each command; everything it
// decides is here. The layout is copied on the caller's thread and written on a worker
// thread, one write at a time.
class Autosaver {
public:
    struct Options {
        std::string Folder; // the autosave folder; empty: no autosave
        long Pid = 0;       // 0: this process
        std::string Token;  // tells windows of one process apart; empty: made up
        AutosaveClock Clock = AutosaveClock::System();
        // Whether a process still runs: its autosaves are not left over.
        std::function<bool(long pid)> IsRunning;
    };

    explicit Autosaver(Options options);
    ~Autosaver(); // waits for a write that is still running
    Autosaver(const Autosaver&) = delete;
    Autosaver& operator=(const Autosaver&) = delete;

    // Seconds between autosaves instead of the AutoSaveMinutes setting (nullopt: the
    // setting). Short intervals let a test see a write without waiting minutes.
    void SetIntervalOverride(std::optional<std::chrono::seconds> interval) { mOverride = interval; }
    std::optional<std::chrono::seconds> Interval(const Workspace& ws) const;

    // Looks at the layout: once it is no longer modified (saved, replaced) its autosave
    // goes; while it is modified, a copy is written when an interval has passed since it
    // became modified or since the last write, unless a write is still running. A layout
    // unchanged since the last write is not written again. True when a write started.
    bool Tick(Workspace& ws);

    // The program ends normally: the autosave goes.
    void Discard();

    // Waits until a running write has finished.
    void WaitForWrite();
    bool Writing() const { return mWorker.joinable() && !mDone.load(); }

    // Takes a recovered autosave as this window's own, under its name: it stays on disk
    // until the layout is saved or the program ends normally.
    bool Adopt(const document::AutosaveFiles& recovered);

    const document::AutosaveFiles& Files() const { return mFiles; }
    const std::string& Folder() const { return mOptions.Folder; }
    bool IsRunning(long pid) const;
    // The failure of the last write, if it failed.
    const std::optional<document::FileError>& LastError() const { return mLastError; }
    // Writes that reached the disk (a write of an unchanged layout does not).
    int WriteCount() const { return mWrites; }

private:
    void CollectWorker(Workspace* ws);
    void RemoveFiles();

    Options mOptions;
    document::AutosaveFiles mFiles;
    std::optional<std::chrono::seconds> mOverride;
    std::optional<std::chrono::steady_clock::time_point> mSince; // modified since / last write
    bool mHasFiles = false;
    std::size_t mWrittenHash = 0; // of the bytes on disk, 0: none
    int mWrites = 0;
    std::optional<document::FileError> mLastError;

    // Shared with the worker only while it runs; read after it is joined.
    std::thread mWorker;
    std::atomic<bool> mDone{false};
    std::size_t mWorkerHash = 0;
    bool mWorkerWrote = false;
    std::optional<document::FileError> mWorkerError;
};

} // namespace ferrovane::app
