// The scenery table. Building layouts (columns left to right, rows top to bottom):
//
//   factory with a yard        office with a plaza        works with a chimney
//      91 111                     .  104  .                 120 121 122 123
//      92 112 -> street          100 101 103                124 125 126 -> small road
//      93 113 -> small road      102 105 106                     |
//                                                             street
//
// 112 and 113 both send a road out of their right side, so they stand one above the
// other at the building's right edge; 104 has small roads on three sides and sits alone
// in front of the office.
//
// Lakes are drawn by which corners of a cell are water; a shore crosses a side at its
// middle, so the halves of a side tell the neighbour which of its corners is water.
#include "scenery.h"

#include <algorithm>
#include <vector>

namespace zt {

namespace {

constexpr SideScenery O{Across::Open, 0};
constexpr SideScenery Rv{Across::River, 0};
constexpr SideScenery Lk{Across::Lake, 0};
constexpr SideScenery S1{Across::ShoreWaterFirst, 0};
constexpr SideScenery S2{Across::ShoreWaterSecond, 0};
constexpr SideScenery Rw{Across::Railway, 0};
constexpr SideScenery P(int t) {
    return {Across::Part, static_cast<std::uint8_t>(t)};
}

constexpr SceneryEntry Road(const char* name) {
    return {Scenery::Road, {O, O, O, O}, name};
}
constexpr SceneryEntry Open(Scenery kind, const char* name) {
    return {kind, {O, O, O, O}, name};
}
constexpr SceneryEntry E(Scenery kind, SideScenery right, SideScenery top, SideScenery left,
                         SideScenery bottom, const char* name) {
    return {kind, {right, top, left, bottom}, name};
}

using S = Scenery;

constexpr std::array<SceneryEntry, TileCount> kTable = {{
    Open(S::Grass, "grass"),
    Road("street, straight up and down"),
    Road("street, straight across"),
    Road("street crossing with zebra crossings"),
    Road("street bend, top to right"),
    Road("street bend, top to left"),
    Road("street bend, left to bottom"),
    Road("street bend, right to bottom"),
    Road("ramp, street at the top, raised road at the bottom"),
    Road("ramp, raised road at the top, street at the bottom"),
    // 10
    Road("ramp, street on the left, raised road on the right"),
    Road("ramp, raised road on the left, street on the right"),
    Road("raised road, straight up and down"),
    Road("raised road, straight across"),
    Road("raised road crossing"),
    Road("raised road across, over a street"),
    Road("raised road up and down, over a street"),
    Road("raised road bend, top to right"),
    Road("bend from raised road at the top to street on the right"),
    Road("bend from street at the top to raised road on the right"),
    // 20
    Road("raised road bend, top to left"),
    Road("bend from raised road at the top to street on the left"),
    Road("bend from street at the top to raised road on the left"),
    Road("raised road bend, left to bottom"),
    Road("bend from street on the left to raised road at the bottom"),
    Road("bend from raised road on the left to street at the bottom"),
    Road("raised road bend, right to bottom"),
    Road("bend from street on the right to raised road at the bottom"),
    Road("bend from raised road on the right to street at the bottom"),
    Road("small road, straight across"),
    // 30
    Road("small road, straight up and down"),
    Road("street up and down, crossing a small road"),
    Road("street across, crossing a small road"),
    Road("small-road crossing"),
    Road("small-road bend, top to right"),
    Road("small-road bend, top to left"),
    Road("small-road bend, left to bottom"),
    Road("small-road bend, right to bottom"),
    Road("street dead end from the left, into a garage bay"),
    Road("street dead end from the right, into a garage bay"),
    // 40
    Road("street dead end from the top, into a garage bay"),
    Road("street dead end from the bottom, into a garage bay"),
    Road("small road up and down, street joining from the left"),
    Road("small road across, street joining from the bottom"),
    Road("small road up and down, street joining from the right"),
    Road("small road across, street joining from the top"),
    Road("small road across, under a raised road"),
    Road("small road up and down, under a raised road"),
    Road("two small-road bends, top to right and left to bottom"),
    Road("two small-road bends, top to left and right to bottom"),
    // 50
    Road("priority bend, street left to small road top, small road from the right"),
    Road("priority bend, street left to small road bottom, small road from the right"),
    Road("priority bend, street right to small road top, small road from the left"),
    Road("priority bend, street right to small road bottom, small road from the left"),
    Road("priority bend, street bottom to small road right, small road from the top"),
    Road("priority bend, street bottom to small road left, small road from the top"),
    Road("priority bend, street top to small road right, small road from the bottom"),
    Road("priority bend, street top to small road left, small road from the bottom"),
    Road("roundabout with a fountain"),
    Road("wide street end with a zebra crossing, open to the right"),
    // 60
    Road("wide street end with a zebra crossing, open to the top"),
    Road("wide street end with a zebra crossing, open to the left"),
    Road("wide street end with a zebra crossing, open to the bottom"),
    Road("street junction, no arm at the bottom"),
    Road("street junction, no arm on the right"),
    Road("street junction, no arm at the top"),
    Road("street junction, no arm on the left"),
    Road("street across, small road joining from the top"),
    Road("street up and down, small road joining from the left"),
    Road("street across, small road joining from the bottom"),
    // 70
    Road("street up and down, small road joining from the right"),
    Road("small-road junction, no arm at the bottom"),
    Road("small-road junction, no arm on the right"),
    Road("small-road junction, no arm at the top"),
    Road("small-road junction, no arm on the left"),
    Road("crossing, street right and top, small road left and bottom"),
    Road("crossing, street top and left, small road right and bottom"),
    Road("crossing, street left and bottom, small road right and top"),
    Road("crossing, street right and bottom, small road top and left"),
    Road("street bend top to right, small road joining from the left"),
    // 80
    Road("street bend top to right, small road joining from the bottom"),
    Road("street bend top to left, small road joining from the bottom"),
    Road("street bend top to left, small road joining from the right"),
    Road("street bend left to bottom, small road joining from the right"),
    Road("street bend left to bottom, small road joining from the top"),
    Road("street bend right to bottom, small road joining from the top"),
    Road("street bend right to bottom, small road joining from the left"),
    Road("street junction, small road on the right"),
    Road("street junction, small road at the top"),
    Road("street junction, small road on the left"),
    // 90
    Road("street junction, small road at the bottom"),
    E(S::BuildingPart, P(111), O, O, P(92), "factory, roof at the top left"),
    E(S::BuildingPart, P(112), P(91), O, P(93), "factory, roof on the left"),
    E(S::BuildingPart, P(113), P(92), O, O, "factory, roof at the bottom left"),
    E(S::Bridge, O, Rv, O, Rv, "street bridge across a river"),
    E(S::Bridge, Rv, O, Rv, O, "street bridge up and down over a river"),
    E(S::Bridge, O, Rv, O, Rv, "stone bridge across a river"),
    E(S::Bridge, Rv, O, Rv, O, "stone bridge up and down over a river"),
    E(S::River, O, Rv, O, Rv, "river, up and down"),
    E(S::River, Rv, O, Rv, O, "river, across"),
    // 100
    E(S::BuildingPart, P(101), O, O, P(102), "office, garage gate from the street on the left"),
    E(S::BuildingPart, P(103), P(104), P(100), P(105), "office, main door on the plaza"),
    E(S::BuildingPart, P(105), P(100), O, O, "office, bottom left"),
    E(S::BuildingPart, O, O, P(101), P(106), "office, delivery gate from the top"),
    E(S::BuildingPart, O, O, O, P(101), "office plaza with a pool"),
    E(S::BuildingPart, P(106), P(101), P(102), O, "office, bottom middle"),
    E(S::BuildingPart, O, P(103), P(105), O, "office, bottom right"),
    E(S::Causeway, Lk, S2, O, S2, "causeway across a lake, west end"),
    E(S::Causeway, Lk, Lk, Lk, Lk, "causeway across a lake"),
    E(S::Causeway, O, S1, Lk, S1, "causeway across a lake, east end"),
    // 110
    E(S::Lake, Lk, Lk, Lk, Lk, "open lake"),
    E(S::BuildingPart, O, O, P(91), P(112), "factory, roof at the top right"),
    E(S::BuildingPart, O, P(111), P(92), P(113), "factory, yard gate from the street"),
    E(S::BuildingPart, O, P(112), P(93), O, "factory, car park from the small road"),
    E(S::River, Rv, Rv, O, O, "river bend, top to right"),
    E(S::River, O, Rv, Rv, O, "river bend, top to left"),
    E(S::River, O, O, Rv, Rv, "river bend, left to bottom"),
    E(S::River, Rv, O, O, Rv, "river bend, right to bottom"),
    E(S::RiverSpring, Rv, O, O, O, "spring, river leaving on the right"),
    E(S::RiverSpring, O, Rv, O, O, "spring, river leaving at the top"),
    // 120
    E(S::BuildingPart, P(121), O, O, P(124), "works, top left"),
    E(S::BuildingPart, P(122), O, P(120), P(125), "works, top"),
    E(S::BuildingPart, P(123), O, P(121), P(126), "works, top"),
    E(S::BuildingPart, O, O, P(122), O, "works, top right with the chimney"),
    E(S::BuildingPart, P(125), P(120), O, O, "works, bottom left"),
    E(S::BuildingPart, P(126), P(121), P(124), O, "works, gate to the street below"),
    E(S::BuildingPart, O, P(122), P(125), O, "works, gate to the small road on the right"),
    E(S::Causeway, S2, O, S2, Lk, "causeway up and down a lake, north end"),
    E(S::Causeway, Lk, Lk, Lk, Lk, "causeway up and down a lake"),
    E(S::Causeway, S1, Lk, S1, O, "causeway up and down a lake, south end"),
    // 130
    E(S::LakeShore, S2, O, S2, Lk, "lake shore, land at the top"),
    E(S::LakeShore, Lk, S2, O, S2, "lake shore, land on the left"),
    E(S::LakeShore, S1, Lk, S1, O, "lake shore, land at the bottom"),
    E(S::LakeShore, O, S1, Lk, S1, "lake shore, land on the right"),
    E(S::LakeShore, O, O, S2, S1, "lake corner, land at the top and right"),
    E(S::LakeShore, S2, O, O, S2, "lake corner, land at the top and left"),
    E(S::LakeShore, S1, S2, O, O, "lake corner, land at the left and bottom"),
    E(S::LakeShore, O, S1, S1, O, "lake corner, land at the right and bottom"),
    E(S::RiverSpring, O, O, Rv, O, "spring, river leaving on the left"),
    E(S::RiverSpring, O, O, O, Rv, "spring, river leaving at the bottom"),
    // 140
    E(S::House, O, O, O, O, "house, driveway from the top"),
    E(S::House, O, O, O, O, "house, driveway from the left"),
    E(S::House, O, O, O, O, "house, driveway from the bottom"),
    E(S::House, O, O, O, O, "house, driveway from the right"),
    E(S::House, O, O, O, O, "house beside a small road across"),
    E(S::House, O, O, O, O, "house beside a small road up and down"),
    E(S::House, O, O, O, O, "villa, driveway from the top"),
    E(S::House, O, O, O, O, "shop, driveway from the bottom"),
    E(S::House, O, O, O, O, "farmhouse, driveway from the left"),
    E(S::House, O, O, O, O, "bungalow, driveway from the right"),
    // 150
    E(S::LakeShore, S2, S1, Lk, Lk, "lake, land in the top right corner"),
    E(S::LakeShore, Lk, S2, S2, Lk, "lake, land in the top left corner"),
    E(S::Lake, Lk, Lk, Lk, Lk, "lake with a windsurfer"),
    E(S::LakeShore, Lk, Lk, S1, S2, "lake, land in the bottom left corner"),
    E(S::LakeShore, S1, Lk, Lk, S1, "lake, land in the bottom right corner"),
    E(S::RiverMouth, Rv, S1, Lk, S1, "river flowing into a lake from the right"),
    E(S::RiverMouth, S2, Rv, S2, Lk, "river flowing into a lake from the top"),
    E(S::RiverMouth, Lk, S2, Rv, S2, "river flowing into a lake from the left"),
    E(S::Lake, Lk, Lk, Lk, Lk, "lake with an island"),
    E(S::RiverMouth, S1, Lk, S1, Rv, "river flowing into a lake from the bottom"),
    // 160
    E(S::House, O, O, O, O, "school, driveway from the right"),
    E(S::House, O, O, O, O, "house, driveway from the left"),
    E(S::House, O, O, O, O, "villa with a pool in its garden"),
    E(S::House, O, O, O, O, "workshop, driveway from the bottom"),
    E(S::House, O, O, O, O, "terraced houses beside a small road across"),
    E(S::House, O, O, O, O, "chapel, drive from the top"),
    Open(S::Park, "park"),
    E(S::Lake, Lk, Lk, Lk, Lk, "lake with a boat"),
    E(S::RoadOverRailway, O, Rw, O, Rw, "raised road across, over a railway"),
    E(S::RoadOverRailway, Rw, O, Rw, O, "raised road up and down, over a railway"),
    // 170
    E(S::Bridge, O, Rv, O, Rv, "small-road bridge across a river"),
    E(S::Bridge, Rv, O, Rv, O, "small-road bridge up and down over a river"),
    E(S::House, O, O, O, O, "farm, drives to the top and right"),
    E(S::House, O, O, O, O, "farm, drives to the top and left"),
    E(S::House, O, O, O, O, "farm, drives to the left and bottom"),
    E(S::House, O, O, O, O, "farm, drives to the right and bottom"),
    E(S::RailwayBridge, Rw, Rv, Rw, Rv, "railway bridge across a river"),
    E(S::RailwayBridge, Rv, Rw, Rv, Rw, "railway bridge up and down over a river"),
    Open(S::Pond, "pond"),
    Open(S::Grass, "meadow"),
    // 180
    E(S::House, O, O, O, O, "house, driveway from the left"),
    E(S::House, O, O, O, O, "farm beside a small road up and down"),
    E(S::House, O, O, O, O, "filling station on a small road across"),
    E(S::House, O, O, O, O, "house, driveway from the right"),
    E(S::House, O, O, O, O, "flats, drive from the top"),
    E(S::House, O, O, O, O, "house, driveway from the bottom"),
    E(S::ShoreStreet, O, O, S2, S1, "street bend top to right, lake beyond"),
    E(S::ShoreStreet, S2, O, O, S2, "street bend top to left, lake beyond"),
    E(S::ShoreStreet, S1, S2, O, O, "street bend left to bottom, lake beyond"),
    E(S::ShoreStreet, O, S1, S1, O, "street bend right to bottom, lake beyond"),
    // 190
    E(S::LevelCrossing, Rw, O, Rw, O, "level crossing, street up and down"),
    E(S::LevelCrossing, O, Rw, O, Rw, "level crossing, street across"),
    E(S::Railway, Rw, O, Rw, O, "railway, across"),
    E(S::Railway, O, Rw, O, Rw, "railway, up and down"),
    E(S::LevelCrossing, Rw, O, Rw, O, "level crossing, small road up and down"),
    E(S::LevelCrossing, O, Rw, O, Rw, "level crossing, small road across"),
    E(S::Railway, Rw, Rw, O, O, "railway bend, top to right"),
    E(S::Railway, O, Rw, Rw, O, "railway bend, top to left"),
    E(S::Railway, O, O, Rw, Rw, "railway bend, left to bottom"),
    E(S::Railway, Rw, O, O, Rw, "railway bend, right to bottom"),
}};

struct Plans {
    std::vector<BuildingPlan> plans;
    std::array<int, TileCount> owner{};
};

// Walks the Part links from each building's first tile; the table stays the one place
// where a building's shape is written down.
Plans WorkOutPlans() {
    Plans out;
    out.owner.fill(-1);
    for (int first = 0; first < TileCount; ++first) {
        if (kTable[first].kind != Scenery::BuildingPart || out.owner[first] >= 0)
            continue;
        struct Cell {
            int tile, column, row;
        };
        std::vector<Cell> cells{{first, 0, 0}};
        out.owner[first] = static_cast<int>(out.plans.size());
        for (std::size_t i = 0; i < cells.size(); ++i) {
            for (int s = 0; s < 4; ++s) {
                const SideScenery side = kTable[cells[i].tile].sides[s];
                if (side.across != Across::Part || out.owner[side.partner] >= 0)
                    continue;
                static constexpr int dx[4] = {1, 0, -1, 0};
                static constexpr int dy[4] = {0, -1, 0, 1};
                out.owner[side.partner] = out.owner[first];
                cells.push_back({side.partner, cells[i].column + dx[s], cells[i].row + dy[s]});
            }
        }
        auto [minC, maxC] = std::minmax_element(
            cells.begin(), cells.end(), [](auto& a, auto& b) { return a.column < b.column; });
        auto [minR, maxR] = std::minmax_element(cells.begin(), cells.end(),
                                                [](auto& a, auto& b) { return a.row < b.row; });
        BuildingPlan plan;
        plan.width = maxC->column - minC->column + 1;
        plan.height = maxR->row - minR->row + 1;
        plan.tiles.fill(-1);
        for (const Cell& c : cells)
            plan.tiles[(c.row - minR->row) * plan.width + (c.column - minC->column)] = c.tile;
        out.plans.push_back(plan);
    }
    return out;
}

const Plans& ThePlans() {
    static const Plans plans = WorkOutPlans();
    return plans;
}

} // namespace

// What a damaged level file's out-of-range cell shows: nothing that fits anywhere.
constexpr SceneryEntry kNoTile = {Scenery::Grass,
                                  {SideScenery{Across::Part, 0}, SideScenery{Across::Part, 0},
                                   SideScenery{Across::Part, 0}, SideScenery{Across::Part, 0}},
                                  "no such tile"};

const SceneryEntry& SceneryOf(int t) {
    return IsTile(t) ? kTable[t] : kNoTile;
}

bool FitsBeside(int a, Side s, int b) {
    if (!IsTile(a) || !IsTile(b))
        return false;
    const Side back = Opposite(s);
    if (Edge(a, s) != Edge(b, back))
        return false;
    const SideScenery mine = kTable[a].sides[s];
    const SideScenery theirs = kTable[b].sides[back];
    if (mine.across != theirs.across)
        return false;
    if (mine.across == Across::Part)
        return mine.partner == b && theirs.partner == a;
    return true;
}

bool MayFaceBorder(int t, Side s) {
    return IsTile(t) && Edge(t, s) == NoRoad && kTable[t].sides[s].across != Across::Part;
}

std::span<const BuildingPlan> BuildingPlans() {
    return ThePlans().plans;
}

int BuildingOf(int t) {
    return IsTile(t) ? ThePlans().owner[t] : -1;
}

} // namespace zt
