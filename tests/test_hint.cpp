// Hints and the swap history: the hint count against a search of every way on
// small boards, hints on level boards, undo and redo.
#include <QtTest>
#include <deque>
#include <map>

#include "game.h"
#include "hint.h"
#include "history.h"

using namespace zt;

namespace {

using Tiles = std::vector<std::uint8_t>;

// The fewest swaps by trying every swap, breadth first.
int SearchFewest(const Tiles& tiles, const Tiles& goal, int marked) {
    auto done = [&](const Tiles& t) {
        for (std::size_t i = 0; i < goal.size(); ++i)
            if (goal[i] <= 90 && t[i] != goal[i]) return false;
        return true;
    };
    std::map<std::pair<Tiles, int>, int> seen{{{tiles, marked}, 0}};
    std::deque<std::pair<Tiles, int>> queue{{tiles, marked}};
    while (!queue.empty()) {
        auto [t, m] = queue.front();
        queue.pop_front();
        const int d = seen[{t, m}];
        if (done(t)) return d;
        for (int q = 0; q < static_cast<int>(t.size()); ++q) {
            if (q == m || goal[q] > 90) continue;
            Tiles next = t;
            std::swap(next[m], next[q]);
            if (seen.emplace(std::pair{next, q}, d + 1).second) queue.emplace_back(next, q);
        }
    }
    return -1;
}

// Follows the hints; the number of swaps, or -1 when they stop short of the goal.
int FollowHints(Tiles tiles, const Tiles& goal, int marked) {
    int swaps = 0;
    while (auto q = NextSwap(tiles, goal, marked)) {
        std::swap(tiles[marked], tiles[*q]);
        marked = *q;
        if (++swaps > 64) break;
    }
    return FewestSwaps(tiles, goal, marked) == 0 ? swaps : -1;
}

// A fitting level: a street loop of four bends, the rest grass (tile 0).
LevelRecord Loop() {
    LevelRecord r{};
    r[CellIndex(3, 2)] = 7;
    r[CellIndex(4, 2)] = 6;
    r[CellIndex(3, 3)] = 4;
    r[CellIndex(4, 3)] = 5;
    return r;
}

}  // namespace

Q_DECLARE_METATYPE(Tiles)
Q_DECLARE_METATYPE(zt::Board)
Q_DECLARE_METATYPE(zt::Cell)

class HintTest : public QObject {
    Q_OBJECT
private slots:
    void smallBoards_data() {
        QTest::addColumn<Tiles>("tiles");
        QTest::addColumn<Tiles>("goal");
        QTest::addColumn<int>("marked");
        QTest::addColumn<int>("fewest");
        QTest::addColumn<int>("first");  // the first hint, -1 for none
        QTest::newRow("marker home, no twin") << Tiles{1, 3, 4, 2} << Tiles{1, 2, 3, 4} << 0 << 4 << 1;
        QTest::newRow("marker home, misplaced twin") << Tiles{1, 2, 1, 3} << Tiles{1, 1, 2, 3} << 0 << 2 << 2;
        QTest::newRow("twin before other ways out") << Tiles{1, 4, 3, 2, 1} << Tiles{1, 3, 4, 1, 2} << 0 << 5 << 4;
        QTest::newRow("twins join two cycles") << Tiles{2, 1, 2, 1, 3} << Tiles{1, 2, 1, 2, 3} << 4 << 5 << 0;
        QTest::newRow("grass and a fixed tile") << Tiles{0, 5, 150, 0, 6, 0} << Tiles{5, 0, 150, 6, 0, 0} << 1 << 3 << 3;
        QTest::newRow("fits already") << Tiles{1, 1, 2} << Tiles{1, 1, 2} << 2 << 0 << -1;
        QTest::newRow("other tiles") << Tiles{1, 3, 2} << Tiles{1, 2, 2} << 0 << -1 << -1;
        QTest::newRow("marker on a fixed tile") << Tiles{150, 2, 1} << Tiles{150, 1, 2} << 0 << -1 << -1;
    }
    void smallBoards() {
        QFETCH(Tiles, tiles);
        QFETCH(Tiles, goal);
        QFETCH(int, marked);
        QFETCH(int, fewest);
        QFETCH(int, first);
        QCOMPARE(NextSwap(tiles, goal, marked).value_or(-1), first);
        QCOMPARE(FewestSwaps(tiles, goal, marked), fewest);
        if (fewest >= 0) QCOMPARE(SearchFewest(tiles, goal, marked), fewest);
        QCOMPARE(FollowHints(tiles, goal, marked), fewest);
    }

    // Every board of a few tiles with twins, the marker on every cell.
    void everySmallBoardTakesTheFewestSwaps() {
        for (Tiles goal : {Tiles{1, 1, 2, 2, 3, 150}, Tiles{0, 0, 0, 4, 5, 5}, Tiles{1, 2, 3, 4, 5}}) {
            Tiles tiles = goal;
            std::sort(tiles.begin(), tiles.end());
            do {
                for (int m = 0; m < static_cast<int>(tiles.size()); ++m) {
                    if (tiles[m] > 90 || goal[m] > 90) continue;
                    const int fewest = SearchFewest(tiles, goal, m);
                    QCOMPARE(FewestSwaps(tiles, goal, m), fewest);
                    QCOMPARE(FollowHints(tiles, goal, m), fewest);
                }
            } while (std::next_permutation(tiles.begin(), tiles.end()));
        }
    }

    void levelBoards_data() {
        QTest::addColumn<Board>("board");
        QTest::addColumn<Cell>("marked");
        QTest::addColumn<int>("count");
        Board home = Loop();  // two bends changed places, the marked one stands on its own
        std::swap(home[CellIndex(4, 2)], home[CellIndex(3, 3)]);
        QTest::newRow("marker on its own place") << home << Cell{3, 2} << 3;
        Board grass = Loop();  // two bends out in the grass: only the right grass tiles will do
        std::swap(grass[CellIndex(3, 2)], grass[CellIndex(0, 0)]);
        std::swap(grass[CellIndex(4, 2)], grass[CellIndex(8, 6)]);
        QTest::newRow("full of grass") << grass << Cell{0, 0} << 3;
        QTest::newRow("fits") << Board(Loop()) << Cell{3, 2} << 0;
    }
    void levelBoards() {
        QFETCH(Board, board);
        QFETCH(Cell, marked);
        QFETCH(int, count);
        const auto swaps = HintedSwaps(board, Loop(), marked);
        QCOMPARE(static_cast<int>(swaps.size()), count);
        QCOMPARE(Hint(board, Loop(), marked).has_value(), count > 0);
        for (Cell to : swaps) {
            std::swap(board[CellIndex(marked.c, marked.r)], board[CellIndex(to.c, to.r)]);
            marked = to;
        }
        QVERIFY(Fits(board));
    }

    void historyTakesBackAndRedoes() {
        const Board dealt = Loop();
        Board board = dealt;
        History history;
        const Swap swaps[] = {{{3, 2}, {0, 0}}, {{0, 0}, {4, 3}}, {{4, 3}, {3, 2}}};
        for (const Swap& s : swaps) {
            ExchangeTiles(board, s);
            history.Record(s);
        }
        const Board moved = board;
        for (int i = 2; i >= 0; --i) {
            auto s = history.Undo();
            QVERIFY(s && *s == swaps[i]);
            ExchangeTiles(board, *s);
        }
        QCOMPARE(board, dealt);
        QVERIFY(!history.Undo());
        for (const Swap& expected : swaps) {
            auto s = history.Redo();
            QVERIFY(s && *s == expected);
            ExchangeTiles(board, *s);
        }
        QCOMPARE(board, moved);
        QVERIFY(!history.Redo());
        // A new swap after an undo drops what was taken back.
        history.Undo();
        history.Record({{4, 3}, {8, 6}});
        QVERIFY(!history.CanRedo());
        QCOMPARE(history.Done(), std::size_t{3});
        history.Clear();
        QVERIFY(!history.CanUndo() && !history.CanRedo());
    }
};

QTEST_APPLESS_MAIN(HintTest)
#include "test_hint.moc"
