// Which movable tiles a level may use at each point of the library, and how
// often the generator reaches for each.
#pragma once

#include <array>

#include "catalogue.h"
#include "game.h"

namespace zt::levels {

// The road ideas in the order the library introduces them.
enum class RoadIdea : int {
    Streets,    // straights, curves, dead ends
    Junctions,  // crossings, junctions of three arms, roundabout, wide street ends
    Raised,     // raised road, ramps, raised crossings
    SmallRoads, // small roads and their junctions with streets
};

// Weights for the movable tiles 1..90 of every idea up to `idea`; grass is left
// to the caller. `fresh` favours the newest idea's tiles so a level shows it off.
std::array<double, TileCount> RoadWeights(RoadIdea idea, bool fresh);

} // namespace zt::levels
