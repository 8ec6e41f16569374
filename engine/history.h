// The swaps of the current deal, for undo and redo.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "game.h"
#include "outcome.h"

namespace zt {

// Exchanges the tiles of the swap's two cells: makes the swap, or takes it back.
void ExchangeTiles(Board& board, const Swap& swap);

// Every swap since the level was dealt, and those taken back since the last new one.
class History {
public:
    // A new swap; whatever was taken back can no longer be made again.
    void Record(const Swap& swap);
    // The swap to take back: exchange its tiles and put the marker on `from`.
    std::optional<Swap> Undo();
    // The swap to make again: exchange its tiles and put the marker on `to`.
    std::optional<Swap> Redo();
    // A new deal starts with no swaps.
    void Clear();

    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < swaps_.size(); }
    // The swaps that stand on the board now.
    std::size_t Done() const { return done_; }

private:
    std::vector<Swap> swaps_;
    std::size_t done_ = 0;
};

} // namespace zt
