// Catalogue, random generator, dealing, clicks and the solve check.
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <fstream>
#include <set>

#include "catalogue.h"
#include "fakeview.h"
#include "game.h"

using namespace zt;

namespace {

void WriteFile(const QString& path, const std::vector<LevelRecord>& recs, int extraBytes = 0) {
    std::ofstream out(path.toStdString(), std::ios::binary);
    for (auto& r : recs) {
        out.write(reinterpret_cast<const char*>(r.data()), RecordSize);
    }
    for (int i = 0; i < extraBytes; ++i) {
        out.put(1);
    }
}

}  // namespace

class EngineTest : public QObject {
    Q_OBJECT

private slots:
    void catalogueTable() {
        // Every code is a road kind or none; grass has none.
        for (int t = 0; t < TileCount; ++t) {
            for (int s = 0; s < 4; ++s) {
                QVERIFY(Edge(t, Side(s)) <= 3);
            }
        }
        QCOMPARE(EdgeWord(0), 0u);
        // Tile 4 is a curve from the top edge to the right edge.
        QCOMPARE(Edge(4, Right), 1);
        QCOMPARE(Edge(4, Top), 1);
        QCOMPARE(Edge(4, Left), 0);
        QCOMPARE(Edge(4, Bottom), 0);
        QCOMPARE(Edge(90, Bottom), 3);  // 1113
        // Interchangeable tiles share their codes.
        for (auto [a, b] : {std::pair{3, 58}, {33, 48}, {33, 49}, {38, 61}, {39, 59}, {40, 60}, {41, 62}}) {
            QCOMPARE(EdgeWord(a), EdgeWord(b));
        }
        // Anchors keep the 20 x 20 marker inside the cell; curves sit in their quarter.
        int middle = 0;
        for (int t = 0; t < TileCount; ++t) {
            auto a = Anchor(t);
            QVERIFY(a.x >= 7 && a.x <= 19 && a.y >= 7 && a.y <= 19);
            middle += (a.x == 13 && a.y == 13) ? 1 : 0;
        }
        QCOMPARE(middle, 160);
        QCOMPARE(Anchor(4).x, 19);
        QCOMPARE(Anchor(4).y, 7);
        QCOMPARE(Anchor(42).x, 7);
        QCOMPARE(Anchor(42).y, 13);
        // Classes.
        QVERIFY(IsMovable(0) && IsMovable(90) && !IsMovable(91));
        QVERIFY(!IsMarkerEligible(0) && IsMarkerEligible(1) && IsMarkerEligible(89));
        QVERIFY(!IsMarkerEligible(90) && !IsMarkerEligible(91));
    }

    void randomSequence() {
        FakeView view;
        Game g(view);
        g.randomSeed = 12345;
        std::vector<int> got;
        for (int i = 0; i < 10; ++i) {
            got.push_back(int(g.RandomBelow(i % 2 == 0 ? 9 : 7)));
        }
        QCOMPARE(got, (std::vector<int>{3, 2, 0, 3, 5, 2, 3, 0, 0, 6}));
        QCOMPARE(g.randomSeed, 3964786223u);
        // Wraps modulo 2^32 and stays below n.
        g.randomSeed = 0xFFFFFFFFu;
        QCOMPARE(g.RandomBelow(1000), (0xFFFFFFFFu * 134775813u + 1u) * 1000ull >> 32);
    }

    void dealKeepsFixedTilesAndPicksMarker() {
        FakeView view;
        Game g(view);
        view.game = &g;
        LevelRecord rec = Ring();
        rec[CellIndex(4, 3)] = 91;   // fixed
        rec[CellIndex(8, 6)] = 150;  // fixed
        rec[CellIndex(5, 5)] = 90;   // movable, never the marker's tile
        g.levels = {rec};
        for (std::uint32_t seed : {0u, 1u, 777u, 0xDEADBEEFu}) {
            g.randomSeed = seed;
            g.StartLevel(1);
            QCOMPARE(g.TileAt(4, 3), 91);
            QCOMPARE(g.TileAt(8, 6), 150);
            auto sortedRec = rec, sortedBoard = g.board;
            std::sort(sortedRec.begin(), sortedRec.end());
            std::sort(sortedBoard.begin(), sortedBoard.end());
            QCOMPARE(sortedBoard, sortedRec);
            QVERIFY(g.hasSelection);
            QVERIFY(IsMarkerEligible(g.TileAt(g.selCol, g.selRow)));
            QVERIFY(!g.movedFlag && !g.levelSolved);
        }
        // The same seed deals the same board, and the draws are those of the generator.
        g.randomSeed = 4242;
        g.StartLevel(1);
        Board first = g.board;
        Cell sel{g.selCol, g.selRow};
        std::uint32_t after = g.randomSeed;
        g.randomSeed = 4242;
        g.StartLevel(1);
        QCOMPARE(g.board, first);
        QCOMPARE((Cell{g.selCol, g.selRow}), sel);
        QCOMPARE(g.randomSeed, after);
        // Dealing draws all 63 cells column by column, then the texts.
        view.Clear();
        g.StartLevel(1);
        QCOMPARE(view.calls.front(), std::string("cell 0 0"));
        QCOMPARE(view.calls[1], std::string("cell 0 1"));
        QCOMPARE(view.calls[62], std::string("cell 8 6"));
        QCOMPARE(view.calls[63], std::string("solved-changed"));
        QCOMPARE(view.calls[64], std::string("caption"));
    }

    void dealAlwaysEnds() {
        FakeView view;
        Game g(view);
        view.game = &g;
        LevelRecord allFixed;
        allFixed.fill(120);
        LevelRecord allGrass{};
        LevelRecord onlyNinety{};
        onlyNinety[CellIndex(3, 3)] = 90;
        g.levels = {allFixed, allGrass, onlyNinety};
        for (int n = 1; n <= 3; ++n) {
            g.StartLevel(n);
            QVERIFY(!g.hasSelection);
            g.boxMouseDown(22 + 48 * 3 + 5, 20 + 48 * 3 + 5);  // harmless without a marker
        }
        QVERIFY(view.cues.empty());
        QCOMPARE(int(std::count(g.board.begin(), g.board.end(), 90)), 1);
        g.StartLevel(1);
        QCOMPARE(g.board, allFixed);  // nothing to shuffle
    }

    void damagedLevelIsToldOnceAndShownAsGrass() {
        FakeView view;
        Game g(view);
        view.game = &g;
        LevelRecord bad = Ring();
        bad[CellIndex(6, 2)] = 250;
        g.levels = {Ring(), bad};
        g.language = 0;
        g.StartLevel(2);
        QCOMPARE(int(view.errors.size()), 1);
        QVERIFY(QString::fromStdString(view.errors[0]).contains("Level 2"));
        QVERIFY(QString::fromStdString(view.errors[0]).contains("250"));
        QCOMPARE(g.TileAt(6, 2), 179);
        g.StartLevel(2);
        QCOMPARE(int(view.errors.size()), 1);  // not again in this run
        g.StartLevel(1);
        QVERIFY(g.hasSelection);
        QVERIFY(!Fits(bad));
        QVERIFY(FindBadTile(bad).has_value());
        QVERIFY(!FindBadTile(Ring()).has_value());
        // German text in German.
        FakeView v2;
        Game g2(v2);
        g2.language = 1;
        g2.levels = {bad};
        g2.StartLevel(1);
        QVERIFY(QString::fromStdString(v2.errors.at(0)).startsWith("Stufe 1"));
    }

    void clickGeometry() {
        auto at = [](int x, int y) { return Game::CellAtPoint(x, y); };
        QCOMPARE(at(22, 20), (std::optional<Cell>{{0, 0}}));
        QCOMPARE(at(453, 355), (std::optional<Cell>{{8, 6}}));
        QCOMPARE(at(70, 68), (std::optional<Cell>{{1, 1}}));
        QCOMPARE(at(69, 67), (std::optional<Cell>{{0, 0}}));
        QVERIFY(!at(454, 100));
        QVERIFY(!at(100, 356));
        QVERIFY(!at(21, 100));
        QVERIFY(!at(100, 19));
        QVERIFY(!at(-5, -5));
    }

    void solveCheck() {
        QVERIFY(Fits(Board{}));
        QVERIFY(Fits(Ring()));
        // One straight street in the middle runs off nowhere but into grass: no fit.
        Board b{};
        b[CellIndex(4, 3)] = 2;
        QVERIFY(!Fits(b));
        // A road whose end touches the border does not fit; with dead ends it does.
        Board line{};
        line[CellIndex(0, 3)] = 2;
        line[CellIndex(1, 3)] = 2;
        line[CellIndex(2, 3)] = 38;  // road on its left side only
        QVERIFY(!Fits(line));
        line[CellIndex(0, 3)] = 39;  // road on its right side only
        QVERIFY(Fits(line));
        // Interchangeable tiles never change the result.
        Board tee{};
        tee[CellIndex(4, 3)] = 3;   // street crossing
        tee[CellIndex(5, 3)] = 38;  // dead ends on all four arms
        tee[CellIndex(3, 3)] = 39;
        tee[CellIndex(4, 2)] = 41;  // road at its bottom
        tee[CellIndex(4, 4)] = 40;  // road at its top
        QVERIFY(Fits(tee));
        for (int alt : {58}) {
            Board t2 = tee;
            t2[CellIndex(4, 3)] = std::uint8_t(alt);
            QVERIFY(Fits(t2));
        }
        Board t3 = tee;
        t3[CellIndex(5, 3)] = 61;
        t3[CellIndex(3, 3)] = 59;
        t3[CellIndex(4, 2)] = 62;
        t3[CellIndex(4, 4)] = 60;
        QVERIFY(Fits(t3));
        // A raised road meeting a street does not fit.
        Board mixed{};
        mixed[CellIndex(2, 2)] = 39;  // street to the right
        mixed[CellIndex(3, 2)] = 13;  // raised road left-right
        QVERIFY(!Fits(mixed));
    }

    void moves() {
        FakeView view;
        Game g(view);
        view.game = &g;
        g.levels = {Ring()};
        g.StartLevel(1);
        // Put the board in a known state: the ring with two curves swapped.
        g.board = Ring();
        std::swap(g.board[CellIndex(0, 0)], g.board[CellIndex(1, 1)]);
        g.selCol = 0;
        g.selRow = 0;  // holds tile 5
        auto click = [&](int c, int r) { g.boxMouseDown(22 + 48 * c + 10, 20 + 48 * r + 10); };
        view.Clear();
        click(0, 0);  // the selected cell
        click(4, 9);  // outside the grid
        QVERIFY(view.calls.empty());
        QVERIFY(!g.movedFlag);
        // A grass cell is a normal move; the marked tile travels with the marker.
        click(5, 5);
        QCOMPARE(g.TileAt(5, 5), 5);
        QCOMPARE(g.TileAt(0, 0), 0);
        QCOMPARE((Cell{g.selCol, g.selRow}), (Cell{5, 5}));
        QVERIFY(g.movedFlag);
        QCOMPARE(view.calls, (std::vector<std::string>{"cue 2", "cell 5 5", "cell 0 0"}));
        // A double click makes one move: the second press hits the new selected cell.
        view.Clear();
        click(0, 0);
        click(0, 0);
        QCOMPARE(view.cues, (std::vector<int>{2}));
        // A fixed tile ignores the click.
        g.board[CellIndex(7, 1)] = 91;
        view.Clear();
        click(7, 1);
        QVERIFY(view.calls.empty());
        // Completing the ring solves the level: click, solved sound, won, flag.
        QCOMPARE(g.TileAt(0, 0), 5);
        view.Clear();
        click(1, 1);
        QVERIFY(g.IsSolved());
        QCOMPARE(view.cues, (std::vector<int>{2, 1}));
        QVERIFY(g.levelSolved);
        QCOMPARE(g.solvedFlags[0], 1);
        QCOMPARE(view.pages, (std::vector<Page>{Page::Won, Page::AllSolved}));
        // Moves go on after the solve; fitting again shows "won" again, not "allsolved".
        view.Clear();
        click(0, 0);  // undo the last move, then make it again
        click(1, 1);
        QCOMPARE(view.pages, (std::vector<Page>{Page::Won}));
        QCOMPARE(g.solvedFlags[0], 1);
    }

    void equalTileIsAMove() {
        FakeView view;
        Game g(view);
        view.game = &g;
        LevelRecord rec{};
        rec[CellIndex(2, 2)] = 29;
        rec[CellIndex(2, 3)] = 29;
        g.levels = {rec};
        g.StartLevel(1);
        g.board = rec;
        g.selCol = 2;
        g.selRow = 2;
        view.Clear();
        g.boxMouseDown(22 + 48 * 2, 20 + 48 * 3);
        QCOMPARE(view.cues, (std::vector<int>{2}));
        QVERIFY(g.movedFlag);
    }

    void levelFileReadingRules() {
        QTemporaryDir dir;
        QString path = dir.filePath("ztrn.dat");
        std::vector<LevelRecord> ten(10, Ring());
        ten[9][0] = 4;
        WriteFile(path, ten, 20);
        auto f = ReadLevelFile(path.toStdString());
        QVERIFY(f.opened);
        QCOMPARE(int(f.records.size()), 10);
        QCOMPARE(int(f.records[9][0]), 4);

        std::vector<LevelRecord> many(600, Ring());
        many[499][5] = 99;
        many[500][5] = 98;
        WriteFile(path, many);
        f = ReadLevelFile(path.toStdString());
        QCOMPARE(int(f.records.size()), 500);
        QCOMPARE(int(f.records[499][5]), 99);

        WriteFile(path, {}, 62);
        f = ReadLevelFile(path.toStdString());
        QVERIFY(f.opened);
        QVERIFY(f.records.empty());
        f = ReadLevelFile(dir.filePath("nothing.dat").toStdString());
        QVERIFY(!f.opened);
    }
};

QTEST_APPLESS_MAIN(EngineTest)
#include "test_engine.moc"
