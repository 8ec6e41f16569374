// Hints and the swap history: the hint count against a search of every way on
// small boards, hints on the game's boards, undo and redo.
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
        QTest::newRow("full of grass: only the right grass will do")
            << Loop({{{3, 2}, {0, 0}}, {{4, 2}, {8, 6}}}) << Loop() << CellIndex(0, 0) << 3;
        QTest::newRow("fits") << Loop() << Loop() << CellIndex(3, 2) << 0;
    }
    void boards() {
        QFETCH(Tiles, tiles);
        QFETCH(Tiles, goal);
        QFETCH(int, marked);
        QFETCH(int, fewest);
        QCOMPARE(FewestSwaps(tiles, goal, marked), fewest);
        QCOMPARE(FollowHints(tiles, goal, marked), fewest);
        if (tiles.size() < CellCount) { // and so on every board of these tiles, marker anywhere
            for (std::sort(tiles.begin(), tiles.end());
                 std::next_permutation(tiles.begin(), tiles.end());) {
                for (int m = 0; m < int(tiles.size()); ++m) {
                    const int search = goal[m] <= 90 ? SearchFewest(tiles, goal, m) : -1;
                    QCOMPARE(FewestSwaps(tiles, goal, m), search);
                    QCOMPARE(FollowHints(tiles, goal, m), search);
                }
            }
            return;
        }
        Board board, record;
        std::copy(tiles.begin(), tiles.end(), board.begin());
        std::copy(goal.begin(), goal.end(), record.begin());
        Cell cell{marked / Rows, marked % Rows};
        for (Cell to : HintedSwaps(board, record, cell))
            ExchangeTiles(board, {cell, to}), cell = to, --fewest;
        QVERIFY(fewest == 0 && Fits(board));
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
