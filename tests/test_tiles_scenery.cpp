// The scenery table: agreement with the edge codes, consistency of its links, and the
// rules a level generator relies on to place fixed tiles.
#include <QtTest>
#include <algorithm>
#include <set>
#include <vector>

#include "catalogue.h"
#include "scenery.h"

using namespace zt;

namespace {

constexpr Side kSides[4] = {Right, Top, Left, Bottom};

// A rectangle of tiles, rows top to bottom, as on a board; -1 is a cell left free for
// movable tiles, which fit any side except the inside of a building.
using Scene = std::vector<std::vector<int>>;

// Every pair of touching tiles must fit, and every side on the scene's outline must be
// allowed on the border of the board.
bool SceneFits(const Scene& scene) {
    const int rows = static_cast<int>(scene.size());
    for (int r = 0; r < rows; ++r) {
        const int cols = static_cast<int>(scene[r].size());
        for (int c = 0; c < cols; ++c) {
            const int t = scene[r][c];
            if (t < 0)
                continue;
            for (Side s : kSides) {
                const int nc = c + (s == Right) - (s == Left);
                const int nr = r + (s == Bottom) - (s == Top);
                const bool inside =
                    nr >= 0 && nr < rows && nc >= 0 && nc < static_cast<int>(scene[nr].size());
                if (!inside) {
                    if (!MayFaceBorder(t, s))
                        return false;
                } else if (scene[nr][nc] < 0) {
                    if (ContinuesWith(t, s).across == Across::Part)
                        return false;
                } else if (!FitsBeside(t, s, scene[nr][nc])) {
                    return false;
                }
            }
        }
    }
    return true;
}

// Which corners of a tile are lake water, as one side sees them: {first, second} corner
// along the side (top then bottom for left/right sides, left then right for top/bottom).
std::pair<int, int> SideCorners(Across a) {
    switch (a) {
    case Across::Lake:
        return {1, 1};
    case Across::ShoreWaterFirst:
        return {1, 0};
    case Across::ShoreWaterSecond:
        return {0, 1};
    default:
        return {0, 0};
    }
}

} // namespace

class TilesSceneryTest : public QObject {
    Q_OBJECT

private slots:
    void roadSidesAgreeWithTheCatalogue() {
        for (int t = 0; t < TileCount; ++t) {
            const SceneryEntry& e = SceneryOf(t);
            int roads = 0;
            for (Side s : kSides) {
                const int code = Edge(t, s);
                const Across a = e.sides[s].across;
                roads += code != NoRoad;
                if (code == NoRoad)
                    continue;
                // A road reaches the edge over open ground, or over water on a causeway.
                const bool ok =
                    a == Across::Open || (a == Across::Lake && e.kind == Scenery::Causeway);
                QVERIFY2(ok, qPrintable(QString("tile %1 side %2").arg(t).arg(int(s))));
                if (e.kind == Scenery::House)
                    QCOMPARE(code, int(Small)); // driveways are small roads
                if (e.kind == Scenery::Causeway || e.kind == Scenery::RoadOverRailway)
                    QCOMPARE(code, int(Raised));
                if (e.kind == Scenery::ShoreStreet)
                    QCOMPARE(code, int(Street));
            }
            // Movable tiles carry no scenery that could be torn apart by the shuffle.
            if (IsMovable(t)) {
                QCOMPARE(e.kind, t == 0 ? Scenery::Grass : Scenery::Road);
                for (Side s : kSides)
                    QCOMPARE(e.sides[s].across, Across::Open);
            } else {
                QVERIFY(e.kind != Scenery::Road);
            }
            if (e.kind == Scenery::Grass || e.kind == Scenery::Park || e.kind == Scenery::Pond ||
                e.kind == Scenery::Lake || e.kind == Scenery::LakeShore ||
                e.kind == Scenery::River || e.kind == Scenery::Railway)
                QVERIFY2(roads == 0, qPrintable(QString("tile %1 has a road").arg(t)));
            if (e.kind == Scenery::Road || e.kind == Scenery::Bridge ||
                e.kind == Scenery::Causeway || e.kind == Scenery::LevelCrossing ||
                e.kind == Scenery::RoadOverRailway || e.kind == Scenery::ShoreStreet)
                QVERIFY2(roads >= 1, qPrintable(QString("tile %1 lacks its road").arg(t)));
            // Crossing things: the road runs straight over the river or railway.
            if (e.kind == Scenery::Bridge || e.kind == Scenery::LevelCrossing ||
                e.kind == Scenery::RoadOverRailway) {
                const Across under = e.kind == Scenery::Bridge ? Across::River : Across::Railway;
                const bool across = Edge(t, Right) != NoRoad;
                QCOMPARE(Edge(t, Right), Edge(t, Left));
                QCOMPARE(Edge(t, Top), Edge(t, Bottom));
                QCOMPARE(e.sides[across ? Top : Right].across, under);
                QCOMPARE(e.sides[across ? Bottom : Left].across, under);
            }
        }
    }

    void fixedTilesShowWhatTheGameSays() {
        // The fixed tiles by the groups the game's pictures are known by.
        using S = Scenery;
        const auto water = {S::River, S::RiverSpring, S::RiverMouth, S::Lake, S::LakeShore};
        struct Group {
            std::vector<int> tiles;
            std::vector<Scenery> kinds;
        };
        auto range = [](int a, int b) {
            std::vector<int> v;
            for (int t = a; t <= b; ++t)
                v.push_back(t);
            return v;
        };
        auto join = [](std::vector<int> a, const std::vector<int>& b) {
            a.insert(a.end(), b.begin(), b.end());
            return a;
        };
        const std::vector<Group> groups = {
            {join(join(range(91, 93), range(111, 113)), join(range(100, 106), range(120, 126))),
             {S::BuildingPart}},
            {join(range(94, 97), {170, 171}), {S::Bridge}},
            {join(range(107, 109), range(127, 129)), {S::Causeway}},
            {join(join({98, 99, 110}, range(114, 119)), join(range(130, 139), range(150, 159))),
             water},
            {{152, 158, 167}, {S::Lake}},
            {join(join(range(140, 149), range(160, 165)), range(180, 185)), {S::House}},
            {{166}, {S::Park}},
            {{168, 169}, {S::RoadOverRailway}},
            {{176, 177}, {S::RailwayBridge}},
            {{178}, {S::Pond}},
            {{179}, {S::Grass}},
            {range(186, 189), {S::ShoreStreet}},
            {{190, 191, 194, 195}, {S::LevelCrossing}},
            {{192, 193, 196, 197, 198, 199}, {S::Railway}},
        };
        for (const Group& g : groups)
            for (int t : g.tiles)
                QVERIFY2(std::find(g.kinds.begin(), g.kinds.end(), SceneryOf(t).kind) !=
                             g.kinds.end(),
                         qPrintable(QString("tile %1 shows the wrong thing").arg(t)));
    }

    void linksAreSymmetric() {
        // Whatever fits on one side fits back from the other, and building parts name
        // each other.
        for (int a = 0; a < TileCount; ++a) {
            for (Side s : kSides) {
                const SideScenery side = ContinuesWith(a, s);
                if (side.across == Across::Part) {
                    const int b = side.partner;
                    QVERIFY2(b > LastMovableTile && SceneryOf(b).kind == Scenery::BuildingPart,
                             qPrintable(QString("tile %1 names %2").arg(a).arg(b)));
                    QCOMPARE(int(ContinuesWith(b, Opposite(s)).partner), a);
                    QVERIFY(FitsBeside(a, s, b));
                    QVERIFY(!MayFaceBorder(a, s));
                }
                bool anyFit = false;
                for (int b = 0; b < TileCount; ++b) {
                    const bool fits = FitsBeside(a, s, b);
                    QCOMPARE(fits, FitsBeside(b, Opposite(s), a));
                    anyFit = anyFit || fits;
                }
                // Every river, railway, shore or road can be carried on by some tile.
                QVERIFY2(anyFit,
                         qPrintable(QString("nothing fits tile %1 side %2").arg(a).arg(int(s))));
            }
        }
    }

    void lakeCornersAgree() {
        // A corner of a cell is water or land; the two sides that meet there must say the
        // same, or a shore would break off at the corner.
        for (int t = 0; t < TileCount; ++t) {
            const auto& sides = SceneryOf(t).sides;
            const auto right = SideCorners(sides[Right].across);
            const auto top = SideCorners(sides[Top].across);
            const auto left = SideCorners(sides[Left].across);
            const auto bottom = SideCorners(sides[Bottom].across);
            const QString where = QString("tile %1").arg(t);
            QVERIFY2(top.first == left.first, qPrintable(where + " top left"));
            QVERIFY2(top.second == right.first, qPrintable(where + " top right"));
            QVERIFY2(bottom.first == left.second, qPrintable(where + " bottom left"));
            QVERIFY2(bottom.second == right.second, qPrintable(where + " bottom right"));
        }
    }

    void riversAndRailwaysRunOn() {
        // Counting the sides that carry a river or a railway: two for a line running
        // through, one only where a piece is made to end it.
        for (int t = 0; t < TileCount; ++t) {
            const SceneryEntry& e = SceneryOf(t);
            int rivers = 0, rails = 0;
            for (Side s : kSides) {
                rivers += e.sides[s].across == Across::River;
                rails += e.sides[s].across == Across::Railway;
            }
            const bool endsRiver = e.kind == Scenery::RiverSpring || e.kind == Scenery::RiverMouth;
            QVERIFY2(rivers == 0 || rivers == 2 || (rivers == 1 && endsRiver),
                     qPrintable(QString("tile %1: %2 river sides").arg(t).arg(rivers)));
            QVERIFY2(rails == 0 || rails == 2,
                     qPrintable(QString("tile %1: %2 railway sides").arg(t).arg(rails)));
            if (endsRiver)
                QCOMPARE(rivers, 1);
        }
    }

    void buildingPlans() {
        const auto plans = BuildingPlans();
        QCOMPARE(int(plans.size()), 3);
        std::set<int> seen;
        for (std::size_t i = 0; i < plans.size(); ++i) {
            const BuildingPlan& p = plans[i];
            QVERIFY(p.width * p.height <= 16);
            // With a ring of free cells around it, the building is whole: every part has
            // its partners in their places.
            Scene scene(p.height + 2, std::vector<int>(p.width + 2, -1));
            for (int r = 0; r < p.height; ++r) {
                for (int c = 0; c < p.width; ++c) {
                    const int t = p.at(c, r);
                    scene[r + 1][c + 1] = t;
                    if (t < 0)
                        continue;
                    QVERIFY(seen.insert(t).second);
                    QCOMPARE(BuildingOf(t), int(i));
                }
            }
            QVERIFY(p.width <= 7 && p.height <= 5);
            QVERIFY(SceneFits(scene));
        }
        // Every building part belongs to exactly one plan.
        for (int t = 0; t < TileCount; ++t)
            QCOMPARE(seen.count(t) == 1, SceneryOf(t).kind == Scenery::BuildingPart);
        QCOMPARE(BuildingOf(0), -1);
        // The plaza sits in front of the office's main door.
        const BuildingPlan& office = plans[BuildingOf(104)];
        bool found = false;
        for (int r = 0; r + 1 < office.height; ++r)
            for (int c = 0; c < office.width; ++c)
                found = found || (office.at(c, r) == 104 && office.at(c, r + 1) == 101);
        QVERIFY(found);
    }

    void scenesAGeneratorWouldLay() {
        // A lake with a causeway across it, fed by a river from a spring.
        const Scene lake = {
            {0, 0, 139, 0, 0},
            {0, 135, 156, 134, 0},
            {-1, 107, 108, 109, -1},
            {0, 136, 132, 137, 0},
        };
        QVERIFY(SceneFits(lake));
        // A river bending round under a bridge, off the board at the bottom.
        QVERIFY(SceneFits({{118, 99, 116, 0}, {-1, -1, 96, -1}, {0, 0, 98, 0}}));
        // Faults the table must catch: a river stopping in a field, a causeway ending in
        // water, half a building, a shore turned the wrong way, rails into a house.
        QVERIFY(!SceneFits({{98}, {0}}));
        QVERIFY(!SceneFits({{135, 130, 134}, {107, 108, 108}, {136, 132, 137}}));
        QVERIFY(!SceneFits({{-1, -1, -1}, {-1, 91, 111}, {-1, 92, 112}, {-1, -1, -1}}));
        QVERIFY(!SceneFits({{-1, 111, 91, -1}}));
        QVERIFY(!SceneFits({{130, 130}, {131, 110}}));
        QVERIFY(!SceneFits({{192, 140}}));
        QVERIFY(SceneFits({{135, 130, 134}, {136, 132, 137}}));
        // A lake on its own is fine, down to the smallest one; so is the open ground of
        // the movable tiles around any fixed tile without roads.
        QVERIFY(SceneFits({{135, 134}, {136, 137}}));
        QVERIFY(SceneFits({{0, 0, 0}, {0, 178, 0}, {0, 0, 0}}));
        // A cell value from a damaged level file fits nothing and is no building.
        for (int bad : {200, 255}) {
            QVERIFY(!SceneFits({{bad}}));
            QVERIFY(!SceneFits({{0, bad}}));
        }
        for (int bad : {200, 255, -1, 1000}) {
            QVERIFY(!FitsBeside(0, Right, bad) && !FitsBeside(bad, Left, 0));
            QVERIFY(!MayFaceBorder(bad, Top));
            QCOMPARE(BuildingOf(bad), -1);
        }
    }
};

QTEST_APPLESS_MAIN(TilesSceneryTest)
#include "test_tiles_scenery.moc"
