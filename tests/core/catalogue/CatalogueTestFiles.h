#pragma once

#include <string>
#include <vector>

#include "support/LayoutFixtures.h"

namespace ferrovane::testing {

// A catalogue file's bytes from UTF-8 lines: Shift_JIS, CR LF.
std::string CatalogueBytes(const std::vector<std::string>& utf8Lines);

// A temporary directory that also writes files.
class TempDir : public layouts::TempDir {
public:
    std::string Path(const std::string& name) const { return File(name); }
    std::string Write(const std::string& name, const std::string& bytes) const {
        layouts::WriteBytes(File(name), bytes);
        return File(name);
    }
};

using layouts::ReadBytes;

} // namespace ferrovane::testing
