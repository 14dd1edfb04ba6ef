#pragma once

#include <cstddef>
#include <string>

#include "core/values/format/FileError.h"

namespace ferrovane::platform {

// The one way every writer of the program replaces a file (layout, catalogue, image):
// - the bytes go to ".NAME.ferrovane-tmp-PID" in the target's folder, are flushed to
//   the disk and checked, and only then renamed over the target, so a failed write
//   leaves the old file as it was;
// - a symbolic link is followed: the file it points to is replaced and the link stays;
// - the replaced file keeps its owner, group and permission bits as far as the process
//   may set them;
// - a file the user may not write (no write bit for them, even when running as root,
//   or a read-only file system) is refused, as a plain write would be;
// - a hard-linked target gets a new file under this name; its other names keep the
//   old contents (the write stays atomic);
// - leftover temporary files of this target from processes no longer running go.
// False with the reason and the path in error: disk full is ErrDiskFull, a missing
// folder ErrFileNotFound, every other failure ErrPathAccess.
bool WriteFileAtomically(const std::string& path, const std::string& bytes,
                         document::FileError& error);

// The temporary file's name for a target file name and a process.
std::string TemporaryFileName(const std::string& fileName, long pid);

// Makes the writes of the following saves behave as on a disk with room for `room`
// bytes: beyond it a write fails with errorNumber. Only for tests; Reset lifts it.
void LimitWritesForTesting(std::size_t room, int errorNumber);
void ResetWriteLimitForTesting();

} // namespace ferrovane::platform
