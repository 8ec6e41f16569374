// The difficulty figure of a level and the counts behind it.
//
// figure = roads + 2 * kinds, where
//   roads: cells holding a movable road tile (1..90): every one of them is
//          shuffled away and has to be brought back;
//   kinds: different movable road tiles, counting interchangeable tiles
//          (3/58, 33/48/49, 38/61, 39/59, 40/60, 41/62) as one: each new kind is
//          one more shape the player has to tell apart and place.
// Grass and fixed tiles do not raise the figure: grass is shuffled too, but it
// only ever fits where no road runs, and fixed tiles stay where they belong.
#pragma once

#include <array>
#include <string>

#include "game.h"
#include "tilekinds.h"

namespace zt::levels {

struct LevelStats {
    int figure = 0;
    int roads = 0; // movable tiles 1..90
    int kinds = 0; // distinct canonical movable road tiles
    int grass = 0; // tile 0
    int fixedTiles = 0;
    int fixedWithRoad = 0; // fixed tiles that movable roads have to meet
    std::array<int, RoadFamilyCount> byFamily{};
};

LevelStats Measure(const LevelRecord& record);

// "figure 34  roads 18 (street 10, raised 4, small 2, mixed 2)  kinds 8  grass 40  fixed 5"
std::string StatsLine(const LevelStats& s);

} // namespace zt::levels
