#include "core/values/platform/Process.h"

#include <cerrno>
#include <csignal>
#include <sys/types.h>
#include <unistd.h>

namespace ferrovane::platform {

long CurrentProcessId() {
    return static_cast<long>(::getpid());
}

bool IsProcessRunning(long pid) {
    if (pid <= 0) return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

} // namespace ferrovane::platform
