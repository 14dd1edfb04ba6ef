#pragma once

#include <cstdint>

namespace ferrovane::model {

// What a click on the board means (AStatus). The start-up log records the numbers, so
// each value is fixed; a value without a registered mode leaves the board inert.
enum class EditorMode : std::int16_t {
    Place = 0,              // place and select (default)
    CatalogueChanging = 10, // the catalogue is being replaced
    RangeArmed = 50,        // range selection waits for the drag
    RangeDragging = 51,     // the range box is dragged
    RulerArmed = 60,        // the ruler waits for the drag
    RulerDragging = 61,     // the ruler is dragged
    // Three states whose own drawing a change of the hover result must not wipe.
    KeepsDrawingFirst = 79,
    KeepsDrawingSecond = 80,
    KeepsDrawingThird = 81,
    Delete = 100,          // the delete tool
    TypedAngle = 120,      // the typed-angle window for a straight, curve or point
    TypedAngleBox = 130,   // the typed-angle window for a rail box
    CatalogueEditor = 250, // the catalogue editor is open
    StartingUp = 500,      // the main window is still starting
    Recolour = 600,        // the recolour tool
    TextLabel = 700,       // a text label is placed at the next click
    Elevate = 800,         // the elevation tool
    FlexChoosingStart = 1001,
    FlexChoosingEnd = 1002,
    FlexShaping = 1100, // the control handles are adjusted
    FlexDraggingStartHandle = 1500,
    FlexDraggingEndHandle = 1501,
    CloseGapFirstEnd = 1200,  // the gap closer waits for its first free end
    CloseGapSecondEnd = 1201, // and for its second
    CloseGapChoosing = 1202,  // both chosen: the window lists the ways to join them
    NotPlaceable = 9998, // the tool box's choice cannot be placed by clicking
    BadTextSize = 9999,  // the text tool has no valid text size
};

// The modes of the tool windows (delete, recolour, text label, elevation, flexible
// rail): while one is open the board stays in its modes whatever the tool box shows.
constexpr bool IsToolWindowMode(EditorMode mode) {
    switch (mode) {
    case EditorMode::Delete:
    case EditorMode::Recolour:
    case EditorMode::TextLabel:
    case EditorMode::Elevate:
    case EditorMode::FlexChoosingStart:
    case EditorMode::FlexChoosingEnd:
    case EditorMode::FlexShaping:
    case EditorMode::FlexDraggingStartHandle:
    case EditorMode::FlexDraggingEndHandle:
    case EditorMode::CloseGapFirstEnd:
    case EditorMode::CloseGapSecondEnd:
    case EditorMode::CloseGapChoosing:
    case EditorMode::BadTextSize:
        return true;
    default:
        return false;
    }
}

// The number stored and logged for a mode.
constexpr std::int16_t ModeNumber(EditorMode mode) {
    return static_cast<std::int16_t>(mode);
}

} // namespace ferrovane::model
