#include "core/commands/workspace/Workspace.h"

#include "core/values/platform/StartLog.h"

namespace ferrovane::app {

void Workspace::Log(const std::string& line) const {
    WriteStartLog(StartLogPath, line);
}

} // namespace ferrovane::app
