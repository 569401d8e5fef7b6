// Where a window opens, given the bounds it was saved with: as saved wherever a
// person can see it, brought back where no one could.
#pragma once
#include "base/anchor_rules.h"

#include <vector>

// `designed` when the saved width or height is not positive. `saved` when it
// overlaps one of the monitors' work areas, or when there are none. Otherwise (the
// monitor it was on is gone, a laptop undocked) on the work area nearest to it, its
// size kept but no larger than that area, moved in no further than it takes.
Bounds OpeningBounds(const Bounds& saved, const Bounds& designed,
                     const std::vector<Bounds>& workAreas);
