#pragma once

namespace ferrovane::model {
struct Layout;
}

namespace ferrovane::geometry {

// Checks the joint links of a freshly loaded layout. An end stays joined only when both
// rails are live, both ends exist (ends 0 and 1 on rails below kind 100, end 2 on
// points only), the rails differ, and each end names the other. Every other end is
// made free, and every free end gets Link 0. A text label's end flags are its bold and
// italic and stay as they are; its links become 0. Afterwards the link invariant holds.
void RepairLinks(model::Layout& layout);

// True when every joined end of slots 0..RailCount is one half of a consistent pair as
// RepairLinks leaves them; used by tests and debug checks.
bool LinksAreConsistent(const model::Layout& layout);

} // namespace ferrovane::geometry
