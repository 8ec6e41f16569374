// Hints for a stuck player: the swap with the marked tile that brings the board
// nearest a fitting board, and the whole way there.
//
// Every swap takes the marked tile. Give every misplaced cell the tile it should
// hold, and the cells form cycles: the tile on one cell belongs on the next. The
// cycle that holds the marked tile takes one swap per cell but one; any other
// cycle one swap more, to bring the marked tile into it. Tiles with the same
// number are interchangeable, so the cycles are ours to choose, and fewer, longer
// cycles are cheaper: the best is one cycle for each group of tile numbers that
// the misplaced cells tie together, which makes the fewest swaps to one goal a
// count, not a search.
//
// The fit rule sees only edges, so on the game's boards a tile counts by its four
// edges, and the goal is any board that fits with every fixed tile in place: the
// level's arrangement, the same picture shifted across the grass, or any other
// arrangement of the same tiles whose roads meet.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "game.h"

namespace zt {

// Boards of any size, one number per cell, for the arithmetic and its tests.
// `goal` is the arrangement; cells whose goal tile does not move are not part of
// it and are left alone. `marked` is the index of the marked tile.

// The fewest swaps with the marked tile that turn `tiles` into `goal`, or -1 when
// no swaps can: other tiles, or the marker not on a tile that moves.
int FewestSwaps(std::span<const std::uint8_t> tiles, std::span<const std::uint8_t> goal,
                int marked);

// The index of the cell to swap the marked tile with, one swap nearer the goal;
// nothing when `tiles` already is the goal or cannot become it.
std::optional<int> NextSwap(std::span<const std::uint8_t> tiles, std::span<const std::uint8_t> goal,
                            int marked);

// The game's boards. `record` is the level's record as the level file holds it.

// The tile that stands for every movable tile with the same four edges: the
// lowest numbered of them. Fixed tiles stand for themselves.
std::uint8_t EdgeClass(std::uint8_t tile);

// The board the hints lead to, in edge classes, and the swaps it takes.
struct HintAim {
    Board goal;
    int swaps = 0;
};

// The nearest fitting board among those the search finds: always the level's
// arrangement and each of its shifts across the grass, and every fitting
// board of these tiles wherever the search can rule the rest out in time (on
// boards with few movable tiles, always). `known` is a goal aimed at before,
// kept unless a nearer one turns up, so that following the hints never turns
// back. Nothing when the board was not dealt from this record or the marker is
// not on a movable tile. A record that does not fit, on a board where no other
// arrangement does, is aimed at all the same.
std::optional<HintAim> AimHints(const Board& board, const LevelRecord& record, Cell marked,
                                const Board* known = nullptr);

// The cell to swap the marked tile with, one swap nearer `goal` (edge classes);
// nothing when the board is the goal or cannot become it.
std::optional<Cell> HintToward(const Board& board, const Board& goal, Cell marked);

// The cell to swap the marked tile with; nothing when the board fits already or
// was not dealt from this record.
std::optional<Cell> Hint(const Board& board, const LevelRecord& record, Cell marked);

// The cells the marked tile goes to when every hint is followed, in order, until
// the board fits; their number is the hint count of this deal.
std::vector<Cell> HintedSwaps(Board board, const LevelRecord& record, Cell marked);

} // namespace zt
