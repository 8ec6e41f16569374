// Catalogue, random generator, dealing, clicks and the solve check.
#include <QDateTime>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <map>
#include <new>
#include <set>
#include <sstream>

#include "catalogue.h"
#include "cellfacts.h"
#include "fakeview.h"
#include "game.h"

using namespace zt;

// Running out of memory while the level file is read, on demand: when armed,
// the first request for a whole number of 63-byte records fails, once.
namespace {
bool failRecordAllocation = false;
}

void* operator new(std::size_t size) {
    if (failRecordAllocation && size >= RecordSize && size % RecordSize == 0) {
        failRecordAllocation = false;
        throw std::bad_alloc();
    }
    if (void* p = std::malloc(size ? size : 1)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

// The edge codes as the game's rules list them: per tile right, top, left,
// bottom, twenty tiles a line.
const char* const EdgeTable[] = {
    "0000 0101 1010 1111 1100 0110 0011 1001 0102 0201 2010 1020 0202 2020 2222 2121 1212 2200 1200 2100",
    "0220 0210 0120 0022 0012 0021 2002 1002 2001 3030 0303 3131 1313 3333 3300 0330 0033 3003 0010 1000",
    "0100 0001 0313 3031 1303 3130 3232 2323 3333 3333 3310 3013 1330 1033 3301 0331 3103 0133 1111 1000",
    "0100 0010 0001 1110 0111 1011 1101 1310 0131 1013 3101 3330 0333 3033 3303 1133 3113 3311 1331 1130",
    "1103 0113 3110 3011 0311 1301 1031 3111 1311 1131 1113 0000 0000 0000 1010 0101 2020 0202 0000 0000",
    "0010 0000 0000 0300 3330 0000 0000 2020 2020 2020 0000 0000 1000 3000 0000 0000 0000 0000 0000 0000",
    "0000 0000 0000 0000 0000 0001 3000 0202 0202 0202 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000",
    "0300 0030 0003 3000 3030 0303 0300 0003 0030 3000 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000",
    "3000 0030 0000 0003 3030 0300 0000 0000 2020 0202 3030 0303 3300 0330 0033 3003 0000 0000 0000 0000",
    "0030 0303 3030 3000 0300 0003 1100 0110 0011 1001 0101 1010 0000 0000 0303 3030 0000 0000 0000 0000",
};

// The marker anchors off the middle (13, 13), by the quarter or side the road passes.
struct AnchorGroup {
    int x, y;
    std::vector<int> tiles;
};
const AnchorGroup AnchorTable[] = {
    {19, 7, {4, 17, 18, 19, 34, 52, 56, 79, 80}},  {7, 7, {5, 20, 21, 22, 35, 50, 57, 81, 82}},
    {7, 19, {6, 23, 24, 25, 36, 51, 55, 83, 84}},  {19, 19, {7, 26, 27, 28, 37, 53, 54, 85, 86}},
    {7, 13, {42}}, {13, 19, {43}}, {19, 13, {44}}, {13, 7, {45}},
};

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
        std::istringstream table([] {
            std::string all;
            for (const char* line : EdgeTable) {
                all += std::string(line) + " ";
            }
            return all;
        }());
        std::string group;
        for (int t = 0; t < TileCount; ++t) {
            QVERIFY(table >> group);
            for (int s = 0; s < 4; ++s) {
                QVERIFY2(Edge(t, Side(s)) == group[s] - '0',
                         qPrintable(QString("tile %1 side %2").arg(t).arg(s)));
            }
        }
        QVERIFY(!(table >> group));
        std::vector<MarkerAnchor> anchors(TileCount, MarkerAnchor{13, 13});
        for (const auto& g : AnchorTable) {
            for (int t : g.tiles) {
                anchors[t] = {g.x, g.y};
            }
        }
        for (int t = 0; t < TileCount; ++t) {
            QVERIFY2(Anchor(t).x == anchors[t].x && Anchor(t).y == anchors[t].y,
                     qPrintable(QString("anchor of tile %1").arg(t)));
        }
        // Classes, and the sides that face each other.
        QVERIFY(IsMovable(0) && IsMovable(90) && !IsMovable(91));
        QVERIFY(!IsMarkerEligible(0) && IsMarkerEligible(1) && IsMarkerEligible(89));
        QVERIFY(!IsMarkerEligible(90) && !IsMarkerEligible(91));
        QCOMPARE(Opposite(Right), Left);
        QCOMPARE(Opposite(Top), Bottom);
        QCOMPARE(Opposite(Left), Right);
        QCOMPARE(Opposite(Bottom), Top);
    }

    void randomSequence() {
        FakeView view;
        Game g(view);
        GameTestAccess t{g};
        g.Seed(12345);
        std::vector<int> got;
        for (int i = 0; i < 10; ++i) {
            got.push_back(int(g.RandomBelow(i % 2 == 0 ? 9 : 7)));
        }
        QCOMPARE(got, (std::vector<int>{3, 2, 0, 3, 5, 2, 3, 0, 0, 6}));
        QCOMPARE(t.randomSeed(), 3964786223u);
        // Wraps modulo 2^32 and stays below n.
        g.Seed(0xFFFFFFFFu);
        QCOMPARE(g.RandomBelow(1000), 968u);
        // Seeded with the milliseconds since midnight UTC, taken here between two
        // looks at the clock; midnight may fall between them.
        const std::uint32_t before = QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay();
        g.SeedFromClock();
        const std::uint32_t after = QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay();
        const std::uint32_t seed = t.randomSeed();
        QVERIFY2(before <= after ? seed >= before && seed <= after : seed >= before || seed <= after,
                 qPrintable(QString("seed %1 outside %2..%3").arg(seed).arg(before).arg(after)));
    }

    void dealKeepsFixedTilesAndPicksMarker() {
        FakeView view;
        Game g(view);
        view.game = &g;
        LevelRecord rec = Ring();
        rec[CellIndex(4, 3)] = 91;   // fixed
        rec[CellIndex(8, 6)] = 150;  // fixed
        rec[CellIndex(5, 5)] = 90;   // movable, never the marker's tile
        g.UseLevels({rec});
        for (std::uint32_t seed : {0u, 1u, 777u, 0xDEADBEEFu}) {
            g.Seed(seed);
            view.Take(g.StartLevel(1));
            QCOMPARE(g.TileAt(4, 3), 91);
            QCOMPARE(g.TileAt(8, 6), 150);
            auto sortedRec = rec, sortedBoard = g.board();
            std::sort(sortedRec.begin(), sortedRec.end());
            std::sort(sortedBoard.begin(), sortedBoard.end());
            QCOMPARE(sortedBoard, sortedRec);
            QVERIFY(g.hasSelection());
            QVERIFY(IsMarkerEligible(g.TileAt(g.selCol(), g.selRow())));
            QVERIFY(!(g.SwapsStanding() > 0) && !g.levelSolved());
        }
        // The deal of seed 4242, worked out from the rules apart from the engine: 2000 swaps
        // of two movable cells, each drawn column first, then the marker's cell.
        g.Seed(4242);
        view.Clear();
        view.Take(g.StartLevel(1));
        Board dealt{};
        for (auto [t, c, r] : {std::tuple{4, 0, 5}, {7, 2, 2}, {6, 2, 4}, {90, 3, 0}, {91, 4, 3},
                               {5, 5, 0}, {150, 8, 6}}) {
            dealt[CellIndex(c, r)] = std::uint8_t(t);
        }
        QCOMPARE(g.board(), dealt);
        QCOMPARE((Cell{g.selCol(), g.selRow()}), (Cell{2, 2}));
        QCOMPARE(GameTestAccess{g}.randomSeed(), 1695208814u);
        QCOMPARE(view.cellsDrawn, CellCount);
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
        g.UseLevels({allFixed, allGrass, onlyNinety});
        for (int n = 1; n <= 3; ++n) {
            view.Take(g.StartLevel(n));
            QVERIFY(!g.hasSelection());
            view.Take(g.boxMouseDown({3, 3}));  // harmless without a marker
        }
        QVERIFY(view.cues.empty());
        QCOMPARE(int(std::count(g.board().begin(), g.board().end(), 90)), 1);
        view.Take(g.StartLevel(1));
        QCOMPARE(g.board(), allFixed);  // nothing to shuffle
    }

    void damagedLevelIsToldOnceAndShownAsGrass() {
        FakeView view;
        Game g(view);
        view.game = &g;
        LevelRecord bad = Ring();
        bad[CellIndex(6, 2)] = 250;
        bad[CellIndex(7, 0)] = 201;  // the first bad cell, column by column, is told
        g.UseLevels({Ring(), bad});
        view.Take(g.StartLevel(2));
        QCOMPARE(view.reports, (std::vector<std::string>{"damaged 2 6 2 250"}));
        QCOMPARE(g.TileAt(6, 2), 179);
        QCOMPARE(g.TileAt(7, 0), 179);
        view.Take(g.StartLevel(2));
        QCOMPARE(int(view.reports.size()), 1);  // not again in this run
        view.Take(g.StartLevel(1));
        QVERIFY(g.hasSelection());
        QVERIFY(!Fits(bad));
        QVERIFY(!FindBadTile(Ring()).has_value());
    }

    void solveCheck_data() {
        QTest::addColumn<QList<int>>("tiles");  // column, row, tile; grass elsewhere
        QTest::addColumn<bool>("fits");
        QTest::newRow("all grass") << QList<int>{} << true;
        QTest::newRow("ring") << QList<int>{0, 0, 7, 1, 0, 6, 0, 1, 4, 1, 1, 5} << true;
        QTest::newRow("street into grass") << QList<int>{4, 3, 2} << false;
        QTest::newRow("street off the border") << QList<int>{0, 3, 2, 1, 3, 2, 2, 3, 38} << false;
        QTest::newRow("street between dead ends") << QList<int>{0, 3, 39, 1, 3, 2, 2, 3, 38} << true;
        // Interchangeable tiles never change the result.
        const QList<int> arms{5, 3, 38, 3, 3, 39, 4, 2, 41, 4, 4, 40};
        QTest::newRow("crossing, dead ends") << QList<int>{4, 3, 3} + arms << true;
        QTest::newRow("roundabout, dead ends") << QList<int>{4, 3, 58} + arms << true;
        QTest::newRow("crossing, other dead ends")
            << QList<int>{4, 3, 3, 5, 3, 61, 3, 3, 59, 4, 2, 62, 4, 4, 60} << true;
        QTest::newRow("raised road meets street") << QList<int>{2, 2, 39, 3, 2, 13} << false;
        // Every border: two dead ends facing each other fit beside it; the
        // outer one turned round runs off the board there.
        QTest::newRow("right pair") << QList<int>{7, 3, 39, 8, 3, 38} << true;
        QTest::newRow("right off") << QList<int>{8, 3, 39} << false;
        QTest::newRow("left pair") << QList<int>{1, 3, 38, 0, 3, 39} << true;
        QTest::newRow("left off") << QList<int>{0, 3, 38} << false;
        QTest::newRow("top pair") << QList<int>{4, 1, 40, 4, 0, 41} << true;
        QTest::newRow("top off") << QList<int>{4, 0, 40} << false;
        QTest::newRow("bottom pair") << QList<int>{4, 5, 41, 4, 6, 40} << true;
        QTest::newRow("bottom off") << QList<int>{4, 6, 41} << false;
    }
    void solveCheck() {
        QFETCH(QList<int>, tiles);
        QFETCH(bool, fits);
        Board b{};
        for (int i = 0; i + 2 < tiles.size(); i += 3) {
            b[CellIndex(tiles[i], tiles[i + 1])] = std::uint8_t(tiles[i + 2]);
        }
        QCOMPARE(Fits(b), fits);
    }

    // What a screen reader reads for cell (4, 3), grass elsewhere unless listed.
    void cellWords_data() {
        QTest::addColumn<QList<int>>("tiles"); // column, row, tile; (4, 3) first
        QTest::addColumn<bool>("marked");
        QTest::addColumn<QString>("words");
        QTest::newRow("street, one end met")
            << QList<int>{4, 3, 2, 3, 3, 39} << true
            << "street, right street open, left street meets, movable, marked";
        QTest::newRow("ramp met by a street only")
            << QList<int>{4, 3, 8, 4, 2, 41, 4, 4, 40} << false
            << "raised road, top street meets, bottom raised road open, movable";
        QTest::newRow("raised road over a street")
            << QList<int>{4, 3, 15, 5, 3, 13} << false
            << "crossing, top street open, right raised road meets, bottom street open, "
               "left raised road open, movable";
        QTest::newRow("junction") << QList<int>{4, 3, 63} << false
                                  << "junction, top street open, right street open, left street open, movable";
        QTest::newRow("small road") << QList<int>{4, 3, 30} << false
                                    << "small road, top small road open, bottom small road open, movable";
        QTest::newRow("house with a driveway") << QList<int>{4, 3, 140, 4, 2, 30} << false
                                               << "building, top small road meets, fixed";
        QTest::newRow("lake") << QList<int>{4, 3, 110} << false << "water, fixed";
        QTest::newRow("railway") << QList<int>{4, 3, 192} << false << "railway, fixed";
        QTest::newRow("movable grass") << QList<int>{4, 3, 0} << false << "grass, movable";
        QTest::newRow("park") << QList<int>{4, 3, 166} << false << "grass, fixed";
    }
    void cellWords() {
        QFETCH(QList<int>, tiles);
        QFETCH(bool, marked);
        QFETCH(QString, words);
        Board b{};
        for (int i = 0; i + 2 < tiles.size(); i += 3) {
            b[CellIndex(tiles[i], tiles[i + 1])] = std::uint8_t(tiles[i + 2]);
        }
        const Cell cell{4, 3};
        const auto english = [](const char* w) { return std::string(w); };
        QCOMPARE(QString::fromStdString(DescribeCell(
                     FactsOf(b, cell, marked ? std::optional(cell) : std::optional(Cell{0, 0})),
                     english)),
                 words);
    }

    // Every tile's kind as the game's rules name it, forty tiles a line; a
    // capital letter for a tile that moves.
    void cellKindsFollowTheRules() {
        const std::map<char, QString> kinds{{'g', "grass"}, {'s', "street"}, {'r', "raised road"},
            {'m', "small road"}, {'c', "crossing"}, {'a', "garage"}, {'j', "junction"},
            {'o', "roundabout"}, {'b', "building"}, {'d', "bridge"}, {'w', "water"},
            {'y', "causeway"}, {'l', "level crossing"}, {'t', "railway"}};
        const std::string tiles = "GSSCSSSSRRRRRRCCCRRRRRRRRRRRRMMCCCMMMMAA"  // 0
                                  "AAJJJJCCCCJJJJJJJJOSSSSJJJJJJJJJJJJJJJJJ"  // 40
                                  "JJJJJJJJJJJbbbddddwwbbbbbbbyyywbbbwwwwww"  // 80
                                  "bbbbbbbyyywwwwwwwwwwbbbbbbbbbbwwwwwwwwww"  // 120
                                  "bbbbbbgwddddbbbbttwgbbbbbbssssllttlltttt"; // 160
        for (int t = 0; t < TileCount; ++t) {
            const CellFacts facts = FactsOf(Board{std::uint8_t(t)}, {0, 0}, std::nullopt);
            QCOMPARE(QString::number(t) + KindWord(facts.kind) + (facts.movable ? " moves" : ""),
                     QString::number(t) + kinds.at(char(std::tolower(tiles[t]))) +
                         (std::isupper(tiles[t]) ? " moves" : ""));
        }
    }

    void moves() {
        FakeView view;
        Game g(view);
        view.game = &g;
        g.UseLevels({Ring()});
        view.Take(g.StartLevel(1));
        // Put the board in a known state: the ring with two curves swapped.
        GameTestAccess t{g};
        t.board() = Ring();
        std::swap(t.board()[CellIndex(0, 0)], t.board()[CellIndex(1, 1)]);
        t.Select({0, 0});  // holds tile 5
        auto click = [&](int c, int r) { view.Take(g.boxMouseDown({c, r})); };
        view.Clear();
        click(0, 0);  // the selected cell
        click(4, 9);  // outside the grid
        click(-1, 0);
        QVERIFY(view.Quiet());
        QVERIFY(!(g.SwapsStanding() > 0));
        // A grass cell is a normal move; the marked tile travels with the marker.
        click(5, 5);
        QCOMPARE(g.TileAt(5, 5), 5);
        QCOMPARE(g.TileAt(0, 0), 0);
        QCOMPARE((Cell{g.selCol(), g.selRow()}), (Cell{5, 5}));
        QVERIFY((g.SwapsStanding() > 0));
        QCOMPARE(view.cues, (std::vector<Cue>{Cue::Move}));
        QCOMPARE(view.cellsDrawn, 2);
        // A double click makes one move: the second press hits the new selected cell.
        view.Clear();
        click(0, 0);
        click(0, 0);
        QCOMPARE(view.cues, (std::vector<Cue>{Cue::Move}));
        // A fixed tile ignores the click; tile 90, the last movable one, moves.
        t.board()[CellIndex(7, 1)] = 91;
        view.Clear();
        click(7, 1);
        QVERIFY(view.Quiet());
        t.board()[CellIndex(7, 2)] = 90;
        click(7, 2);
        QCOMPARE(g.TileAt(0, 0), 90);
        QCOMPARE(g.TileAt(7, 2), 5);
        QCOMPARE(view.cues, (std::vector<Cue>{Cue::Move}));
        click(0, 0);  // and back
        QCOMPARE(g.TileAt(7, 2), 90);
        t.board()[CellIndex(7, 2)] = 0;
        // Completing the ring solves the level: click, solved sound, won, flag.
        QCOMPARE(g.TileAt(0, 0), 5);
        view.Clear();
        click(1, 1);
        QVERIFY(g.IsSolved());
        QCOMPARE(view.cues, (std::vector<Cue>{Cue::Move, Cue::Solved}));
        QVERIFY(g.levelSolved());
        QCOMPARE(g.solvedFlags()[0], 1);
        QCOMPARE(view.pages, (std::vector<Page>{Page::Won, Page::AllSolved}));
        // Moves go on after the solve; fitting again shows "won" again, not "allsolved".
        view.Clear();
        click(0, 0);  // undo the last move, then make it again
        click(1, 1);
        QCOMPARE(view.pages, (std::vector<Page>{Page::Won}));
        QCOMPARE(g.solvedFlags()[0], 1);
    }

    void fittingDealIsNotSolvedBeforeAMove() {
        // Two equal straights between fixed ends: every deal fits, and only a
        // move tells so.
        FakeView view;
        Game g(view);
        view.game = &g;
        LevelRecord rec;
        rec.fill(120);  // fixed, no road
        rec[CellIndex(0, 0)] = 112;  // street to the right
        rec[CellIndex(1, 0)] = 2;
        rec[CellIndex(2, 0)] = 2;
        rec[CellIndex(3, 0)] = 100;  // street to the left
        g.UseLevels({rec});
        view.Take(g.StartLevel(1));
        QVERIFY(g.IsSolved());
        QVERIFY(!g.levelSolved());
        QVERIFY(view.pages.empty() && view.cues.empty());
        const int other = g.selCol() == 1 ? 2 : 1;
        view.Take(g.boxMouseDown({other, 0}));
        QVERIFY(g.levelSolved());
        QCOMPARE(view.cues, (std::vector<Cue>{Cue::Move, Cue::Solved}));
        QCOMPARE(view.pages, (std::vector<Page>{Page::Won, Page::AllSolved}));
        // A game started with every level solved already says so only once: never again.
        view.Take(g.StartUp(1));
        view.Clear();
        view.Take(g.boxMouseDown({g.selCol() == 1 ? 2 : 1, 0}));
        QCOMPARE(view.pages, (std::vector<Page>{Page::Won}));
    }

    void equalTileIsAMove() {
        FakeView view;
        Game g(view);
        view.game = &g;
        LevelRecord rec{};
        rec[CellIndex(2, 2)] = 29;
        rec[CellIndex(2, 3)] = 29;
        g.UseLevels({rec});
        view.Take(g.StartLevel(1));
        GameTestAccess t{g};
        t.board() = rec;
        t.Select({2, 2});
        view.Clear();
        view.Take(g.boxMouseDown({2, 3}));
        QCOMPARE(view.cues, (std::vector<Cue>{Cue::Move}));
        QVERIFY((g.SwapsStanding() > 0));
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

        // No memory for a level: told as a file error (ENOMEM), and one level
        // of grass in place of the library.
        WriteFile(path, ten);
        FakeView view;
        Game g(view);
        view.game = &g;
        GameTestAccess{g}.currentLevel() = 7;
        failRecordAllocation = true;
        g.LoadLevelLibrary(path.toStdString());
        QVERIFY(!failRecordAllocation);
        QCOMPARE(view.reports, (std::vector<std::string>{"file 2 12 " + path.toStdString()}));
        QCOMPARE(g.LevelCount(), 1);
        QCOMPARE(g.Record(1), LevelRecord{});
        QCOMPARE(g.currentLevel(), 1);
        view.Take(g.StartUp(7));
        QCOMPARE(g.currentLevel(), 1);
        QCOMPARE(g.board(), LevelRecord{});
        QVERIFY(!g.hasSelection());
    }
};

QTEST_APPLESS_MAIN(EngineTest)
#include "test_engine.moc"
