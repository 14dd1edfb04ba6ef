// Parses arbitrary bytes as a catalogue file. Beyond not crashing, a catalogue that was
// read must render to bytes that read back to a catalogue rendering the same bytes: what
// the writer writes, the reader reads.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/compute/catalogue/CatalogueParser.h"
#include "core/compute/catalogue/CatalogueWriter.h"

using namespace ferrovane::catalogue;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const CatalogueParseResult first = ParseCatalogue(bytes, 128);
    if (first.Outcome != CatalogueParseOutcome::Read) return 0;

    const std::string written = RenderCatalogue(first.Catalogue);
    const CatalogueParseResult second = ParseCatalogue(written, 128);
    // Names come back through the Shift_JIS converter, so one pass may still normalise
    // them; from then on the bytes are fixed.
    if (second.Outcome != CatalogueParseOutcome::Read) std::abort();
    const std::string again = RenderCatalogue(second.Catalogue);
    if (ParseCatalogue(again, 128).Outcome != CatalogueParseOutcome::Read) std::abort();
    if (RenderCatalogue(ParseCatalogue(again, 128).Catalogue) != again) std::abort();
    return 0;
}
