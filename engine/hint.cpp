// The fewest swaps to the nearest fitting board, and the swap that starts them.
#include "hint.h"

#include <algorithm>
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

std::uint8_t EdgeClass(std::uint8_t tile) {
    static const auto classes = [] {
        std::array<std::uint8_t, 256> c{};
        for (int t = 0; t < 256; ++t) {
            c[t] = static_cast<std::uint8_t>(t);
            for (int u = 0; IsMovable(t) && u < t; ++u) {
                if (EdgeWord(u) == EdgeWord(t)) {
                    c[t] = static_cast<std::uint8_t>(u);
                    break;
                }
            }
        }
        return c;
    }();
    return classes[tile];
}

namespace {

// The grass tiles' class: what lies around a picture and what a shift leaves behind.
const std::uint8_t GrassClass = EdgeClass(0);

Board Classes(const Board& board) {
    Board classes;
    std::transform(board.begin(), board.end(), classes.begin(), EdgeClass);
    return classes;
}

// A search through the fitting boards of these tiles, cell by cell in index order,
// for one nearer than the best known. Whole branches go at once when even their
// misplaced tiles cost as many swaps as the best; the budget caps the rest on
// boards with many ways to fit, and leaves the best found.
class FitSearch {
public:
    FitSearch(const Board& now, int marked, const HintAim& best)
        : now_(now), goal_(now), marked_(marked), best_(best) {
        for (int i = 0; i < CellCount; ++i) {
            movable_[i] = IsMovable(now[i]);
            if (movable_[i]) {
                if (remain_[now[i]]++ == 0) {
                    kinds_.push_back(now[i]);
                }
                ++nowRemain_[now[i]];
            }
        }
        for (int i = 0; i < CellCount; ++i) {
            fixedRight_[i] = Beside(i, Right);
            fixedBottom_[i] = Beside(i, Bottom);
        }
        for (std::uint8_t k : kinds_) {
            for (Side s : {Right, Top, Left, Bottom}) {
                edges_[k][s] = Edge(k, s);
            }
        }
    }

    void Run() { Visit(0); }
    const HintAim& Best() const { return best_; }

private:
    // Shipped levels, every hint of three deals each (bench-hint): 10,000 nodes
    // take at most 4 ms and save 4.8 % of the swaps to the level's arrangement,
    // 5,000 nodes 3 ms and 4.4 %, 20,000 nodes 16 ms and 5.3 %.
    static constexpr int Budget = 10000;

    // The edge that the cell beside `cell` shows towards it on `side` of the
    // cell, or -1 when that cell is still open.
    int Beside(int cell, Side side) const {
        const int c = cell / Rows + (side == Right ? 1 : side == Left ? -1 : 0);
        const int r = cell % Rows + (side == Bottom ? 1 : side == Top ? -1 : 0);
        if (c < 0 || c >= Columns || r < 0 || r >= Rows) {
            return Edge(0, Opposite(side));
        }
        const int i = CellIndex(c, r);
        if (movable_[i] && i > cell) {
            return -1;
        }
        return Edge(goal_[i], Opposite(side));
    }

    bool Allows(int cell, std::uint8_t k) const {
        // Left and top are placed before the cell; right and bottom only when fixed
        // or off the board, and those never change.
        const int left = Beside(cell, Left);
        const int top = Beside(cell, Top);
        const auto& e = edges_[k];
        return e[Left] == left && e[Top] == top && (fixedRight_[cell] < 0 || e[Right] == fixedRight_[cell]) &&
               (fixedBottom_[cell] < 0 || e[Bottom] == fixedBottom_[cell]);
    }

    int Excess(std::uint8_t k) const { return std::max(0, nowRemain_[k] - remain_[k]); }

    void Place(int cell, std::uint8_t k, int step) {
        const std::uint8_t was = now_[cell];
        excess_ -= Excess(k) + (was != k ? Excess(was) : 0);
        remain_[k] -= step;
        nowRemain_[was] -= step;
        excess_ += Excess(k) + (was != k ? Excess(was) : 0);
        misplaced_ += was != k ? step : 0;
    }

    void Visit(int cell) {
        while (cell < CellCount && !movable_[cell]) {
            ++cell;
        }
        if (cell == CellCount) {
            const int swaps = FewestSwaps(now_, goal_, marked_);
            if (swaps >= 0 && swaps < best_.swaps) {
                best_ = {goal_, swaps};
            }
            return;
        }
        // Every misplaced tile costs a swap, but the marked one's last.
        if (++nodes_ > Budget || misplaced_ + excess_ - 1 >= best_.swaps) {
            return;
        }
        const std::uint8_t here = now_[cell];
        auto tryKind = [&](std::uint8_t k) {
            if (remain_[k] > 0 && Allows(cell, k)) {
                goal_[cell] = k;
                Place(cell, k, 1);
                Visit(cell + 1);
                Place(cell, k, -1);
                goal_[cell] = here;
            }
        };
        tryKind(here); // the tile already there first: nearest boards first
        for (std::uint8_t k : kinds_) {
            if (k != here) {
                tryKind(k);
            }
        }
    }

    Board now_;
    Board goal_;
    std::array<bool, CellCount> movable_{};
    std::vector<std::uint8_t> kinds_;
    std::array<std::array<int, 4>, 256> edges_{}; // of each class, by side
    std::array<int, CellCount> fixedRight_{};     // edge needed on that side, or -1
    std::array<int, CellCount> fixedBottom_{};
    std::array<int, 256> remain_{};    // tiles of each class not yet placed in the goal
    std::array<int, 256> nowRemain_{}; // open cells holding each class now
    int misplaced_ = 0;
    int excess_ = 0; // open cells that must change, as their classes run short
    int marked_;
    int nodes_ = 0;
    HintAim best_;
};

} // namespace

std::optional<HintAim> AimHints(const Board& board, const LevelRecord& record, Cell marked,
                                const Board* known) {
    if (!OnBoard(marked)) {
        return std::nullopt;
    }
    const int m = CellIndex(marked.c, marked.r);
    const Board now = Classes(board);
    Board arranged = now;
    for (int i = 0; i < CellCount; ++i) {
        if (IsMovable(board[i]) != IsMovable(record[i])) {
            return std::nullopt;
        }
        if (IsMovable(board[i])) {
            arranged[i] = EdgeClass(record[i]);
        }
    }
    HintAim best{arranged, FewestSwaps(now, arranged, m)};
    if (best.swaps < 0) {
        return std::nullopt;
    }
    bool fits = Fits(arranged);
    auto consider = [&](const Board& goal) {
        if (!Fits(goal)) {
            return;
        }
        const int swaps = FewestSwaps(now, goal, m);
        if (swaps >= 0 && (!fits || swaps < best.swaps)) {
            best = {goal, swaps};
            fits = true;
        }
    };
    if (known) {
        HintAim kept{*known, FewestSwaps(now, *known, m)};
        if (kept.swaps >= 0 && Fits(kept.goal)) {
            best = kept; // ties keep the goal aimed at
            fits = true;
        }
    }
    consider(arranged);
    // The picture moved as a whole: every cell off the grass goes (dc, dr) along.
    for (int dc = 1 - Columns; dc < Columns; ++dc) {
        for (int dr = 1 - Rows; dr < Rows; ++dr) {
            Board shifted = arranged;
            for (int i = 0; i < CellCount; ++i) {
                if (IsMovable(board[i])) {
                    shifted[i] = GrassClass;
                }
            }
            bool inside = true;
            for (int i = 0; i < CellCount && inside; ++i) {
                if (IsMovable(board[i]) && arranged[i] != GrassClass) {
                    const Cell to{i / Rows + dc, i % Rows + dr};
                    inside = OnBoard(to) && IsMovable(board[CellIndex(to.c, to.r)]);
                    if (inside) {
                        shifted[CellIndex(to.c, to.r)] = arranged[i];
                    }
                }
            }
            if (inside) {
                consider(shifted);
            }
        }
    }
    if (!fits) {
        return best;
    }
    FitSearch search(now, m, best);
    search.Run();
    return search.Best();
}

std::optional<Cell> HintToward(const Board& board, const Board& goal, Cell marked) {
    if (!OnBoard(marked)) {
        return std::nullopt;
    }
    const auto q = NextSwap(Classes(board), goal, CellIndex(marked.c, marked.r));
    if (!q) {
        return std::nullopt;
    }
    return Cell{*q / Rows, *q % Rows};
}

std::optional<Cell> Hint(const Board& board, const LevelRecord& record, Cell marked) {
    if (Fits(board)) {
        return std::nullopt;
    }
    const auto aim = AimHints(board, record, marked);
    if (!aim) {
        return std::nullopt;
    }
    return HintToward(board, aim->goal, marked);
}

std::vector<Cell> HintedSwaps(Board board, const LevelRecord& record, Cell marked) {
    std::vector<Cell> swaps;
    // As in the game, each hint keeps to the goal of the one before unless a nearer
    // one turns up. Each leaves one swap fewer, so the count bounds the walk; the
    // cap only keeps it finite whatever the board holds.
    std::optional<HintAim> aim;
    while (!Fits(board) && swaps.size() < 2 * CellCount) {
        aim = AimHints(board, record, marked, aim ? &aim->goal : nullptr);
        const auto next = aim ? HintToward(board, aim->goal, marked) : std::nullopt;
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
