// How hard a level is, read from its record alone: the level tool orders the
// library by it, and the level browser shows it.
//
// figure = roads + 2 x kinds: every movable road tile is shuffled away and has
// to be brought back, and every new shape (tiles with the same four edges
// counted once) is one more to tell apart and place. Grass and fixed tiles do
// not raise it.
#pragma once

#include "game.h"

namespace zt {

int DifficultyFigure(const LevelRecord& record);

// The figure as 1 to 5 marks, in steps that split the shipped library in
// fifths: 1 up to the raised roads, 5 for the last hundred levels.
constexpr int MostDifficultyMarks = 5;
int DifficultyMarks(int figure);

} // namespace zt
