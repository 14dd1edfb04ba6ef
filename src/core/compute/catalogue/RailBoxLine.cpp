#include "core/compute/catalogue/RailBoxLine.h"

namespace ferrovane::catalogue {

namespace {

// Bytes of the first UTF-8 character of text (the marker may be any character).
std::size_t FirstCharLength(const std::string& text) {
    if (text.empty()) return 0;
    std::size_t n = 1;
    while (n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
        ++n;
    return n;
}

// Every record of the box from its header through last learns the box's highest member
// index. Done once per box rather than once per line, so long boxes stay linear.
void CloseBox(Catalogue& catalogue, RailBoxLineState& state, std::int32_t last) {
    if (!state.BoxOpen) return;
    state.BoxOpen = false;
    auto& rails = catalogue.RailBoxRails;
    if (last < state.BoxStart || last >= static_cast<std::int32_t>(rails.size())) return;
    const std::int16_t high = rails[static_cast<std::size_t>(last)].MemberIndex;
    for (std::int32_t j = state.BoxStart; j <= last; ++j)
        rails[static_cast<std::size_t>(j)].BoxHigh = high;
}

} // namespace

bool ParseRailBoxLine(Catalogue& catalogue, RailBoxLineState& state, const std::string& name,
                      const RailBoxRail& columns) {
    if (name == "End") {
        catalogue.RailBoxRailMax -= 1;
        CloseBox(catalogue, state, catalogue.RailBoxRailMax);
        return true;
    }
    const std::int32_t k = catalogue.RailBoxRailMax;
    if (k < 0 || k >= MaxRailBoxRailIndex) return false;
    if (name.rfind('#', 0) == 0) {
        CloseBox(catalogue, state, k - 1);
        state.MemberIndex = 0;
        state.BoxStart = k;
    } else {
        state.BoxStart = k - state.MemberIndex;
    }
    state.BoxOpen = true;
    catalogue.RailBoxRails.resize(static_cast<std::size_t>(k) + 2);

    RailBoxRail rail = columns;
    rail.Name = name.substr(FirstCharLength(name));
    rail.ReaderZero = 0;
    rail.MemberIndex = static_cast<std::int16_t>(state.MemberIndex);
    rail.BoxStart = static_cast<std::int16_t>(state.BoxStart);
    rail.BoxHigh = rail.MemberIndex;
    catalogue.RailBoxRails[static_cast<std::size_t>(k)] = std::move(rail);

    state.MemberIndex += 1;
    catalogue.RailBoxRailMax = k + 1;
    return true;
}

} // namespace ferrovane::catalogue
