#pragma once

#include <cstdint>

namespace ferrovane::editor {

// The AStatus values the edit tools switch the board into.
inline constexpr std::int16_t AStatusPlace = 0;
inline constexpr std::int16_t AStatusDelete = 100;
inline constexpr std::int16_t AStatusCatalogueEditor = 250;
inline constexpr std::int16_t AStatusRecolour = 600;
inline constexpr std::int16_t AStatusElevate = 800;

} // namespace ferrovane::editor
