// Fills the open cells of a board with tiles so that every side fits and every
// picture runs on into its neighbours (the scenery table), choosing among allowed
// tiles by weight. The generator decides what may go where; this
// only finds a fitting arrangement.
#pragma once

#include <array>
#include <bitset>
#include <optional>

#include "catalogue.h"
#include "game.h"
#include "rng.h"

namespace zt::levels {

using TileSet = std::bitset<TileCount>;

struct FillPlan {
    // What each cell may hold. A cell with one allowed tile is settled from the start.
    std::array<TileSet, CellCount> allowed;
    // How likely each tile is chosen, per tile; a cell may scale grass up or down.
    std::array<double, TileCount> weight{};
    std::array<double, CellCount> grassScale;

    FillPlan();
    void Only(int cell, int tile);
};

// Tiles whose code on `side` equals `code`.
const TileSet& TilesWithEdge(Side side, int code);

// A fitting board, or nothing when `attempts` tries all ran into a cell with no
// tile left.
std::optional<Board> Fill(const FillPlan& plan, Rng& rng, int attempts = 20);

} // namespace zt::levels
