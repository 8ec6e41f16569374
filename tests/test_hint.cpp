// Hints and the swap history: the hint count against a search of every way on
// small boards and of every fitting board on small fields, hints on the game's
// boards, undo and redo.
#include <QtTest>
#include <deque>
#include <map>
#include <numeric>

#include "hint.h"
#include "history.h"

using namespace zt;
using Tiles = std::vector<std::uint8_t>;
Q_DECLARE_METATYPE(Tiles)

namespace {

// The fewest swaps by trying every swap, breadth first; tiles above 90 stay.
int SearchFewest(const Tiles& tiles, const Tiles& goal, int marked) {
    std::map<std::pair<Tiles, int>, int> seen{{{tiles, marked}, 0}};
    for (std::deque<std::pair<Tiles, int>> queue{{tiles, marked}}; !queue.empty();
         queue.pop_front()) {
        auto [t, m] = queue.front();
        if (t == goal)
            return seen[{t, m}];
        for (int q = 0; q < int(t.size()); ++q) {
            Tiles next = t;
            std::swap(next[m], next[q]);
            if (q != m && goal[q] <= 90 &&
                seen.emplace(std::pair{next, q}, seen[{t, m}] + 1).second)
                queue.emplace_back(next, q);
        }
    }
    return -1;
}

// The swaps the hints lead through; -1 when they stop short of the goal, -2 when one
// takes another way although a misplaced tile could come home to the marked cell.
int FollowHints(Tiles tiles, const Tiles& goal, int marked) {
    int swaps = 0;
    for (std::optional<int> q; swaps < 64 && (q = NextSwap(tiles, goal, marked)); ++swaps) {
        for (int i = 0; i < int(tiles.size()); ++i)
            if (tiles[i] == goal[marked] && tiles[i] != goal[i] && tiles[*q] != goal[marked])
                return -2;
        std::swap(tiles[marked], tiles[*q]), marked = *q;
    }
    return tiles == goal && goal[marked] <= 90 ? swaps : -1;
}

// A fitting level, a street loop of four bends in the grass (tile 0), with cells swapped.
Tiles Loop(std::vector<std::pair<Cell, Cell>> swaps = {}) {
    Tiles t(CellCount, 0);
    t[CellIndex(3, 2)] = 7, t[CellIndex(4, 2)] = 6, t[CellIndex(3, 3)] = 4, t[CellIndex(4, 3)] = 5;
    for (auto [a, b] : swaps)
        std::swap(t[CellIndex(a.c, a.r)], t[CellIndex(b.c, b.r)]);
    return t;
}

// Fixed grass (tile 179) but for a field of movable cells from (c, r), `width`
// wide, filled row by row; a fixed road end (tile 112, a street to its right) at
// the field's left on the row `roadEnd` when that is not -1.
Tiles Field(int c, int r, int width, const Tiles& tiles, int roadEnd = -1) {
    Tiles t(CellCount, 179);
    for (int i = 0; i < int(tiles.size()); ++i)
        t[CellIndex(c + i % width, r + i / width)] = tiles[i];
    if (roadEnd >= 0)
        t[CellIndex(c - 1, roadEnd)] = 112;
    return t;
}

// Each arrangement of a board's movable tiles with the marker on each tile that
// can carry it, and the fewest swaps from there to any board that fits: a search
// backwards from every fitting one, since a swap undoes itself.
std::vector<std::pair<std::pair<Tiles, int>, int>> FitDistances(const Tiles& board) {
    std::vector<int> cells;
    Tiles kinds;
    for (int i = 0; i < CellCount; ++i)
        if (board[i] <= 90)
            cells.push_back(i), kinds.push_back(board[i]);
    std::map<std::pair<Tiles, int>, int> seen;
    std::deque<std::pair<Tiles, int>> queue;
    std::sort(kinds.begin(), kinds.end());
    do {
        Board b;
        std::copy(board.begin(), board.end(), b.begin());
        for (int j = 0; j < int(cells.size()); ++j)
            b[cells[j]] = kinds[j];
        for (int j = 0; j < int(cells.size()) && Fits(b); ++j)
            if (kinds[j] > 0 && seen.emplace(std::pair{kinds, j}, 0).second)
                queue.emplace_back(kinds, j);
    } while (std::next_permutation(kinds.begin(), kinds.end()));
    for (; !queue.empty(); queue.pop_front()) {
        auto [k, m] = queue.front();
        const int d = seen[{k, m}] + 1;
        for (int q = 0; q < int(k.size()); ++q) {
            Tiles next = k;
            std::swap(next[m], next[q]);
            if (seen.emplace(std::pair{next, q}, d).second)
                queue.emplace_back(next, q);
        }
    }
    std::vector<std::pair<std::pair<Tiles, int>, int>> all;
    for (auto [state, d] : seen) {
        Tiles b = board;
        for (int j = 0; j < int(cells.size()); ++j)
            b[cells[j]] = state.first[j];
        all.push_back({{b, cells[state.second]}, d});
    }
    return all;
}

// The swaps the game's hints lead through from a board; -1 when they end on a
// board that does not fit.
int GameHints(const Tiles& tiles, const Tiles& goal, int marked) {
    Board board, record;
    std::copy(tiles.begin(), tiles.end(), board.begin());
    std::copy(goal.begin(), goal.end(), record.begin());
    Cell cell{marked / Rows, marked % Rows};
    const auto swaps = HintedSwaps(board, record, cell);
    for (Cell to : swaps)
        ExchangeTiles(board, {cell, to}), cell = to;
    return Fits(board) ? int(swaps.size()) : -1;
}

} // namespace

class HintTest : public QObject {
    Q_OBJECT
private slots:
    void boards_data() {
        QTest::addColumn<Tiles>("tiles");
        QTest::addColumn<Tiles>("goal");
        QTest::addColumn<int>("marked");
        QTest::addColumn<int>("fewest");
        using T = Tiles;
        QTest::newRow("twin before other ways out")
            << T{1, 4, 3, 2, 1} << T{1, 3, 4, 1, 2} << 0 << 5;
        QTest::newRow("grass and a fixed tile")
            << T{0, 5, 150, 0, 6, 5} << T{5, 0, 150, 6, 5, 0} << 1 << 4;
        QTest::newRow("marker on its own place")
            << Loop({{{4, 2}, {3, 3}}}) << Loop() << CellIndex(3, 2) << 3;
        QTest::newRow("full of grass")
            << Loop({{{3, 2}, {0, 0}}, {{4, 2}, {8, 6}}}) << Loop() << CellIndex(0, 0) << 3;
        QTest::newRow("fits") << Loop() << Loop() << CellIndex(3, 2) << 0;
        // The ring three cells left and two up, its last curve far away: one
        // swap to that board, not four back to the level's own place.
        Tiles leftUp(CellCount, 0);
        leftUp[CellIndex(0, 0)] = 7, leftUp[CellIndex(1, 0)] = 6, leftUp[CellIndex(0, 1)] = 4;
        leftUp[CellIndex(8, 6)] = 5;
        QTest::newRow("the picture shifted left and up") << leftUp << Loop() << CellIndex(1, 1) << 1;
        // Small fields, every arrangement of their tiles against every board that fits.
        QTest::newRow("a road across the field fits on either row")
            << Field(3, 2, 3, {0, 39, 0, 2, 38, 0}) << Field(3, 2, 3, {39, 2, 38, 0, 0, 0})
            << CellIndex(4, 3) << 3;
        QTest::newRow("twin road ends pair either way")
            << Field(3, 2, 2, {59, 0, 38, 39, 61, 0}) << Field(3, 2, 2, {39, 38, 59, 61, 0, 0})
            << CellIndex(3, 2) << 4;
        QTest::newRow("a fixed road end takes its piece")
            << Field(3, 2, 2, {39, 2, 0, 38, 38, 0}, 3) << Field(3, 2, 2, {39, 38, 2, 38, 0, 0}, 3)
            << CellIndex(3, 2) << 4;
    }
    void boards() {
        QFETCH(Tiles, tiles);
        QFETCH(Tiles, goal);
        QFETCH(int, marked);
        QFETCH(int, fewest);
        if (tiles.size() == CellCount) { // the nearest fitting board, not the goal as such
            QCOMPARE(GameHints(tiles, goal, marked), fewest);
            if (std::count_if(tiles.begin(), tiles.end(), [](int t) { return t <= 90; }) < 8)
                for (const auto& [state, search] : FitDistances(tiles))
                    QCOMPARE(GameHints(state.first, goal, state.second), search);
            return;
        }
        QCOMPARE(FewestSwaps(tiles, goal, marked), fewest);
        QCOMPARE(FollowHints(tiles, goal, marked), fewest);
        // And so on every board of these tiles, marker anywhere.
        for (std::sort(tiles.begin(), tiles.end());
             std::next_permutation(tiles.begin(), tiles.end());) {
            for (int m = 0; m < int(tiles.size()); ++m) {
                const int search = goal[m] <= 90 ? SearchFewest(tiles, goal, m) : -1;
                QCOMPARE(FewestSwaps(tiles, goal, m), search);
                QCOMPARE(FollowHints(tiles, goal, m), search);
            }
        }
    }

    void noHintOnABoardThatFitsAnotherWay() {
        // The loop in the corner fits as well as the level's own in the middle.
        const Tiles corner = Loop({{{3, 2}, {0, 0}}, {{4, 2}, {1, 0}}, {{3, 3}, {0, 1}}, {{4, 3}, {1, 1}}});
        Board board, record;
        std::copy(corner.begin(), corner.end(), board.begin());
        std::copy_n(Loop().begin(), CellCount, record.begin());
        QVERIFY(Fits(board) && board != record);
        QVERIFY(!Hint(board, record, {0, 0}));
    }

    void historyTakesBackAndRedoes() {
        const Swap swaps[] = {{{3, 2}, {0, 0}}, {{0, 0}, {4, 3}}, {{4, 3}, {8, 6}}};
        Board dealt;
        std::iota(dealt.begin(), dealt.end(), 0);
        Board board = dealt;
        History history;
        for (const Swap& s : swaps)
            ExchangeTiles(board, s), history.Record(s);
        const Board moved = board;
        std::optional<Swap> s;
        for (int i = 0; i < 9 && (s = history.Undo()); ++i)
            ExchangeTiles(board, *s);
        QCOMPARE(board, dealt);
        for (int i = 0; i < 9 && (s = history.Redo()); ++i)
            ExchangeTiles(board, *s);
        QCOMPARE(board, moved);
        history.Undo(); // a new swap after an undo drops what was taken back; a new deal, all
        history.Record({{4, 3}, {2, 2}});
        QVERIFY(!history.CanRedo() && history.Done() == 3);
        history.Clear();
        QVERIFY(!history.CanUndo() && !history.CanRedo());
    }
};

QTEST_APPLESS_MAIN(HintTest)
#include "test_hint.moc"
