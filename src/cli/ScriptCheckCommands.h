#pragma once

#include <vector>

#include "cli/ScriptRunner.h"

namespace ferrovane::cli {

// Script commands of the layout check: gap RAIL END, close RAIL END RAIL END [N].
const std::vector<ScriptCommandEntry>& ScriptCheckCommandTable();

} // namespace ferrovane::cli
