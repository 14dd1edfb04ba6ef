#pragma once

namespace ferrovane::platform {

// This process's id.
long CurrentProcessId();

// True while a process with this id exists (also when it belongs to another user).
bool IsProcessRunning(long pid);

} // namespace ferrovane::platform
