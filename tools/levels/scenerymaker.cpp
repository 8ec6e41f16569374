#include "scenerymaker.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "catalogue.h"
#include "scenery.h"

namespace zt::levels {

namespace {

using S = Scenery;

bool Is(int t, std::initializer_list<S> kinds) {
    if (!IsTile(t))
        return false;
    const S k = SceneryOf(t).kind;
    return std::find(kinds.begin(), kinds.end(), k) != kinds.end();
}

void Weigh(std::array<double, TileCount>& w, std::initializer_list<S> kinds, double each) {
    for (int t = LastMovableTile + 1; t < TileCount; ++t)
        if (Is(t, kinds))
            w[t] = std::max(w[t], each);
}

// A cell of the area away from the border, so whatever runs through it has room.
int InnerCell(const Area& a, Rng& rng) {
    const int c0 = std::clamp(a.c0, 1, Columns - 2), c1 = std::clamp(a.c1, 1, Columns - 2);
    const int r0 = std::clamp(a.r0, 1, Rows - 2), r1 = std::clamp(a.r1, 1, Rows - 2);
    // One draw after the other: the order of arguments is left to the compiler, and
    // the file must come out the same whichever compiler built the tool.
    const int c = rng.Range(c0, c1);
    const int r = rng.Range(r0, r1);
    return CellIndex(c, r);
}

void Settle(FillPlan& plan, int cell, int tile) {
    plan.Only(cell, tile);
}

bool PlaceBuilding(FillPlan& plan, const Area& area, Rng& rng) {
    const auto plans = BuildingPlans();
    if (plans.empty())
        return false;
    const BuildingPlan& b = plans[rng.Below(static_cast<int>(plans.size()))];
    // Leave a ring of cells for the roads that its gates send out.
    if (b.width + 2 > Columns || b.height + 2 > Rows)
        return false;
    const int c0 = std::clamp(rng.Range(area.c0, area.c1), 1, Columns - b.width - 1);
    const int r0 = std::clamp(rng.Range(area.r0, area.r1), 1, Rows - b.height - 1);
    for (int c = 0; c < b.width; ++c)
        for (int r = 0; r < b.height; ++r)
            if (b.at(c, r) >= 0)
                Settle(plan, CellIndex(c0 + c, r0 + r), b.at(c, r));
    return true;
}

// A raised road on a dam across a lake, three cells long; the lake grows around it.
void PlaceCauseway(FillPlan& plan, const Area& area, Rng& rng) {
    if (rng.Chance(0.6)) {
        const int c = std::clamp(area.c0, 1, Columns - 4), r = InnerCell(area, rng) % Rows;
        Settle(plan, CellIndex(c, r), 107);
        Settle(plan, CellIndex(c + 1, r), 108);
        Settle(plan, CellIndex(c + 2, r), 109);
    } else {
        const int c = InnerCell(area, rng) / Rows, r = std::clamp(area.r0, 1, Rows - 4);
        Settle(plan, CellIndex(c, r), 127);
        Settle(plan, CellIndex(c, r + 1), 128);
        Settle(plan, CellIndex(c, r + 2), 129);
    }
}

int Pick(Rng& rng, std::initializer_list<int> tiles) {
    return *(tiles.begin() + rng.Below(static_cast<int>(tiles.size())));
}

// One of `tiles` on an inner cell of the area: the cell is drawn first.
void SettleSomewhere(FillPlan& plan, const Area& area, Rng& rng, std::initializer_list<int> tiles) {
    const int cell = InnerCell(area, rng);
    Settle(plan, cell, Pick(rng, tiles));
}

} // namespace

void AddSceneryWeights(Stage stage, std::array<double, TileCount>& w) {
    // The weights matter in two ways. Where a river or railway has to run on, only
    // its own pieces are left and the weights pick bends against straights; in open
    // country they decide how often new scenery starts by itself, which should be
    // rare: each level gets its leading piece from PlaceScenery.
    const int s = static_cast<int>(stage);
    const double start = stage == Stage::Full ? 0.003 : stage >= Stage::Mixed ? 0.01 : 0.02;
    if (s >= static_cast<int>(Stage::Water)) {
        Weigh(w, {S::River}, 1.0 * start);
        for (int t : {114, 115, 116, 117})
            w[t] *= 0.45; // rivers wind, but a bend in every cell looks like a snake
        Weigh(w, {S::Bridge}, 0.6 * start);
        Weigh(w, {S::RiverSpring}, 0.06 * start);
        Weigh(w, {S::Lake, S::LakeShore, S::RiverMouth}, 0.5 * start);
        Weigh(w, {S::Causeway, S::ShoreStreet}, 0.5 * start);
    }
    if (s >= static_cast<int>(Stage::Railway)) {
        Weigh(w, {S::Railway}, 1.0 * start);
        for (int t : {196, 197, 198, 199})
            w[t] *= 0.3; // railway lines run long and straight
        Weigh(w, {S::LevelCrossing, S::RoadOverRailway}, 0.6 * start);
        Weigh(w, {S::RailwayBridge}, 0.3 * start);
    }
    if (s >= static_cast<int>(Stage::Buildings)) {
        Weigh(w, {S::House}, 3.0 * start);
        Weigh(w, {S::Park, S::Pond, S::Grass}, 1.0 * start);
    }
}

bool PlaceScenery(Stage stage, bool fresh, const Area& area, Rng& rng, FillPlan& plan) {
    switch (stage) {
    case Stage::Water:
        // A bridge in the middle of the board: the river has to run through it.
        if (fresh)
            SettleSomewhere(plan, area, rng, {94, 95, 96, 97, 170, 171});
        else if (rng.Chance(0.4))
            PlaceCauseway(plan, area, rng);
        else if (rng.Chance(0.6))
            SettleSomewhere(plan, area, rng, {94, 95, 96, 97, 170, 171});
        return true;
    case Stage::Railway:
        SettleSomewhere(plan, area, rng, {190, 191, 194, 195, 168, 169});
        return true;
    case Stage::Buildings:
        if (fresh || rng.Chance(0.5))
            return PlaceBuilding(plan, area, rng);
        SettleSomewhere(plan, area, rng, {140, 141, 142, 143, 146, 147, 148, 149, 160, 161});
        return true;
    case Stage::Mixed:
        if (rng.Chance(0.35))
            return PlaceBuilding(plan, area, rng);
        return true;
    default:
        return true;
    }
}

bool WaterAndRailRunOn(const Board& board) {
    // Follow each river and railway line across the cells; a line that never meets
    // the border, a spring or a lake has closed on itself.
    std::array<int, CellCount> mark{};
    int line = 0;
    for (int start = 0; start < CellCount; ++start) {
        if (mark[start] ||
            !Is(board[start], {S::River, S::RiverSpring, S::Bridge, S::Railway, S::LevelCrossing,
                               S::RailwayBridge, S::RoadOverRailway}))
            continue;
        ++line;
        bool ends = false;
        std::vector<int> todo{start};
        mark[start] = line;
        while (!todo.empty()) {
            const int cell = todo.back();
            todo.pop_back();
            const int c = cell / Rows, r = cell % Rows, t = board[cell];
            if (Is(t, {S::RiverSpring, S::RiverMouth}))
                ends = true;
            const int dc[4] = {1, 0, -1, 0}, dr[4] = {0, -1, 0, 1};
            for (int s = 0; s < 4; ++s) {
                const Across a = SceneryOf(t).sides[s].across;
                if (a != Across::River && a != Across::Railway)
                    continue;
                const int nc = c + dc[s], nr = r + dr[s];
                if (nc < 0 || nc >= Columns || nr < 0 || nr >= Rows) {
                    ends = true;
                    continue;
                }
                const int next = CellIndex(nc, nr);
                if (!mark[next]) {
                    mark[next] = line;
                    todo.push_back(next);
                }
            }
        }
        if (!ends)
            return false;
    }
    return true;
}

bool ShowsStage(const Board& board, Stage stage) {
    auto any = [&](std::initializer_list<S> kinds) {
        return std::any_of(board.begin(), board.end(), [&](int t) { return Is(t, kinds); });
    };
    switch (stage) {
    case Stage::Water:
        return any({S::Bridge, S::Causeway});
    case Stage::Railway:
        return any({S::LevelCrossing, S::RoadOverRailway});
    case Stage::Buildings:
        return any({S::House, S::BuildingPart});
    default:
        return true;
    }
}

} // namespace zt::levels
