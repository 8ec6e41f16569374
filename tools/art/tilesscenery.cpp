// The fixed tiles 91..199 that are made of water, railway and the roads that cross them.
// Which corners are lake and where a river or railway runs comes from the scenery table,
// so the pictures continue exactly as the table promises the level generator.
#include "tiles.h"

#include "scenery.h"

#include <algorithm>
#include <cmath>

namespace tileart {

namespace {

using zt::Across;
using zt::Bottom;
using zt::Left;
using zt::Right;
using zt::Side;
using zt::Top;
constexpr Side kSides[4] = {Right, Top, Left, Bottom};

enum Corner { TopLeft = 1, TopRight = 2, BottomLeft = 4, BottomRight = 8 };

// Which corners of tile t are lake water, read off the halves of its sides.
int WaterCorners(int t) {
    int mask = 0;
    for (Side s : kSides) {
        const Across a = zt::ContinuesWith(t, s).across;
        const bool first = a == Across::Lake || a == Across::ShoreWaterFirst;
        const bool second = a == Across::Lake || a == Across::ShoreWaterSecond;
        switch (s) {
        case Right:
            mask |= (first ? TopRight : 0) | (second ? BottomRight : 0);
            break;
        case Top:
            mask |= (first ? TopLeft : 0) | (second ? TopRight : 0);
            break;
        case Left:
            mask |= (first ? TopLeft : 0) | (second ? BottomLeft : 0);
            break;
        case Bottom:
            mask |= (first ? BottomLeft : 0) | (second ? BottomRight : 0);
            break;
        }
    }
    return mask;
}

double LakeDepth(int mask, double x, double y) {
    auto dist = [&](double cx, double cy) { return std::hypot(x - cx, y - cy); };
    const double cx[4] = {0, 48, 0, 48}, cy[4] = {0, 0, 48, 48};
    switch (mask) {
    case 0:
        return -1e9;
    case 15:
        return 1e9;
    case TopLeft | TopRight:
        return 24 - y;
    case BottomLeft | BottomRight:
        return y - 24;
    case TopLeft | BottomLeft:
        return 24 - x;
    case TopRight | BottomRight:
        return x - 24;
    default:
        break;
    }
    const int count = __builtin_popcount(static_cast<unsigned>(mask));
    double best = -1e9;
    for (int i = 0; i < 4; ++i) {
        const bool water = mask & (1 << i);
        if (count == 3 && !water)
            return dist(cx[i], cy[i]) - 24;
        if (count != 3 && water)
            best = std::max(best, 24 - dist(cx[i], cy[i]));
    }
    return best;
}

std::vector<Side> SidesCarrying(int t, Across what) {
    std::vector<Side> out;
    for (Side s : kSides)
        if (zt::ContinuesWith(t, s).across == what)
            out.push_back(s);
    return out;
}

// A gentle wobble of banks and shores that dies out a pixel before the cell's edge, so
// neighbours still meet on the same line.
double Wobble(double x, double y, int t) {
    const double edge = std::min(std::min(x, 48 - x), std::min(y, 48 - y));
    const double fade = std::clamp((edge - 1) / 6, 0.0, 1.0);
    return fade * 1.3 * std::sin(x * 0.41 + t) * std::sin(y * 0.37 + 2 * t);
}

// Depth of water at (x, y) in tile t: lake corners, rivers, springs and mouths together.
double WaterDepth(int t, double x, double y) {
    double d = LakeDepth(WaterCorners(t), x, y);
    const std::vector<Side> rivers = SidesCarrying(t, Across::River);
    const zt::Scenery kind = zt::SceneryOf(t).kind;
    if (rivers.size() == 2) {
        d = std::max(d, 8 - std::fabs(Locate({rivers[0], rivers[1]}, x, y).across));
    } else if (rivers.size() == 1) {
        const TrackPoint p = Locate({rivers[0], rivers[0]}, x, y);
        if (kind == zt::Scenery::RiverSpring) {
            d = std::max(d, std::min(8 - std::fabs(p.across), 26 - p.along));
            d = std::max(d, 10 - std::hypot(x - 24, y - 24));
        } else {
            d = std::max(d, std::min(8 - std::fabs(p.across), 40 - p.along));
        }
    }
    if (kind == zt::Scenery::Pond) {
        const double ex = (x - 24) / 15, ey = (y - 25) / 11;
        d = (1 - std::sqrt(ex * ex + ey * ey)) * 11;
    }
    return d + Wobble(x, y, t);
}

bool HasWater(int t) {
    return WaterCorners(t) != 0 || !SidesCarrying(t, Across::River).empty() ||
           zt::SceneryOf(t).kind == zt::Scenery::Pond;
}

// Reeds and stones along the waterline, never within a few pixels of the cell's edge.
void Reeds(TileCanvas& canvas, int t, int clumps) {
    canvas.paint([&](QPainter& p) {
        int placed = 0;
        for (int i = 0; i < 400 && placed < clumps; ++i) {
            const double x = 5 + Hash01(t, i, 31) * 38, y = 5 + Hash01(t, i, 32) * 38;
            const double d = WaterDepth(t, x, y);
            if (d < -1.5 || d > 1.0)
                continue;
            ++placed;
            for (int k = 0; k < 5; ++k) {
                const double a = -1.9 + Hash01(t * 7 + i, k, 33) * 0.9;
                const double len = 1.6 + Hash01(t * 7 + i, k, 34) * 1.6;
                p.setPen(QPen(QColor(k % 2 ? qRgb(68, 104, 38) : qRgb(122, 138, 58)), 0.5));
                const QPointF base(x + (k - 2) * 0.6, y);
                p.drawLine(base, base + QPointF(std::cos(a), std::sin(a)) * len);
            }
        }
    });
}

void Stones(TileCanvas& canvas, int t, int count, double nearDepth) {
    canvas.paint([&](QPainter& p) {
        p.setPen(Qt::NoPen);
        int placed = 0;
        for (int i = 0; i < 400 && placed < count; ++i) {
            const double x = 5 + Hash01(t, i, 41) * 38, y = 5 + Hash01(t, i, 42) * 38;
            if (std::fabs(WaterDepth(t, x, y) - nearDepth) > 1.2)
                continue;
            ++placed;
            const double r = 0.9 + Hash01(t, i, 43) * 0.9;
            p.setBrush(QColor(qRgb(104, 104, 100)));
            p.drawEllipse(QPointF(x + 0.3, y + 0.3), r, r * 0.8);
            p.setBrush(QColor(qRgb(168, 166, 158)));
            p.drawEllipse(QPointF(x, y), r * 0.8, r * 0.65);
        }
    });
}

// The road of a fixed tile, straight through or round a bend, from its edge codes.
Road FixedRoad(int t) {
    std::vector<Side> sides;
    for (Side s : kSides)
        if (zt::Edge(t, s) != 0)
            sides.push_back(s);
    const int kind = zt::Edge(t, sides.front());
    return Road{sides.front(), sides.back(), kind, kind};
}

// The shadow a bridge deck throws on what lies below, down and to the right.
void DeckShadow(TileCanvas& canvas, const Track& road, double from, double to, double edge) {
    canvas.shade([&](double x, double y, QRgb& c) {
        const TrackPoint p = Locate(road, x, y);
        if (p.along >= from && p.along < to && p.across >= edge && p.across < edge + 2.5)
            c = Scale(c, 0.6);
    });
}

void Bridge(TileCanvas& canvas, int t) {
    Road road = FixedRoad(t);
    const Track track{road.a, road.b};
    if (road.kindA == zt::Raised) {
        road.spanFrom = 12;
        road.spanTo = 36;
    }
    PaintRoads(canvas, {road});
    const double half = RoadHalfWidth(road.kindA);
    if (road.kindA == zt::Street) {
        DeckShadow(canvas, track, 12, 36, 11.5);
        canvas.shade([&](double x, double y, QRgb& c) {
            const TrackPoint p = Locate(track, x, y);
            const double a = std::fabs(p.across);
            if (p.along >= 12 && p.along < 36 && a >= half && a < half + 1.5)
                c = std::fmod(p.along, 4.0) < 1 ? qRgb(56, 58, 64) : qRgb(150, 154, 160);
        });
    } else if (road.kindA == zt::Raised) {
        DeckShadow(canvas, track, 12, 36, 11);
    } else {
        DeckShadow(canvas, track, 12, 36, 7);
        canvas.shade([&](double x, double y, QRgb& c) {
            const TrackPoint p = Locate(track, x, y);
            const double a = std::fabs(p.across);
            if (p.along < 12 || p.along >= 36 || a >= 7)
                return;
            if (a >= 6)
                c = qRgb(104, 72, 44); // hand rails
            else
                c = std::fmod(p.along, 2.0) < 0.5 ? qRgb(118, 82, 50) : qRgb(162, 118, 72);
        });
    }
}

void RailwayBridge(TileCanvas& canvas, int t) {
    const std::vector<Side> rails = SidesCarrying(t, Across::Railway);
    const Track track{rails[0], rails[1]};
    PaintRailway(canvas, track);
    DeckShadow(canvas, track, 11, 37, 12);
    canvas.shade([&](double x, double y, QRgb& c) {
        const TrackPoint p = Locate(track, x, y);
        const double a = std::fabs(p.across);
        if (p.along < 11 || p.along >= 37 || a < 9.5 || a >= 12)
            return;
        // Steel girders with their cross braces.
        const bool brace = std::fmod(p.along + (p.across > 0 ? 0 : 3), 6.0) < 1;
        c = brace ? qRgb(150, 160, 176) : qRgb(70, 80, 98);
    });
}

void LevelCrossing(TileCanvas& canvas, int t) {
    const std::vector<Side> rails = SidesCarrying(t, Across::Railway);
    const Track rail{rails[0], rails[1]};
    PaintRailway(canvas, rail);
    Road road = FixedRoad(t);
    road.quietFrom = 11;
    road.quietTo = 37;
    PaintRoads(canvas, {road});
    const double half = RoadHalfWidth(road.kindA) - 1;
    const Track across{road.a, road.b};
    canvas.shade([&](double x, double y, QRgb& c) {
        const double ra = std::fabs(Locate(rail, x, y).across);
        const double aa = std::fabs(Locate(across, x, y).across);
        if (aa >= half || ra >= 7.5)
            return;
        c = road.kindA == zt::Street ? qRgb(104, 104, 108) : qRgb(78, 70, 62);
        if (ra >= 4 && ra < 5)
            c = qRgb(214, 214, 220);
        else if (ra >= 5 && ra < 6)
            c = qRgb(84, 84, 90);
    });
    // Half barriers, striped red and white, each closing one lane from its own side.
    canvas.paint([&](QPainter& p) {
        FaceSide(p, road.a);
        p.setPen(Qt::NoPen);
        const double w = RoadHalfWidth(road.kindA);
        for (int side : {-1, 1}) {
            const double y = 24 + side * 12.5;
            const double post = -side * (w + 2);
            p.setBrush(QColor(qRgb(50, 50, 54)));
            p.drawRect(QRectF(post - 1.25, y - 1.25, 2.5, 2.5));
            p.setBrush(QColor(qRgb(230, 40, 30)));
            p.drawEllipse(QPointF(post, y), 0.7, 0.7);
            const double from = post + side * 1.25;
            for (int k = 0; k < 6; ++k) {
                const double x0 = from + side * k * 1.75 * (w + 0.5) / 5.25;
                p.setBrush(QColor(k % 2 ? qRgb(250, 250, 250) : qRgb(218, 36, 30)));
                p.drawRect(QRectF(std::min(x0, x0 + side * 1.75 * (w + 0.5) / 5.25), y - 0.6,
                                  1.75 * (w + 0.5) / 5.25, 1.2));
            }
        }
    });
}

void RoadOverRailway(TileCanvas& canvas, int t) {
    const std::vector<Side> rails = SidesCarrying(t, Across::Railway);
    PaintRailway(canvas, {rails[0], rails[1]});
    Road road = FixedRoad(t);
    road.spanFrom = 12;
    road.spanTo = 36;
    PaintRoads(canvas, {road});
    DeckShadow(canvas, {road.a, road.b}, 12, 36, 11);
}

void Windsurfer(TileCanvas& canvas) {
    canvas.paint([](QPainter& p) {
        p.setPen(QPen(QColor(qRgb(210, 232, 248)), 0.6));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(12 + i * 1.5, 30 + i * 2.2), QPointF(22, 27 + i * 0.6));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(qRgb(250, 250, 246)));
        QPolygonF board;
        board << QPointF(21, 26) << QPointF(33, 22.5) << QPointF(34, 23.5) << QPointF(22, 27.5);
        p.drawPolygon(board);
        QPolygonF sail;
        sail << QPointF(26, 24.5) << QPointF(30, 12) << QPointF(35, 21);
        p.setBrush(QColor(qRgb(250, 120, 30)));
        p.drawPolygon(sail);
        QPolygonF stripe;
        stripe << QPointF(28, 18) << QPointF(30, 12) << QPointF(32.5, 16.5);
        p.setBrush(QColor(qRgb(250, 214, 40)));
        p.drawPolygon(stripe);
        p.setBrush(QColor(qRgb(40, 40, 48)));
        p.drawEllipse(QPointF(28.5, 25), 1.2, 1.2);
    });
}

void Island(TileCanvas& canvas) {
    canvas.shade([](double x, double y, QRgb& c) {
        const double r =
            std::hypot((x - 24) / 1.15, y - 24) + 0.8 * std::sin(x * 0.7) * std::sin(y * 0.5);
        if (r < 9)
            c = GrassAt(x, y);
        else if (r < 11)
            c = colour::Sand;
        else if (r < 12.5)
            c = Mix(qRgb(112, 170, 208), c, (r - 11) / 1.5);
    });
    DrawTree(canvas, QPointF(21, 22), 4.5, 158);
    DrawTree(canvas, QPointF(28, 26), 3.5, 159);
    canvas.paint([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(qRgb(132, 96, 60)));
        p.drawRect(QRectF(33, 30, 8, 1.8)); // a little jetty
        DrawBush(p, QPointF(18, 29), 1.6, qRgb(74, 128, 52));
    });
}

void Boat(TileCanvas& canvas) {
    canvas.paint([](QPainter& p) {
        p.setPen(QPen(QColor(qRgb(214, 234, 250)), 0.7));
        p.drawLine(QPointF(8, 36), QPointF(19, 29));
        p.drawLine(QPointF(13, 40), QPointF(21, 31));
        p.setPen(Qt::NoPen);
        p.save();
        p.translate(26, 24);
        p.rotate(-35);
        QPolygonF hull;
        hull << QPointF(0, -10) << QPointF(4, -4) << QPointF(4, 7) << QPointF(-4, 7)
             << QPointF(-4, -4);
        p.setBrush(QColor(qRgb(40, 60, 90)));
        p.drawPolygon(hull.translated(0.6, 0.6));
        p.setBrush(QColor(qRgb(248, 248, 244)));
        p.drawPolygon(hull);
        p.setBrush(QColor(qRgb(40, 110, 190)));
        p.drawRect(QRectF(-3.5, 4, 7, 1.2));
        p.setBrush(QColor(qRgb(150, 200, 230)));
        p.drawRect(QRectF(-2.5, -3, 5, 2.5)); // windscreen
        p.setBrush(QColor(qRgb(186, 150, 110)));
        p.drawRect(QRectF(-3, 0, 6, 3.5));
        p.setBrush(QColor(qRgb(210, 60, 40)));
        p.drawEllipse(QPointF(0, 1.8), 1.1, 1.1);
        p.restore();
    });
}

void Spring(TileCanvas& canvas, int t) {
    Stones(canvas, t, 6, -1.2);
    Reeds(canvas, t, 3);
    canvas.paint([](QPainter& p) {
        // Bubbles where the water wells up.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(qRgb(190, 226, 246)));
        for (int i = 0; i < 4; ++i)
            p.drawEllipse(QPointF(24 + std::cos(i * 1.6) * 2.5, 24 + std::sin(i * 1.6) * 2.5), 0.7,
                          0.7);
    });
}

void ShoreDecor(TileCanvas& canvas, int t) {
    // A bench and a lamp in the inner side of the bend, looking out over the water.
    int mask = WaterCorners(t);
    const double wx = (mask & (TopRight | BottomRight)) ? 48 : 0;
    const double wy = (mask & (BottomLeft | BottomRight)) ? 48 : 0;
    const double lx = 48 - wx, ly = 48 - wy;
    canvas.paint([&](QPainter& p) {
        p.setPen(Qt::NoPen);
        const QPointF lamp(lx + (wx - lx) * 0.14, ly + (wy - ly) * 0.14);
        p.setBrush(QColor(qRgb(60, 60, 64)));
        p.drawEllipse(lamp, 1.2, 1.2);
        p.setBrush(QColor(qRgb(255, 226, 110)));
        p.drawEllipse(lamp, 0.7, 0.7);
    });
    Reeds(canvas, t, 3);
}

} // namespace

void DrawBuildingPart(TileCanvas& canvas, int t);
void DrawHouse(TileCanvas& canvas, int t);
void DrawGarden(TileCanvas& canvas, int t);

void DrawSceneryTile(TileCanvas& canvas, int t) {
    PaintGrass(canvas);
    const zt::Scenery kind = zt::SceneryOf(t).kind;
    switch (kind) {
    case zt::Scenery::BuildingPart:
        DrawBuildingPart(canvas, t);
        return;
    case zt::Scenery::House:
        DrawHouse(canvas, t);
        return;
    case zt::Scenery::Grass:
    case zt::Scenery::Park:
        DrawGarden(canvas, t);
        return;
    default:
        break;
    }
    if (HasWater(t))
        PaintWater(canvas, [t](double x, double y) { return WaterDepth(t, x, y); });
    switch (kind) {
    case zt::Scenery::River:
        Reeds(canvas, t, 2 + t % 2);
        Stones(canvas, t, 1, -1.0);
        break;
    case zt::Scenery::RiverSpring:
        Spring(canvas, t);
        break;
    case zt::Scenery::RiverMouth:
        Reeds(canvas, t, 3);
        break;
    case zt::Scenery::Lake:
        if (t == 152)
            Windsurfer(canvas);
        else if (t == 158)
            Island(canvas);
        else if (t == 167)
            Boat(canvas);
        break;
    case zt::Scenery::LakeShore:
        Reeds(canvas, t, 1 + t % 3);
        break;
    case zt::Scenery::Bridge:
        Bridge(canvas, t);
        break;
    case zt::Scenery::Causeway: {
        PaintRoads(canvas, {FixedRoad(t)});
        // Stones heaped along the dam's foot, with a little surf.
        const Road r = FixedRoad(t);
        canvas.shade([&](double x, double y, QRgb& c) {
            const double a = std::fabs(Locate({r.a, r.b}, x, y).across);
            if (a >= 14 && a < 15.2 && WaterDepth(t, x, y) > 0)
                c = Hash01(PixelOf(x * 2), PixelOf(y * 2), 51) < 0.5 ? qRgb(150, 146, 136)
                                                             : qRgb(196, 220, 232);
        });
        break;
    }
    case zt::Scenery::ShoreStreet:
        PaintRoads(canvas, {FixedRoad(t)});
        ShoreDecor(canvas, t);
        break;
    case zt::Scenery::Railway:
        PaintRailway(canvas,
                     {SidesCarrying(t, Across::Railway)[0], SidesCarrying(t, Across::Railway)[1]});
        break;
    case zt::Scenery::LevelCrossing:
        LevelCrossing(canvas, t);
        break;
    case zt::Scenery::RailwayBridge:
        RailwayBridge(canvas, t);
        break;
    case zt::Scenery::RoadOverRailway:
        RoadOverRailway(canvas, t);
        break;
    case zt::Scenery::Pond:
        Reeds(canvas, t, 5);
        canvas.paint([](QPainter& p) {
            p.setPen(Qt::NoPen);
            for (auto [x, y] : {std::pair{16.0, 22.0}, {19.5, 29.0}, {31.0, 20.0}}) {
                p.setBrush(QColor(qRgb(70, 140, 60)));
                p.drawEllipse(QPointF(x, y), 1.8, 1.5);
            }
            p.setBrush(QColor(qRgb(246, 246, 240)));
            p.drawEllipse(QPointF(27, 27), 1.5, 1.0); // a duck
            p.drawEllipse(QPointF(28.3, 26.3), 0.7, 0.7);
            p.setBrush(QColor(qRgb(240, 160, 40)));
            p.drawRect(QRectF(28.9, 26.1, 0.6, 0.4));
        });
        break;
    default:
        break;
    }
}

} // namespace tileart
