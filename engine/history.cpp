#include "history.h"

#include <utility>

namespace zt {

void ExchangeTiles(Board& board, const Swap& swap) {
    std::swap(board[CellIndex(swap.from.c, swap.from.r)], board[CellIndex(swap.to.c, swap.to.r)]);
}

void History::Record(const Swap& swap) {
    swaps_.resize(done_);
    swaps_.push_back(swap);
    ++done_;
}

std::optional<Swap> History::Undo() {
    if (!CanUndo()) {
        return std::nullopt;
    }
    return swaps_[--done_];
}

std::optional<Swap> History::Redo() {
    if (!CanRedo()) {
        return std::nullopt;
    }
    return swaps_[done_++];
}

void History::Clear() {
    swaps_.clear();
    done_ = 0;
}

} // namespace zt
