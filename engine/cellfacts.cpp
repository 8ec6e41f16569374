#include "cellfacts.h"

#include "scenery.h"

// The words are marked for Qt's translation tools without Qt: lupdate reads
// the marks, and the window looks each word up in the context named here.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace zt {

namespace {

// The movable road pieces by their edges, but for the few the edges cannot
// tell apart: the garage bays have the edges of the wide street ends (59 to
// 62), the roundabout those of the street crossing (3).
constexpr int FirstGarage = 38;
constexpr int LastGarage = 41;
constexpr int RoundaboutTile = 58;

TileKind RoadKind(int t) {
    if (t >= FirstGarage && t <= LastGarage) {
        return TileKind::Garage;
    }
    if (t == RoundaboutTile) {
        return TileKind::Roundabout;
    }
    int arms = 0;
    bool raised = false;
    bool street = false;
    for (int s = Right; s <= Bottom; ++s) {
        const auto e = Edge(t, static_cast<Side>(s));
        arms += e != NoRoad;
        raised |= e == Raised;
        street |= e == Street;
    }
    // One road across and one up and down, whether one passes over the other
    // or they meet: a raised road over a street is a crossing that moves, a
    // bridge is scenery that never does.
    if (arms == 4 && Edge(t, Right) == Edge(t, Left) && Edge(t, Top) == Edge(t, Bottom)) {
        return TileKind::Crossing;
    }
    if (arms >= 3) {
        return TileKind::Junction;
    }
    if (arms == 0) {
        return TileKind::Grass;
    }
    return raised ? TileKind::Raised : street ? TileKind::Street : TileKind::Small;
}

const char* SideWord(Side s) {
    switch (s) {
    case Right:
        return QT_TRANSLATE_NOOP("CellWords", "right");
    case Top:
        return QT_TRANSLATE_NOOP("CellWords", "top");
    case Left:
        return QT_TRANSLATE_NOOP("CellWords", "left");
    case Bottom:
        break;
    }
    return QT_TRANSLATE_NOOP("CellWords", "bottom");
}

} // namespace

TileKind KindOf(int t) {
    if (!IsTile(t)) {
        return TileKind::Grass;
    }
    switch (SceneryOf(t).kind) {
    case Scenery::Road:
        return RoadKind(t);
    case Scenery::BuildingPart:
    case Scenery::House:
        return TileKind::Building;
    case Scenery::Pond:
    case Scenery::River:
    case Scenery::RiverSpring:
    case Scenery::RiverMouth:
    case Scenery::Lake:
    case Scenery::LakeShore:
        return TileKind::Water;
    case Scenery::Bridge:
    case Scenery::RoadOverRailway:
        return TileKind::Bridge;
    case Scenery::Causeway:
        return TileKind::Causeway;
    case Scenery::ShoreStreet:
        return TileKind::Street;
    case Scenery::LevelCrossing:
        return TileKind::LevelCrossing;
    case Scenery::Railway:
    case Scenery::RailwayBridge:
        return TileKind::Railway;
    case Scenery::Grass:
    case Scenery::Park:
        break;
    }
    return TileKind::Grass;
}

CellFacts FactsOf(const Board& board, Cell cell, std::optional<Cell> marked) {
    const int t = board[CellIndex(cell.c, cell.r)];
    CellFacts facts;
    facts.kind = KindOf(t);
    facts.movable = IsMovable(t);
    facts.marked = marked && *marked == cell;
    if (!IsTile(t)) {
        return facts;
    }
    constexpr std::array<Cell, 4> step{{{1, 0}, {0, -1}, {-1, 0}, {0, 1}}};
    for (int s = Right; s <= Bottom; ++s) {
        SideFacts& side = facts.sides[s];
        side.road = static_cast<EdgeCode>(Edge(t, static_cast<Side>(s)));
        const Cell next{cell.c + step[s].c, cell.r + step[s].r};
        if (side.road != NoRoad && OnBoard(next)) {
            const int n = board[CellIndex(next.c, next.r)];
            side.meets = IsTile(n) && Edge(n, Opposite(static_cast<Side>(s))) == side.road;
        }
    }
    return facts;
}

const char* KindWord(TileKind kind) {
    switch (kind) {
    case TileKind::Street:
        return QT_TRANSLATE_NOOP("CellWords", "street");
    case TileKind::Raised:
        return QT_TRANSLATE_NOOP("CellWords", "raised road");
    case TileKind::Small:
        return QT_TRANSLATE_NOOP("CellWords", "small road");
    case TileKind::Garage:
        return QT_TRANSLATE_NOOP("CellWords", "garage");
    case TileKind::Crossing:
        return QT_TRANSLATE_NOOP("CellWords", "crossing");
    case TileKind::Roundabout:
        return QT_TRANSLATE_NOOP("CellWords", "roundabout");
    case TileKind::Junction:
        return QT_TRANSLATE_NOOP("CellWords", "junction");
    case TileKind::Bridge:
        return QT_TRANSLATE_NOOP("CellWords", "bridge");
    case TileKind::Causeway:
        return QT_TRANSLATE_NOOP("CellWords", "causeway");
    case TileKind::LevelCrossing:
        return QT_TRANSLATE_NOOP("CellWords", "level crossing");
    case TileKind::Water:
        return QT_TRANSLATE_NOOP("CellWords", "water");
    case TileKind::Railway:
        return QT_TRANSLATE_NOOP("CellWords", "railway");
    case TileKind::Building:
        return QT_TRANSLATE_NOOP("CellWords", "building");
    case TileKind::Grass:
        break;
    }
    return QT_TRANSLATE_NOOP("CellWords", "grass");
}

const char* RoadWord(EdgeCode road) {
    switch (road) {
    case Street:
        return QT_TRANSLATE_NOOP("CellWords", "street");
    case Raised:
        return QT_TRANSLATE_NOOP("CellWords", "raised road");
    case Small:
        return QT_TRANSLATE_NOOP("CellWords", "small road");
    case NoRoad:
        break;
    }
    return "";
}

std::string DescribeCell(const CellFacts& facts, const WordLookup& word) {
    std::string line = word(KindWord(facts.kind));
    const std::string comma = ", ";
    for (const Side s : {Top, Right, Bottom, Left}) {
        const SideFacts& side = facts.sides[s];
        if (side.road == NoRoad) {
            continue;
        }
        line += comma + word(SideWord(s)) + " " + word(RoadWord(side.road)) + " " +
                word(side.meets ? QT_TRANSLATE_NOOP("CellWords", "meets")
                                : QT_TRANSLATE_NOOP("CellWords", "open"));
    }
    line += comma + word(facts.movable ? QT_TRANSLATE_NOOP("CellWords", "movable")
                                       : QT_TRANSLATE_NOOP("CellWords", "fixed"));
    if (facts.marked) {
        line += comma + word(QT_TRANSLATE_NOOP("CellWords", "marked"));
    }
    return line;
}

} // namespace zt
