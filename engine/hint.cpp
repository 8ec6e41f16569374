// The fewest swaps to the level's arrangement, and the swap that starts them.
#include "hint.h"

#include <array>
#include <numeric>

#include "catalogue.h"

namespace zt {

namespace {

// Tile numbers tied together by misplaced cells: a cell that holds tile a where
// the arrangement wants b ties a and b, since some cycle passes from one to the
// other there. One group can always be run through as one cycle.
class TileGroups {
public:
    TileGroups() { std::iota(parent_.begin(), parent_.end(), 0); }

    void Tie(int a, int b) {
        used_[a] = used_[b] = true;
        parent_[Root(a)] = static_cast<std::uint8_t>(Root(b));
    }
    bool Used(int a) const { return used_[a]; }
    int Count() {
        int n = 0;
        for (int t = 0; t < 256; ++t) {
            n += used_[t] && Root(t) == t ? 1 : 0;
        }
        return n;
    }

private:
    int Root(int a) {
        while (parent_[a] != a) {
            parent_[a] = parent_[parent_[a]];
            a = parent_[a];
        }
        return a;
    }

    std::array<std::uint8_t, 256> parent_;
    std::array<bool, 256> used_{};
};

bool InArrangement(std::span<const std::uint8_t> goal, int i) {
    return IsMovable(goal[i]);
}

// Whether swaps with the marked tile can turn tiles into goal at all: the same
// tiles on the arrangement's cells, and the marker on one of them.
bool Reachable(std::span<const std::uint8_t> tiles, std::span<const std::uint8_t> goal,
               int marked) {
    const int n = static_cast<int>(goal.size());
    if (static_cast<int>(tiles.size()) != n || marked < 0 || marked >= n ||
        !InArrangement(goal, marked)) {
        return false;
    }
    std::array<int, 256> balance{};
    for (int i = 0; i < n; ++i) {
        if (InArrangement(goal, i)) {
            ++balance[tiles[i]];
            --balance[goal[i]];
        }
    }
    for (int b : balance) {
        if (b != 0) {
            return false;
        }
    }
    return true;
}

} // namespace

int FewestSwaps(std::span<const std::uint8_t> tiles, std::span<const std::uint8_t> goal,
                int marked) {
    if (!Reachable(tiles, goal, marked)) {
        return -1;
    }
    TileGroups groups;
    int misplaced = 0;
    for (int i = 0; i < static_cast<int>(goal.size()); ++i) {
        if (InArrangement(goal, i) && tiles[i] != goal[i]) {
            ++misplaced;
            groups.Tie(tiles[i], goal[i]);
        }
    }
    if (misplaced == 0) {
        return 0;
    }
    // One cycle per group, each entered by the marked tile at one swap's cost; the
    // marked tile's own cycle needs no entering and closes a swap early.
    const int cycles = groups.Count();
    if (tiles[marked] != goal[marked]) {
        return misplaced + cycles - 2;
    }
    // On its own place the marked tile can still join a group of its number for
    // free: a swap with an identical misplaced tile puts that one home.
    return misplaced + cycles - (groups.Used(tiles[marked]) ? 1 : 0);
}

std::optional<int> NextSwap(std::span<const std::uint8_t> tiles, std::span<const std::uint8_t> goal,
                            int marked) {
    const int now = FewestSwaps(tiles, goal, marked);
    if (now <= 0) {
        return std::nullopt;
    }
    // Any swap that leaves one swap fewer is on a shortest way; among those, one
    // that puts a tile home reads as progress to the player.
    std::vector<std::uint8_t> after(tiles.begin(), tiles.end());
    std::optional<int> found;
    for (int q = 0; q < static_cast<int>(goal.size()); ++q) {
        if (q == marked) {
            continue; // a fixed cell is no way: no count comes back for it
        }
        std::swap(after[marked], after[q]);
        const bool shorter = FewestSwaps(after, goal, q) == now - 1;
        std::swap(after[marked], after[q]);
        if (shorter) {
            if (tiles[q] == goal[marked]) {
                return q;
            }
            if (!found) {
                found = q;
            }
        }
    }
    return found;
}

std::optional<Cell> Hint(const Board& board, const LevelRecord& record, Cell marked) {
    if (marked.c < 0 || marked.c >= Columns || marked.r < 0 || marked.r >= Rows || Fits(board)) {
        return std::nullopt;
    }
    const auto q = NextSwap(board, record, CellIndex(marked.c, marked.r));
    if (!q) {
        return std::nullopt;
    }
    return Cell{*q / Rows, *q % Rows};
}

std::vector<Cell> HintedSwaps(Board board, const LevelRecord& record, Cell marked) {
    std::vector<Cell> swaps;
    // Each hint leaves one swap fewer, so the count bounds the walk; the cap only
    // keeps it finite whatever the board holds.
    while (swaps.size() < 2 * CellCount) {
        const auto next = Hint(board, record, marked);
        if (!next) {
            break;
        }
        std::swap(board[CellIndex(marked.c, marked.r)], board[CellIndex(next->c, next->r)]);
        marked = *next;
        swaps.push_back(*next);
    }
    return swaps;
}

} // namespace zt
