// What each tile shows and how its picture runs on into the neighbouring cells.
//
// The edge codes of the catalogue decide whether a board is solved; this table decides
// whether a laid-out board makes sense to the eye: a river that flows on, a building
// whose parts stand together, a railway that does not stop in a field. The tile art is
// drawn from it and the level generator places the fixed tiles by it.
#pragma once

#include "catalogue.h"

#include <array>
#include <cstdint>
#include <span>

namespace zt {

enum class Scenery : std::uint8_t {
    Grass,           // open ground, no road
    Road,            // a movable road piece; its arms are the edge codes
    BuildingPart,    // one cell of a building that spans several cells
    House,           // a one-cell house or building, with its driveway where a code 3 side is
    Park,            // trees, lawn and paths, all inside the cell
    Pond,            // a small pond inside the cell
    River,           // a river running through (straight or a bend)
    RiverSpring,     // a spring where a river begins; the river leaves on one side
    RiverMouth,      // a river flowing into a lake through its shore
    Lake,            // open water on all sides (also with a windsurfer, an island, a boat)
    LakeShore,       // the edge or a corner of a lake
    Bridge,          // a road bridge over a river
    Causeway,        // a raised road on a stone dam across a lake
    ShoreStreet,     // a street bend along the corner of a lake
    Railway,         // a railway line (straight or a bend)
    LevelCrossing,   // a road crossing a railway, with barriers
    RailwayBridge,   // a railway bridge over a river
    RoadOverRailway, // a raised road bridging a railway
};

// What a side of a tile's picture carries across into the cell beyond it, besides the road
// of the side's edge code (roads cross Open sides, and Lake sides on a causeway).
enum class Across : std::uint8_t {
    Open,             // ground at the edge: grass, a garden, a building's margin
    River,            // a river crosses the middle of the side
    Lake,             // water along the whole side
    ShoreWaterFirst,  // a lake shore crosses the middle; water on the first half of the side
                      // (the upper half of a left or right side, the left half of a top or
                      // bottom side), land on the other
    ShoreWaterSecond, // the same with water on the second half (lower half, right half)
    Railway,          // a railway crosses the middle of the side
    Part,             // the same building goes on; the tile across must be `partner`
};

struct SideScenery {
    Across across = Across::Open;
    std::uint8_t partner = 0; // only for Part: the tile that must stand across this side
};

struct SceneryEntry {
    Scenery kind;
    std::array<SideScenery, 4> sides; // right, top, left, bottom
    const char* name;                 // a few words for authors' tools
};

// The entry of tile t. Indices outside 0..199 (a damaged level file) get an entry that
// fits nowhere, and the queries below answer false or -1 for them.
const SceneryEntry& SceneryOf(int t);

// What must be across side s of tile t.
inline SideScenery ContinuesWith(int t, Side s) {
    return SceneryOf(t).sides[s];
}

// True when tile b may stand across side s of tile a: the edge codes are equal and the
// pictures run on (same kind of crossing, and for building parts exactly the partner).
bool FitsBeside(int a, Side s, int b);

// True when side s of tile t may lie on the border of the board: no road (the solve check
// wants that anyway) and not the inside of a building. Water and railway may run off the
// board; the frame cuts them.
bool MayFaceBorder(int t, Side s);

// A multi-cell building as it must be laid out: `tiles[row * width + column]` is the
// tile of that cell, or -1 where the rectangle holds no part of the building (the cell
// is then free for other tiles, which must fit the parts' sides as usual).
struct BuildingPlan {
    int width = 0;
    int height = 0;
    std::array<int, 16> tiles{};
    int at(int column, int row) const { return tiles[row * width + column]; }
};

// Every multi-cell building, worked out from the Part links of the table.
std::span<const BuildingPlan> BuildingPlans();

// The index into BuildingPlans() of the building that tile t belongs to, or -1.
int BuildingOf(int t);

} // namespace zt
