#pragma once

namespace ferrovane::model {
struct Rail;
}

namespace ferrovane::geometry {

// How much track a rail lays, in layout units, as its record gives it:
// - a straight (on its own or in a rail box): its length;
// - a curve (on its own or in a rail box): the arc along the centre line, radius times
//   the swept angle;
// - a point: its main route once, since the diverging route runs beside it and a point
//   is sold and quoted by that route: the straight route of an ordinary point, the
//   stub and the arc after it of a curved point;
// - a flexible rail: the centre line as it is drawn, the polyline of `divides` pieces
//   along its curve, so the figure matches what the board shows;
// - a text label, and any other kind, lays none.
// A deleted rail lays none either. Negative or non-finite fields count as none.
double TrackLength(const model::Rail& rail, int divides);

} // namespace ferrovane::geometry
