// What a level author needs to know about the road tiles beyond their edge codes:
// which tiles the solve check cannot tell apart, what family of road a tile
// belongs to, and which tiles are plain straights.
#pragma once

#include <cstdint>

#include "catalogue.h"
#include "game.h"

namespace zt::levels {

// The families the library introduces one after the other.
enum class RoadFamily : int {
    Grass,  // tile 0
    Street, // streets only: straights, curves, crossings, junctions, dead ends, roundabout
    Raised, // anything with a raised side, ramps included
    Small,  // small roads only
    Mixed,  // street meets small road (give-way junctions, crossings)
    Fixed,  // 91..199
    Invalid // 200 or more
};
constexpr int RoadFamilyCount = 7;

RoadFamily FamilyOf(int t);
const char* FamilyName(RoadFamily f);

// The lowest tile index with the same four edge codes among the movable tiles
// (3 for 58, 33 for 48 and 49, 38 for 61 ...). Fixed and invalid tiles map to themselves.
int Canonical(int t);

// A record with every movable tile replaced by its canonical one: two levels that
// differ only by interchangeable tiles compare equal on this.
LevelRecord CanonicalRecord(const LevelRecord& record);

// A tile whose road runs straight through, left to right or top to bottom, and
// nowhere else. Long chains of these make dull levels.
bool IsStraight(int t);

// Number of sides of tile t that carry a road.
int ArmCount(int t);

} // namespace zt::levels
