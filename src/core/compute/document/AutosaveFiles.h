#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/compute/document/AutosaveRecord.h"
#include "core/values/format/FileError.h"
#include "core/values/model/Layout.h"

namespace ferrovane::document {

// One autosave on disk: the layout in the layout file format, and its record. The name
// carries the id of the process that wrote it, so a start can tell the autosaves of runs
// that ended without cleaning up from those of editors still open.
struct AutosaveFiles {
    std::string Layout; // ".../autosave-PID-TOKEN.fvl"
    std::string Record; // ".../autosave-PID-TOKEN.rec"
    long Pid = 0;
};

inline constexpr const char* AutosaveFolderName = "autosave";

// The autosave folder inside the per-user data folder.
std::string AutosaveFolderIn(const std::string& userDataDir);

// The files of one editor window's autosave: token tells windows of one process apart.
AutosaveFiles SessionAutosaveFiles(const std::string& folder, long pid, const std::string& token);

// Writes the record, then the layout, each through a temporary file and a rename; the
// folder is made when missing. A layout file therefore never lacks its record unless
// something else removed it.
bool WriteAutosaveFiles(const AutosaveFiles& files, const std::string& layoutBytes,
                        const AutosaveRecord& record, FileError& error);

// Removes both files; missing ones are no error.
void RemoveAutosaveFiles(const AutosaveFiles& files);

// Renames both files (those that exist) to the names of `to`. False when the layout
// could not be moved.
bool MoveAutosaveFiles(const AutosaveFiles& from, const AutosaveFiles& to);

// Renames both files out of the way with ".damaged" (and a number when that name is
// taken) so they are not offered again but stay for the user. Returns the layout's new
// name (or the record's when the layout is missing).
std::string PutAutosaveAside(const AutosaveFiles& files);

// The autosaves in folder whose process is no longer running, newest layout first.
// Records without a layout (a run that ended in its very first write) hold no edits and
// are removed.
std::vector<AutosaveFiles> LeftOverAutosaves(const std::string& folder,
                                             const std::function<bool(long pid)>& isRunning);

} // namespace ferrovane::document
