#pragma once

#include <string>
#include <vector>

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::cli {

// Script commands for flexible rails, undo, redo and the rail-box tool. Each takes the words
// after the command name and returns an empty string when the line was carried out (an
// edit the editor refuses counts as carried out), else the reason the line is bad.

// flex A B [H1X H1Y H2X H2Y]: A and B are RAIL:END or X,Y,ANGLE.
std::string RunFlexCommand(app::Workspace& ws, const std::vector<std::string>& args);
// undo
std::string RunUndoCommand(app::Workspace& ws, const std::vector<std::string>& args);
// redo
std::string RunRedoCommand(app::Workspace& ws, const std::vector<std::string>& args);
// tool box NAME (args holds NAME)
std::string RunToolBoxCommand(app::Workspace& ws, const std::vector<std::string>& args);

} // namespace ferrovane::cli
