// What an operation of the game changed, for the window to show once and in
// order: it draws, sounds, tells a screen reader, shows the pages, then the
// caption and gauge. The engine never waits on the window.
#pragma once

#include <optional>
#include <vector>

#include "gameview.h"

namespace zt {

// One swap: the marked tile went from `from` to `to`, and the tile on `to` came
// to `from`. The marker goes with its tile.
struct Swap {
    Cell from;
    Cell to;
    bool operator==(const Swap&) const = default;
};

// A level whose record holds the tile number `tile`, which does not exist, at
// `cell` (the first such); reported at its first deal in a run.
struct LevelDamage {
    int level;
    Cell cell;
    int tile;
    bool operator==(const LevelDamage&) const = default;
};

struct Outcome {
    // A new deal: every cell changed and the level in play is unsolved. Two
    // deals in one operation (the selector's own) show as one.
    bool dealt = false;
    // The marker's swap, by a click, undo or redo; both cells changed.
    std::optional<Swap> swapped;
    // The sounds, in order.
    std::vector<Cue> cues;
    // The deal in play was just solved.
    bool solved = false;
    // The pages of the message dialog to show, in order.
    std::vector<Page> pages;
    // The solved flags changed: the caption and the gauge.
    bool flagsChanged = false;
    // Where the level selector now stands, when it moved (0: it did not).
    int selector = 0;
    std::optional<LevelDamage> damaged;

    bool Nothing() const {
        return !dealt && !swapped && cues.empty() && !solved && pages.empty() && !flagsChanged &&
               selector == 0 && !damaged;
    }
};

}  // namespace zt
