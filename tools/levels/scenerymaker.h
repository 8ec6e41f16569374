// Places the fixed scenery of a stage on an empty plan: rivers and lakes with
// their crossings, railway lines, buildings and houses, each whole and in place.
#pragma once

#include "filler.h"
#include "generator.h"
#include "rng.h"

namespace zt::levels {

// Settles the scenery cells of `plan` and narrows the cells around them; false
// when this try found no room.
bool PlaceScenery(Stage stage, bool fresh, Rng& rng, FillPlan& plan);

} // namespace zt::levels
