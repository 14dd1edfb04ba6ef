#pragma once

#include <gtest/gtest.h>

#include "core/values/model/Layout.h"

namespace ferrovane::testing {

// The link invariant over the live rails: every joined end of a live rail names a live
// rail and one of its ends, and that end is joined back to exactly this end. Deleted
// rails are not checked (they keep their links for undo); text labels have no ends.
// With `closedEnds`, an end closed inside a rail box (not free, naming no rail) passes.
::testing::AssertionResult LinksConsistent(const model::Layout& layout, bool closedEnds = false);

// Every joint between live rails sits where both ends meet: positions within
// `tolerance` and end angles differing by 180 within `angleTolerance`.
::testing::AssertionResult JointsMeet(const model::Layout& layout, float tolerance,
                                      float angleTolerance);

} // namespace ferrovane::testing
