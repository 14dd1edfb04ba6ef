#include "core/catalogue/CatalogueTestFiles.h"

#include <stdexcept>

#include "core/values/format/TextCodec.h"

namespace ferrovane::testing {

std::string CatalogueBytes(const std::vector<std::string>& utf8Lines) {
    std::string text;
    for (const auto& line : utf8Lines)
        text += line + "\r\n";
    auto sjis = platform::Utf8ToShiftJis(text);
    if (!sjis) throw std::runtime_error("test text not representable in Shift_JIS");
    return *sjis;
}

} // namespace ferrovane::testing
