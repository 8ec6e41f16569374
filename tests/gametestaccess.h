// The tests' way in to the game's state: set up a board, a marker or flags
// that play would take many moves to reach, and read what the window never needs.
#pragma once

#include "game.h"

struct zt::GameTestAccess {
    Game& g;
    Board& board() { return g.board_; }
    void Select(Cell cell) {
        g.selCol_ = cell.c;
        g.selRow_ = cell.r;
        g.hasSelection_ = true;
    }
    int& currentLevel() { return g.currentLevel_; }
    SolvedFlags& solvedFlags() { return g.solvedFlags_; }
    void SetLevelSolved(bool solved) { g.levelSolved_ = solved; }
    bool allSolved() const { return g.allSolved_; }
    std::uint32_t randomSeed() const { return g.randomSeed_; }
};
