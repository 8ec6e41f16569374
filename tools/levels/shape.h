// Looks at the road network of a board as a whole: its connected pieces, long
// straight runs, dead ends and tiny loops. The generator uses it to turn down
// dull or messy layouts.
#pragma once

#include <vector>

#include "game.h"

namespace zt::levels {

// Cells joined by road sides, one list of cell indices per piece of network.
// Cells without any road side belong to no piece.
std::vector<std::vector<int>> RoadPieces(const Board& board);

// Turns every piece that holds only movable tiles, except the largest such
// piece, into grass. A whole piece meets only roadless sides, so the board still
// fits afterwards. Pieces with a fixed tile stay.
void KeepLargestPiece(Board& board);

// The longest run of straight tiles lying end to end.
int LongestStraightRun(const Board& board);

// Movable tiles with a single road side.
int DeadEnds(const Board& board);

// 2 x 2 blocks of four curves closing on themselves.
int TinyLoops(const Board& board);

} // namespace zt::levels
