// Whether the scenery of a laid-out board makes sense: every picture runs on into
// its neighbours as the scenery table says (buildings whole and in place, rivers
// and railway lines that end only at the border or at a piece made to end them,
// bridges over water, level crossings on a railway, driveways meeting a road),
// and nothing but water, railway and open ground faces the border.
#pragma once

#include <string>
#include <vector>

#include "game.h"

namespace zt::levels {

// One line per fault; empty when the scenery is sound. Cells holding no tile at
// all are reported once and their sides are not looked at.
std::vector<std::string> SceneryFaults(const Board& board);

} // namespace zt::levels
