#include "shape.h"

#include <algorithm>

#include "catalogue.h"
#include "tilekinds.h"

namespace zt::levels {

std::vector<std::vector<int>> RoadPieces(const Board& board) {
    std::vector<std::vector<int>> pieces;
    std::array<bool, CellCount> seen{};
    for (int start = 0; start < CellCount; ++start) {
        if (seen[start] || !IsTile(board[start]) || EdgeWord(board[start]) == 0)
            continue;
        std::vector<int> piece{start};
        seen[start] = true;
        for (std::size_t i = 0; i < piece.size(); ++i) {
            const int cell = piece[i];
            const int c = cell / Rows, r = cell % Rows;
            const int t = board[cell];
            const int dc[4] = {1, 0, -1, 0}, dr[4] = {0, -1, 0, 1};
            for (int s = 0; s < 4; ++s) {
                const int nc = c + dc[s], nr = r + dr[s];
                if (nc < 0 || nc >= Columns || nr < 0 || nr >= Rows)
                    continue;
                const int other = CellIndex(nc, nr);
                if (seen[other] || !IsTile(board[other]) || Edge(t, static_cast<Side>(s)) == 0 ||
                    Edge(board[other], Opposite(static_cast<Side>(s))) == 0)
                    continue;
                seen[other] = true;
                piece.push_back(other);
            }
        }
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

void KeepLargestPiece(Board& board) {
    auto pieces = RoadPieces(board);
    std::vector<std::vector<int>*> movableOnly;
    for (auto& piece : pieces)
        if (std::all_of(piece.begin(), piece.end(),
                        [&](int cell) { return IsMovable(board[cell]); }))
            movableOnly.push_back(&piece);
    if (movableOnly.size() < 2)
        return;
    auto largest = std::max_element(movableOnly.begin(), movableOnly.end(),
                                    [](auto* a, auto* b) { return a->size() < b->size(); });
    for (auto* piece : movableOnly)
        if (piece != *largest)
            for (int cell : *piece)
                board[cell] = 0;
}

int LongestStraightRun(const Board& board) {
    int longest = 0;
    auto horizontal = [&](int t) { return IsStraight(t) && Edge(t, Right) != 0; };
    auto vertical = [&](int t) { return IsStraight(t) && Edge(t, Top) != 0; };
    for (int r = 0; r < Rows; ++r) {
        int run = 0;
        for (int c = 0; c < Columns; ++c) {
            run = horizontal(board[CellIndex(c, r)]) ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    for (int c = 0; c < Columns; ++c) {
        int run = 0;
        for (int r = 0; r < Rows; ++r) {
            run = vertical(board[CellIndex(c, r)]) ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

int DeadEnds(const Board& board) {
    return static_cast<int>(std::count_if(board.begin(), board.end(), [](int t) {
        return IsTile(t) && IsMovable(t) && ArmCount(t) == 1;
    }));
}

int TinyLoops(const Board& board) {
    auto only = [&](int c, int r, Side a, Side b) {
        const int t = board[CellIndex(c, r)];
        if (!IsTile(t) || ArmCount(t) != 2)
            return false;
        return Edge(t, a) != 0 && Edge(t, b) != 0;
    };
    int loops = 0;
    for (int c = 0; c + 1 < Columns; ++c)
        for (int r = 0; r + 1 < Rows; ++r)
            loops += only(c, r, Right, Bottom) && only(c + 1, r, Left, Bottom) &&
                     only(c, r + 1, Right, Top) && only(c + 1, r + 1, Left, Top);
    return loops;
}

} // namespace zt::levels
