#include "cli/Commands.h"

namespace ferrovane::cli {

const std::vector<CommandEntry>& CommandTable() {
    static const std::vector<CommandEntry> table = {};
    return table;
}

} // namespace ferrovane::cli
