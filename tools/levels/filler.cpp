#include "filler.h"

#include <vector>

#include "catalogue.h"
#include "scenery.h"

namespace zt::levels {

namespace {

struct EdgeIndex {
    std::array<std::array<TileSet, 4>, 4> bySideCode;     // [side][code]
    std::array<std::array<TileSet, TileCount>, 4> beside; // [side][tile]: may stand across
    std::array<TileSet, 4> border;                        // [side]: may face the border
    EdgeIndex() {
        for (int t = 0; t < TileCount; ++t) {
            for (int s = 0; s < 4; ++s) {
                const Side side = static_cast<Side>(s);
                bySideCode[s][Edge(t, side)].set(t);
                if (MayFaceBorder(t, side))
                    border[s].set(t);
                for (int u = 0; u < TileCount; ++u)
                    if (FitsBeside(t, side, u))
                        beside[s][t].set(u);
            }
        }
    }
};

const EdgeIndex& Index() {
    static const EdgeIndex index;
    return index;
}

std::optional<int> Neighbour(int cell, int side) {
    const int c = cell / Rows, r = cell % Rows;
    switch (side) {
    case Right:
        return c + 1 < Columns ? std::optional(CellIndex(c + 1, r)) : std::nullopt;
    case Left:
        return c > 0 ? std::optional(CellIndex(c - 1, r)) : std::nullopt;
    case Top:
        return r > 0 ? std::optional(CellIndex(c, r - 1)) : std::nullopt;
    default:
        return r + 1 < Rows ? std::optional(CellIndex(c, r + 1)) : std::nullopt;
    }
}

// Keeps only tiles that can meet something of the neighbours' domains; false
// when some cell is left with nothing.
bool Propagate(std::array<TileSet, CellCount>& dom, std::vector<int> queue) {
    const auto& idx = Index();
    std::array<bool, CellCount> queued{};
    for (int q : queue)
        queued[q] = true;
    while (!queue.empty()) {
        const int cell = queue.back();
        queue.pop_back();
        queued[cell] = false;
        for (int s = 0; s < 4; ++s) {
            const auto other = Neighbour(cell, s);
            if (!other)
                continue;
            TileSet reach;
            for (int t = 0; t < TileCount; ++t)
                if (dom[cell][t])
                    reach |= idx.beside[s][t];
            const TileSet narrowed = dom[*other] & reach;
            if (narrowed != dom[*other]) {
                if (narrowed.none())
                    return false;
                dom[*other] = narrowed;
                if (!queued[*other]) {
                    queued[*other] = true;
                    queue.push_back(*other);
                }
            }
        }
    }
    return true;
}

} // namespace

FillPlan::FillPlan() {
    for (auto& a : allowed)
        a.set();
    grassScale.fill(1.0);
}

void FillPlan::Only(int cell, int tile) {
    allowed[cell].reset();
    allowed[cell].set(tile);
}

const TileSet& TilesWithEdge(Side side, int code) {
    return Index().bySideCode[side][code];
}

std::optional<Board> Fill(const FillPlan& plan, Rng& rng, int attempts) {
    const auto& idx = Index();
    for (int attempt = 0; attempt < attempts; ++attempt) {
        auto dom = plan.allowed;
        // Nothing runs off the board, and a tile nobody weighs is never chosen
        // unless the plan settled the cell on it.
        for (int cell = 0; cell < CellCount; ++cell) {
            if (dom[cell].count() > 1)
                for (int t = 0; t < TileCount; ++t)
                    if (dom[cell][t] && plan.weight[t] <= 0)
                        dom[cell].reset(t);
            const int c = cell / Rows, r = cell % Rows;
            if (c == 0)
                dom[cell] &= idx.border[Left];
            if (c == Columns - 1)
                dom[cell] &= idx.border[Right];
            if (r == 0)
                dom[cell] &= idx.border[Top];
            if (r == Rows - 1)
                dom[cell] &= idx.border[Bottom];
        }
        std::vector<int> all(CellCount);
        for (int i = 0; i < CellCount; ++i)
            all[i] = i;
        bool ok = true;
        for (const auto& d : dom)
            ok = ok && d.any();
        ok = ok && Propagate(dom, all);
        while (ok) {
            // The most constrained open cell next; ties broken at random.
            int best = -1;
            std::size_t bestCount = TileCount + 1;
            int ties = 0;
            for (int cell = 0; cell < CellCount; ++cell) {
                const std::size_t n = dom[cell].count();
                if (n <= 1)
                    continue;
                if (n < bestCount) {
                    best = cell;
                    bestCount = n;
                    ties = 1;
                } else if (n == bestCount && rng.Below(++ties) == 0) {
                    best = cell;
                }
            }
            if (best < 0)
                break;
            double total = 0;
            for (int t = 0; t < TileCount; ++t)
                if (dom[best][t])
                    total += plan.weight[t] * (t == 0 ? plan.grassScale[best] : 1.0);
            double pick = rng.Unit() * total;
            int chosen = -1;
            for (int t = 0; t < TileCount && chosen < 0; ++t) {
                if (!dom[best][t])
                    continue;
                pick -= plan.weight[t] * (t == 0 ? plan.grassScale[best] : 1.0);
                if (pick < 0)
                    chosen = t;
            }
            if (chosen < 0) // rounding at the very end of the range
                for (int t = TileCount - 1; t >= 0 && chosen < 0; --t)
                    if (dom[best][t])
                        chosen = t;
            dom[best].reset();
            dom[best].set(chosen);
            ok = Propagate(dom, {best});
        }
        if (!ok)
            continue;
        Board board{};
        for (int cell = 0; cell < CellCount; ++cell)
            for (int t = 0; t < TileCount; ++t)
                if (dom[cell][t])
                    board[cell] = static_cast<std::uint8_t>(t);
        return board;
    }
    return std::nullopt;
}

} // namespace zt::levels
