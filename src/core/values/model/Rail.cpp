#include "core/values/model/Rail.h"

#include <cmath>

namespace ferrovane::model {

float CellOf(float value) {
    return std::floor(value / 100.0f);
}

void UpdateCells(Rail& rail) {
    rail.MidCellX = CellOf(rail.MidX);
    rail.MidCellY = CellOf(rail.MidY);
    rail.Cell0X = CellOf(rail.X0);
    rail.Cell0Y = CellOf(rail.Y0);
    rail.Cell1X = CellOf(rail.X1);
    rail.Cell1Y = CellOf(rail.Y1);
    rail.Cell2X = CellOf(rail.X2);
    rail.Cell2Y = CellOf(rail.Y2);
}

} // namespace ferrovane::model
