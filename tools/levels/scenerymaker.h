// The fixed scenery of each stage: how often the generator may lay each fixed
// tile, and the few pieces it settles first so that a level shows its stage's
// idea (a bridge that draws a river through the town, a level crossing that
// draws a railway, a building set down whole).
#pragma once

#include <array>

#include "filler.h"
#include "generator.h"
#include "rng.h"

namespace zt::levels {

// Cells (c0, r0) to (c1, r1), both corners included.
struct Area {
    int c0, r0, c1, r1;
    bool Contains(int c, int r) const { return c >= c0 && c <= c1 && r >= r0 && r <= r1; }
};

// Adds the weights of the fixed tiles the stage may use.
void AddSceneryWeights(Stage stage, std::array<double, TileCount>& weight);

// Settles the stage's leading pieces in `plan`, inside `area` where it has room;
// false when this try found no room.
bool PlaceScenery(Stage stage, bool fresh, const Area& area, Rng& rng, FillPlan& plan);

// False when a river or railway line closes on itself instead of running off the
// board or ending at a spring or a lake.
bool WaterAndRailRunOn(const Board& board);

// Whether a finished board shows what a level of the stage is about.
bool ShowsStage(const Board& board, Stage stage);

} // namespace zt::levels
