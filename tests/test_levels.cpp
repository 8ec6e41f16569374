#include <QTest>

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <set>

#include "catalogue.h"
#include "difficulty.h"
#include "difficultyfigure.h"
#include "game.h"
#include "generator.h"
#include "levelcheck.h"
#include "scenery.h"
#include "scenerycheck.h"
#include "scenerymaker.h"
#include "test_levels.h"
#include "testpaths.h"
#include "tilekinds.h"

using namespace zt;
using namespace zt::levels;

namespace {

// Every rule a level of ours keeps, whoever made it. Returns what is wrong.
QString BrokenRule(const LevelRecord& record) {
    const auto faults = RecordFaults(record);
    if (!faults.empty())
        return QString::fromStdString(faults.front());
    const auto scenery = SceneryFaults(record);
    if (!scenery.empty())
        return QString::fromStdString(scenery.front());
    if (!WaterAndRailRunOn(record))
        return "a river or railway closes on itself";
    // The shuffle must have something to do.
    std::set<int> movable;
    for (int t : record)
        if (IsMovable(t))
            movable.insert(t);
    int movableCells = static_cast<int>(
        std::count_if(record.begin(), record.end(), [](int t) { return IsMovable(t); }));
    if (movable.size() < 2 || movableCells < 2)
        return "fewer than two movable cells that differ";
    return {};
}

void ExpectDistinct(const std::vector<LevelRecord>& levels) {
    std::set<LevelRecord> seen;
    for (std::size_t i = 0; i < levels.size(); ++i)
        QVERIFY2(seen.insert(CanonicalRecord(levels[i])).second,
                 qPrintable(QString("level %1 repeats an earlier one").arg(i + 1)));
}

// Largest fall of the figure below the highest figure of any earlier level.
int LargestDrop(const std::vector<int>& figures) {
    int peak = 0, drop = 0;
    for (int f : figures) {
        drop = std::max(drop, peak - f);
        peak = std::max(peak, f);
    }
    return drop;
}

std::vector<int> Figures(const std::vector<LevelRecord>& levels) {
    std::vector<int> out;
    for (const auto& r : levels)
        out.push_back(Measure(r).figure);
    return out;
}

double Mean(const std::vector<int>& v, std::size_t from, std::size_t to) {
    return std::accumulate(v.begin() + from, v.begin() + to, 0.0) / (to - from);
}

Board Grass() {
    return Board{};
}
void Put(Board& b, int c, int r, int t) {
    b[CellIndex(c, r)] = static_cast<std::uint8_t>(t);
}

} // namespace

void TestLevelLibrary::shippedFileIsSoundAndRises() {
    const std::string shipped = std::string(zt::testpaths::SourceDir) + "/data/ztrn.dat";
    const LevelFile file = ReadLevelFile(shipped);
    QVERIFY(file.opened);
    QCOMPARE(file.records.size(), std::size_t(MaxLevels));
    const CheckReport report =
        CheckLevels(file.records, std::filesystem::file_size(shipped));
    QVERIFY(report.Clean());
    for (std::size_t i = 0; i < file.records.size(); ++i) {
        const QString broken = BrokenRule(file.records[i]);
        QVERIFY2(broken.isEmpty(), qPrintable(QString("level %1: %2").arg(i + 1).arg(broken)));
    }
    ExpectDistinct(file.records);

    const auto figures = Figures(file.records);
    QVERIFY2(LargestDrop(figures) <= 8, "the figure falls far below an earlier level");
    QVERIFY(Mean(figures, 0, 50) * 3 < Mean(figures, 200, 300));
    QVERIFY(Mean(figures, 200, 300) + 20 < Mean(figures, 400, 500));
    // The browser's marks split the library in about equal parts.
    for (int m = 1; m <= zt::MostDifficultyMarks; ++m) {
        const auto n = std::count_if(figures.begin(), figures.end(),
                                     [m](int f) { return zt::DifficultyMarks(f) == m; });
        QVERIFY2(n >= 80 && n <= 120, qPrintable(QString::number(m)));
    }

    // A gentle start: a few street pieces on open grass, nothing fixed.
    for (int i = 0; i < 10; ++i) {
        const LevelStats s = Measure(file.records[i]);
        QVERIFY(s.roads <= 6);
        QCOMPARE(s.fixedTiles, 0);
        QCOMPARE(s.roads, s.byFamily[static_cast<int>(RoadFamily::Street)]);
    }
    // The last hundred fill most of the board with roads.
    int roads = 0;
    for (int i = 400; i < 500; ++i)
        roads += Measure(file.records[i]).roads;
    QVERIFY(roads / 100 >= CellCount / 2);
}

void TestLevelLibrary::sceneryRulesCatchBrokenBoards() {
    // A river from the top border to the bottom border, crossed by a street bridge
    // whose street ends in garage bays on both banks: sound.
    Board river = Grass();
    for (int r = 0; r < Rows; ++r)
        Put(river, 4, r, 98);
    Put(river, 4, 3, 94);
    Put(river, 3, 3, 39);
    Put(river, 5, 3, 38);
    QVERIFY(Fits(river));
    QVERIFY(SceneryFaults(river).empty());

    // The same river stopping in the middle of the board: the road rules are
    // still met, the scenery is not.
    Board stops = river;
    Put(stops, 4, 5, 0);
    Put(stops, 4, 6, 0);
    QVERIFY(Fits(stops));
    QVERIFY(!SceneryFaults(stops).empty());
    // Made to end at a spring instead, it is sound again.
    Put(stops, 4, 4, 119);
    QVERIFY(SceneryFaults(stops).empty());

    // Half a factory: the left column without the right one.
    Board half = Grass();
    Put(half, 3, 2, 91);
    Put(half, 3, 3, 92);
    Put(half, 3, 4, 93);
    QVERIFY(!SceneryFaults(half).empty());
    // The parts swapped within the building are out of place as well.
    Board swapped = Grass();
    const auto plans = BuildingPlans();
    QVERIFY(!plans.empty());
    const BuildingPlan& b = plans[0];
    for (int c = 0; c < b.width; ++c)
        for (int r = 0; r < b.height; ++r)
            if (b.at(c, r) >= 0)
                Put(swapped, 2 + c, 1 + r,
                    b.at(b.width - 1 - c, r) >= 0 ? b.at(b.width - 1 - c, r) : b.at(c, r));
    QVERIFY(!SceneryFaults(swapped).empty());

    // A level crossing in open country: the railway comes from nowhere.
    Board crossing = Grass();
    Put(crossing, 4, 2, 41);
    Put(crossing, 4, 3, 190);
    Put(crossing, 4, 4, 40);
    QVERIFY(Fits(crossing));
    QVERIFY(!SceneryFaults(crossing).empty());
    // With the railway running off both sides of the board it is sound.
    for (int c = 0; c < Columns; ++c)
        if (c != 4)
            Put(crossing, c, 3, 192);
    QVERIFY(SceneryFaults(crossing).empty());

    // Two houses whose driveways meet in a small-road arch, and one whose drive
    // runs into the grass.
    Board houses = Grass();
    Put(houses, 3, 3, 37);
    Put(houses, 4, 3, 36);
    Put(houses, 3, 4, 140);
    Put(houses, 4, 4, 140);
    QVERIFY(SceneryFaults(houses).empty());
    Put(houses, 4, 3, 0);
    QVERIFY(!SceneryFaults(houses).empty());

    // A river closing on itself meets every side rule but never leaves the board.
    Board ring = Grass();
    Put(ring, 3, 3, 117);
    Put(ring, 4, 3, 116);
    Put(ring, 3, 4, 114);
    Put(ring, 4, 4, 115);
    QVERIFY(SceneryFaults(ring).empty());
    QVERIFY(!WaterAndRailRunOn(ring));
    QVERIFY(WaterAndRailRunOn(river));
}

void TestLevelLibrary::generatorIsRepeatableAndKeepsEveryRule() {
    // A short library runs through every stage of the curve.
    constexpr int count = 32;
    const auto first = GenerateLibrary(7, count);
    QVERIFY(first == GenerateLibrary(7, count));
    QVERIFY(first != GenerateLibrary(8, count));
    for (std::uint64_t seed : {7ull, 1234ull}) {
        const auto levels = seed == 7 ? first : GenerateLibrary(seed, count);
        QCOMPARE(levels.size(), std::size_t(count));
        for (int i = 0; i < count; ++i) {
            const QString broken = BrokenRule(levels[i]);
            QVERIFY2(broken.isEmpty(),
                     qPrintable(QString("seed %1, level %2: %3").arg(seed).arg(i + 1).arg(broken)));
        }
        ExpectDistinct(levels);
        const auto figures = Figures(levels);
        QVERIFY(LargestDrop(figures) <= 12);
        QVERIFY(Mean(figures, 0, 5) * 4 < Mean(figures, count - 5, count));
        // Every stage shows its idea somewhere: water, railway and buildings appear.
        auto anyOf = [&](int lo, int hi) {
            for (const auto& r : levels)
                for (int t : r)
                    if (t >= lo && t <= hi)
                        return true;
            return false;
        };
        QVERIFY(anyOf(94, 99) || anyOf(170, 171));
        QVERIFY(anyOf(190, 199));
        QVERIFY(anyOf(140, 149) || anyOf(91, 93) || anyOf(100, 106) || anyOf(120, 126));
    }
    // Any count from one to the limit; one level is a small first level.
    const auto one = GenerateLibrary(5, 1);
    QCOMPARE(one.size(), std::size_t(1));
    QVERIFY(BrokenRule(one[0]).isEmpty());
    QVERIFY(Measure(one[0]).roads <= 6);
}

void TestLevelLibrary::figureCountsEachShapeOnce() {
    // Two street crossings, one drawn as a roundabout, joined by straights into a
    // figure of eight with garage ends: the roundabout is no new kind to learn.
    Board b = Grass();
    Put(b, 2, 3, 39); // dead end open to the right
    Put(b, 3, 3, 3);
    Put(b, 4, 3, 2);
    Put(b, 5, 3, 58);
    Put(b, 6, 3, 38); // dead end open to the left
    Put(b, 3, 2, 41);
    Put(b, 3, 4, 40);
    Put(b, 5, 2, 62); // wide end, same sides as 41
    Put(b, 5, 4, 60); // wide end, same sides as 40
    QVERIFY(Fits(b));
    const LevelStats s = Measure(b);
    QCOMPARE(s.roads, 9);
    QCOMPARE(s.kinds, 6); // crossing, straight and the four dead ends
    QCOMPARE(s.figure, 9 + 2 * 6);
    QCOMPARE(s.grass, CellCount - 9);

    // Fixed tiles and damaged cells are counted apart and never as roads.
    Put(b, 0, 0, 110);
    Put(b, 8, 6, 240);
    const LevelStats t = Measure(b);
    QCOMPARE(t.roads, 9);
    QCOMPARE(t.fixedTiles, 1);
    QCOMPARE(t.byFamily[static_cast<int>(RoadFamily::Invalid)], 1);
    QCOMPARE(t.figure, s.figure);
}
