// The movable road tiles 0..90. The roads follow the edge codes; what is special about a
// tile (a garage bay, a roundabout, a priority bend) is dressed on afterwards.
#include "tiles.h"

#include <array>
#include <cmath>

namespace tileart {

namespace {

using zt::Bottom;
using zt::Left;
using zt::Right;
using zt::Side;
using zt::Top;
constexpr Side kSides[4] = {Right, Top, Left, Bottom};

int Code(int t, Side s) {
    return zt::Edge(t, s);
}

Road Arm(Side s, int kind, double end = 24) {
    Road r{s, s, kind, kind};
    r.end = end;
    return r;
}

Road Line(Side a, Side b, int kindA, int kindB) {
    return Road{a, b, kindA, kindB};
}

// Tiles whose roads are not simply the straight arms and bends the codes suggest.
bool PriorityBend(int t) {
    return t >= 50 && t <= 57;
}
bool StreetBendWithLane(int t) {
    return t >= 79 && t <= 86;
}

// Where the two adjacent arms of a bend are: the pair of street sides (or for the
// priority bends the street side and the small side next to it, nearest the anchor).
std::pair<Side, Side> BendSides(int t) {
    const zt::MarkerAnchor m = zt::Anchor(t);
    const Side h = m.x > 13 ? Right : Left;
    const Side v = m.y > 13 ? Bottom : Top;
    return {h, v};
}

std::vector<Road> Plan(int t) {
    std::vector<Road> roads;
    std::array<int, 4> code{};
    int arms = 0;
    for (Side s : kSides) {
        code[s] = Code(t, s);
        arms += code[s] != 0;
    }
    if (t == 48 || t == 49) {
        // Two tight bends whose insides touch in the middle of the tile.
        const int k = zt::Small;
        if (t == 48) {
            roads.push_back(Line(Top, Right, k, k));
            roads.push_back(Line(Left, Bottom, k, k));
        } else {
            roads.push_back(Line(Top, Left, k, k));
            roads.push_back(Line(Right, Bottom, k, k));
        }
        for (Road& r : roads)
            r.stub = 9;
        return roads;
    }
    if (t == 58) {
        for (Side s : kSides)
            roads.push_back(Arm(s, zt::Street, 10));
        Road ring{Right, Right, zt::Street, zt::Street};
        ring.ring = 13;
        ring.halfWidth = 6;
        ring.dashTo = -1;
        roads.push_back(ring);
        return roads;
    }
    if (PriorityBend(t) || StreetBendWithLane(t)) {
        auto [h, v] = BendSides(t);
        roads.push_back(Line(h, v, code[h], code[v]));
        for (Side s : kSides)
            if (code[s] != 0 && s != h && s != v)
                roads.push_back(Arm(s, code[s], PriorityBend(t) ? 34 : 33));
        return roads;
    }
    if (arms == 1) {
        for (Side s : kSides)
            if (code[s] != 0)
                roads.push_back(Arm(s, code[s], (t >= 59 && t <= 62) ? 14 : 20));
        return roads;
    }
    if (arms == 2) {
        Side a = Right, b = Right;
        bool first = true;
        for (Side s : kSides) {
            if (code[s] == 0)
                continue;
            (first ? a : b) = s;
            first = false;
        }
        roads.push_back(Line(a, b, code[a], code[b]));
        return roads;
    }
    // Junctions. A pair of opposite arms of one kind runs straight through (the bigger
    // kind first); the other arms join it.
    const bool crossing = arms == 4 && code[Right] == code[Top] && code[Top] == code[Left] &&
                          code[Left] == code[Bottom];
    std::array<bool, 4> used{};
    for (int kind : {zt::Raised, zt::Street, zt::Small}) {
        if (crossing)
            break;
        for (Side s : {Top, Right}) {
            const Side o = zt::Opposite(s);
            if (!used[s] && code[s] == kind && code[o] == kind) {
                const bool over = (t == 15 || t == 16 || t == 46 || t == 47) && kind == zt::Raised;
                Road r = Line(s, o, kind, kind);
                r.layer = over ? 1 : 0;
                roads.push_back(r);
                used[s] = used[o] = true;
                break;
            }
        }
    }
    const bool hasThrough = !roads.empty();
    for (Side s : kSides) {
        if (used[s] || code[s] == 0)
            continue;
        // Arms that meet no through road reach past the middle, so the paving closes
        // (small arms beside street arms hide under the street). A street that runs into
        // a small road stops at its far edge, so the small road keeps its paving across
        // the mouth.
        double end = 24;
        if (!hasThrough && (crossing || code[s] != zt::Small))
            end = 24 + RoadHalfWidth(code[s]);
        if (hasThrough && code[s] == zt::Street && roads.front().kindA == zt::Small)
            end = 21;
        Road r = Arm(s, code[s], end);
        if (code[s] == zt::Street) {
            r.dashTo = crossing ? -1 : 13;
            if (crossing || (t >= 63 && t <= 66) || t >= 87) {
                r.zebraFrom = 4;
                r.zebraTo = 10;
                r.dashTo = -1;
            }
        }
        roads.push_back(r);
    }
    // Streets with a small road joining get a zebra crossing beside the junction.
    if (t >= 67 && t <= 70 && !roads.empty()) {
        roads.front().zebraFrom = 4;
        roads.front().zebraTo = 10;
        roads.front().dashFrom = 10;
    }
    if (t >= 75 && t <= 78) {
        for (Road& r : roads)
            if (r.kindA == zt::Street) {
                r.zebraFrom = 4;
                r.zebraTo = 10;
                r.dashTo = -1;
                break;
            }
    }
    return roads;
}

// Where the small roads of tile t meet a street, they get give-way triangles.
void GiveWayMarks(TileCanvas& canvas, int t, const std::vector<Road>& roads) {
    bool street = false;
    for (const Road& r : roads)
        street = street || r.kindA == zt::Street || r.kindB == zt::Street;
    if (!street || t == 46 || t == 47)
        return;
    canvas.paint([&](QPainter& p) {
        for (const Road& r : roads) {
            if (r.kindA != zt::Small || r.kindB != zt::Small || r.ring > 0)
                continue;
            if (r.a == r.b) {
                DrawGiveWay(p, r.a, StreetBendWithLane(t) || PriorityBend(t) ? 20.5 : 10.5);
            } else if (r.b == zt::Opposite(r.a)) {
                DrawGiveWay(p, r.a, 10.5);
                DrawGiveWay(p, r.b, 10.5);
            }
        }
    });
}

void GarageBay(TileCanvas& canvas, Side s, int t) {
    canvas.paint([&](QPainter& p) {
        FaceSide(p, s);
        p.setPen(Qt::NoPen);
        // Stone walls round three sides, the floor, a lamp on the back wall.
        p.setBrush(QColor(qRgb(150, 104, 84)));
        p.drawRect(QRectF(-15, 17, 30, 27));
        p.setBrush(QColor(qRgb(112, 74, 60)));
        p.drawRect(QRectF(-15, 42.5, 30, 1.5));
        p.setBrush(QColor(qRgb(104, 104, 106)));
        p.drawRect(QRectF(-12.5, 17, 25, 24.5));
        p.setBrush(QColor(colour::Asphalt));
        p.drawRect(QRectF(-9, 17, 18, 4));
        p.setBrush(QColor(qRgb(236, 236, 228)));
        for (double x : {-4.5, 4.5})
            p.drawRect(QRectF(x - 0.25, 24, 0.5, 15));
        p.setBrush(QColor(qRgb(255, 232, 120)));
        p.drawEllipse(QPointF(0, 41), 3.5, 2.5);
        p.setBrush(QColor(qRgb(255, 212, 40)));
        p.drawEllipse(QPointF(0, 41.5), 2, 1.5);
        // No red among them: a red car is the marker.
        const QRgb cars[4] = {qRgb(40, 140, 150), qRgb(40, 90, 190), qRgb(230, 200, 60),
                              qRgb(60, 150, 80)};
        DrawCar(p, QPointF(t % 2 ? -8.5 : 8.5, 32), 180, cars[t % 4]);
    });
}

void WideEnd(TileCanvas& canvas, Side s) {
    canvas.paint([&](QPainter& p) {
        FaceSide(p, s);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(colour::Curb));
        p.drawRoundedRect(QRectF(-17, 11, 34, 31), 9, 9);
        p.setBrush(QColor(colour::Asphalt));
        p.drawRoundedRect(QRectF(-16, 11, 32, 30), 8, 8);
        p.drawRect(QRectF(-9, 10, 18, 4));
        // A planted island at the far end to turn round; the middle stays free for cars.
        p.setBrush(QColor(colour::Curb));
        p.drawEllipse(QPointF(0, 33), 5, 5);
    });
    canvas.shade([&](double x, double y, QRgb& c) {
        // Zebra crossing across the street where it opens out.
        TrackPoint at = Locate({s, s}, x, y);
        const double a = std::fabs(at.across);
        if (at.along >= 4 && at.along < 10 && a < 7 && std::fmod(a + 1, 4.0) >= 2)
            c = colour::Dash;
        if ((at.along - 33) * (at.along - 33) + at.across * at.across < 16)
            c = GrassAt(x, y);
    });
    QPointF middle;
    switch (s) {
    case Top:
        middle = {24, 33};
        break;
    case Bottom:
        middle = {24, 15};
        break;
    case Left:
        middle = {33, 24};
        break;
    default:
        middle = {15, 24};
        break;
    }
    DrawTree(canvas, middle, 3.2, 59 + s);
}

void Roundabout(TileCanvas& canvas) {
    canvas.paint([](QPainter& p) {
        p.setPen(Qt::NoPen);
        const QPointF c(24, 24);
        p.setBrush(QColor(qRgb(150, 150, 150)));
        p.drawEllipse(c, 5.5, 5.5);
        p.setBrush(QColor(qRgb(60, 130, 210)));
        p.drawEllipse(c, 4.5, 4.5);
        p.setBrush(QColor(qRgb(120, 190, 240)));
        p.drawEllipse(c, 2.5, 2.5);
        p.setBrush(QColor(qRgb(250, 252, 255)));
        p.drawEllipse(c, 1.1, 1.1);
        for (int i = 0; i < 6; ++i) {
            const double a = i * 1.0472 + 0.3;
            p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * 3.2, 0.45, 0.45);
        }
    });
}

void PrioritySigns(TileCanvas& canvas, int t) {
    // In the inside of the bend, where a driver coming round it sees the sign.
    const zt::MarkerAnchor m = zt::Anchor(t);
    const double x = m.x > 13 ? 41.5 : 6.5, y = m.y > 13 ? 41.5 : 6.5;
    canvas.paint([&](QPainter& p) { DrawPrioritySign(p, QPointF(x, y)); });
}

} // namespace

void DrawRoadTile(TileCanvas& canvas, int t) {
    PaintGrass(canvas);
    if (t == 0)
        return;
    const std::vector<Road> roads = Plan(t);
    PaintRoads(canvas, roads);
    if (t >= 38 && t <= 41)
        GarageBay(canvas, roads.front().a, t);
    if (t >= 59 && t <= 62)
        WideEnd(canvas, roads.front().a);
    if (t == 58)
        Roundabout(canvas);
    if (PriorityBend(t))
        PrioritySigns(canvas, t);
    GiveWayMarks(canvas, t, roads);
}

} // namespace tileart
