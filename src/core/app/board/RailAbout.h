#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ferrovane::app {
struct Workspace;
}
namespace ferrovane::model {
struct Rail;
}

namespace ferrovane::editor {

// The rail-information panel: its lines, printed one below the other in the rail's
// colour.
struct RailAbout {
    std::int32_t Color = 0;
    std::vector<std::string> Lines;
    bool operator==(const RailAbout&) const = default;
};

// The lines for a rail, each of the eleven lines of a track piece only when its
// AboutShowItm slot is on. A text label shows its text, size and font instead.
RailAbout RailAboutFor(const model::Rail& rail, const std::array<bool, 16>& shown);

// The panel for the rail under the pointer; nullopt when none is (the panel keeps what
// it shows).
std::optional<RailAbout> ShowAbout(const app::Workspace& ws);

// While the next piece is previewed at a free end: the panel for the rail of that end
// with the preview's gap readout as a last line; nullopt when there is no readout.
std::optional<RailAbout> GapAbout(const app::Workspace& ws);

// Format(value, "0.#") and Format(value, "0.0"): at most one, exactly one decimal.
std::string FormatOneDecimalAtMost(float value);
std::string FormatOneDecimal(float value);

} // namespace ferrovane::editor
