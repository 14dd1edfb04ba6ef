// Parses arbitrary bytes as a layout file. Beyond not crashing: a layout that was read
// keeps the link invariant after repair, indexes without trouble, and what the writer
// writes reads back to the same rails and, from the second round on, the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/compute/document/LayoutReader.h"
#include "core/compute/document/LayoutWriter.h"
#include "core/compute/geometry/RepairLinks.h"
#include "core/values/model/RailIndex.h"

using namespace ferrovane;

namespace {

// The fields that pass through the text unchanged (Singles may round to 7 digits once,
// names may be normalised by the Shift_JIS round trip once).
bool SameWholeFields(const model::Rail& a, const model::Rail& b) {
    return a.Valid == b.Valid && a.No == b.No && a.Kind == b.Kind && a.Dir == b.Dir &&
           a.Reserved1 == b.Reserved1 && a.Free0 == b.Free0 && a.Free1 == b.Free1 &&
           a.Free2 == b.Free2 && a.LinkEnd0 == b.LinkEnd0 && a.Link0 == b.Link0 &&
           a.LinkEnd1 == b.LinkEnd1 && a.Link1 == b.Link1 && a.LinkEnd2 == b.LinkEnd2 &&
           a.Link2 == b.Link2 && a.Upper == b.Upper && a.Reserved2 == b.Reserved2 &&
           a.Reserved3 == b.Reserved3 && a.Reserved4 == b.Reserved4 && a.Color == b.Color &&
           a.BoxSeq == b.BoxSeq;
}

void Check(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    document::LayoutReadResult first = document::ParseLayout(bytes);
    if (first.Status != document::LayoutReadStatus::Loaded) return 0;
    model::Layout& layout = first.Layout;
    Check(layout.RailCount >= 0 && layout.RailCount <= model::MaxRailCount);
    Check(static_cast<int>(layout.Rails.size()) >= layout.RailCount + 1);

    geometry::RepairLinks(layout);
    Check(geometry::LinksAreConsistent(layout));
    for (int n = 0; n <= layout.RailCount; ++n)
        for (int e = 0; e < 3; ++e)
            if (layout.Rails[static_cast<std::size_t>(n)].Free(e))
                Check(layout.Rails[static_cast<std::size_t>(n)].Link(e) == 0);
    model::RebuildRailIndex(layout);

    const std::string written = document::WriteLayout(layout);
    const document::LayoutReadResult second = document::ParseLayout(written);
    Check(second.Status == document::LayoutReadStatus::Loaded);
    Check(second.Layout.RailCount == layout.RailCount);
    Check(second.Layout.LayoutWidth == layout.LayoutWidth);
    Check(second.Layout.LayoutHeight == layout.LayoutHeight);
    for (int n = 1; n <= layout.RailCount; ++n)
        Check(SameWholeFields(second.Layout.Rails[static_cast<std::size_t>(n)],
                              layout.Rails[static_cast<std::size_t>(n)]));

    const std::string again = document::WriteLayout(second.Layout);
    const document::LayoutReadResult third = document::ParseLayout(again);
    Check(third.Status == document::LayoutReadStatus::Loaded);
    Check(third.Layout.Rails == second.Layout.Rails);
    Check(document::WriteLayout(third.Layout) == again);
    return 0;
}
