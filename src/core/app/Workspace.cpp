#include "core/app/Workspace.h"

#include "core/app/StartLog.h"

namespace ferrovane::app {

void Workspace::Log(const std::string& line) const { WriteStartLog(StartLogPath, line); }

} // namespace ferrovane::app
