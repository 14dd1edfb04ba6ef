#pragma once

#include <vector>

#include "cli/ScriptRunner.h"

namespace ferrovane::cli {

// Script commands over the edit operations on placed rails: selection, delete, move all,
// layout size, recolour, rename, elevation, clipboard, parts list and layout information.
// A RAIL argument must name a live rail; anything the line cannot mean is a bad line.
const std::vector<ScriptCommandEntry>& ScriptEditCommandTable();

} // namespace ferrovane::cli
