// The buildings that span several cells. Each is drawn once as a whole, in the
// coordinates of its plan, and every part shows its own 48 x 48 window of it, so roofs,
// yards and walls run on across the joints exactly.
#include "tiles.h"

#include "scenery.h"

#include <cmath>

namespace tileart {

namespace {

using zt::Side;

struct Place {
    int plan;   // index into zt::BuildingPlans()
    int column; // of tile t within the plan
    int row;
};

Place PlaceOf(int t) {
    const int plan = zt::BuildingOf(t);
    const zt::BuildingPlan& p = zt::BuildingPlans()[plan];
    for (int r = 0; r < p.height; ++r)
        for (int c = 0; c < p.width; ++c)
            if (p.at(c, r) == t)
                return {plan, c, r};
    return {plan, 0, 0};
}

// Draws in plan coordinates onto the part at (column, row).
struct Window {
    TileCanvas& canvas;
    double ox, oy;
    void draw(const std::function<void(QPainter&)>& d) const {
        canvas.paint([&](QPainter& p) {
            p.translate(-ox, -oy);
            p.setPen(Qt::NoPen);
            d(p);
        });
    }
    void roof(QRectF r, RoofKind k, QRgb c, bool alongX = true) const {
        DrawRoof(canvas, r.translated(-ox, -oy), k, c, alongX);
    }
    void tree(QPointF at, double radius, unsigned seed) const {
        DrawTree(canvas, at - QPointF(ox, oy), radius, seed);
    }
};

void Fill(QPainter& p, QRectF r, QRgb c) {
    p.setBrush(QColor(c));
    p.drawRect(r);
}

void Lorry(QPainter& p, QPointF at, double degrees, QRgb cab, QRgb box) {
    p.save();
    p.translate(at);
    p.rotate(degrees);
    Fill(p, QRectF(-3, -4, 6, 16), qRgb(60, 60, 64));
    Fill(p, QRectF(-2.75, -3.5, 5.5, 15.25), box);
    Fill(p, QRectF(-2.75, -8, 5.5, 4), cab);
    Fill(p, QRectF(-2.25, -7.5, 4.5, 1.25), qRgb(40, 52, 64));
    p.restore();
}

void Parking(QPainter& p, double x0, double x1, double y, double depth) {
    for (double x = x0; x <= x1 + 0.01; x += 6)
        Fill(p, QRectF(x - 0.2, y, 0.4, depth), colour::Dash);
}

// No red among them: a red car is the marker.
const QRgb kCars[5] = {qRgb(40, 140, 150), qRgb(40, 90, 190), qRgb(230, 200, 60), qRgb(60, 150, 80),
                       qRgb(236, 236, 232)};

// 91, 92, 93 in the left column, 111, 112, 113 in the right: a factory hall with a
// sawtooth roof, a loading yard off the street and a car park off the small road.
void Factory(const Window& w) {
    w.draw([](QPainter& p) {
        Fill(p, QRectF(64, 55, 22, 34), colour::Curb);
        Fill(p, QRectF(64, 56, 21, 32), colour::Asphalt);
        Fill(p, QRectF(84, 63, 3, 18), colour::Asphalt);
        Parking(p, 68, 80, 56.5, 7);
        Fill(p, QRectF(64, 101, 22, 36), colour::SmallEdge);
        Fill(p, QRectF(64, 102, 21, 34), colour::SmallRoad);
        Fill(p, QRectF(84, 115, 3, 10), colour::SmallRoad);
        Parking(p, 64.5, 82.5, 102, 8);
        Parking(p, 64.5, 82.5, 128, 8);
        for (int i = 0; i < 3; ++i)
            DrawCar(p, QPointF(67.5 + i * 6, 106.5), 0, kCars[i]);
        for (int i = 0; i < 2; ++i)
            DrawCar(p, QPointF(73.5 + i * 6, 131.5), 180, kCars[i + 3]);
    });
    w.roof(QRectF(5, 5, 57, 134), RoofKind::Sawtooth, qRgb(150, 152, 158), true);
    w.roof(QRectF(62, 5, 28, 45), RoofKind::Flat, qRgb(176, 170, 160));
    w.draw([](QPainter& p) {
        Fill(p, QRectF(62, 58, 2, 7), qRgb(60, 60, 66)); // loading doors
        Fill(p, QRectF(62, 70, 2, 7), qRgb(60, 60, 66));
        Lorry(p, QPointF(72, 61.5), -90, qRgb(40, 90, 190), qRgb(230, 230, 226));
        Lorry(p, QPointF(72, 73.5), -90, qRgb(210, 120, 30), qRgb(200, 200, 196));
        Fill(p, QRectF(68, 12, 4, 4), qRgb(120, 120, 126)); // roof plant
        Fill(p, QRectF(76, 12, 8, 5), qRgb(120, 120, 126));
        Fill(p, QRectF(69, 30, 14, 12), qRgb(150, 150, 156));
        p.setBrush(QColor(qRgb(96, 96, 102)));
        for (auto y : {20.0, 60.0, 100.0})
            p.drawEllipse(QPointF(33, y + 10), 2.5, 2.5); // roof fans
    });
    w.tree(QPointF(88, 95), 3, 91);
}

// The office: 104 the plaza with its pool in front, 100 101 103 and 102 105 106 the block
// behind, a garage ramp from the street on the left and a delivery gate from the top.
void Office(const Window& w) {
    w.draw([](QPainter& p) {
        // The plaza, paved in light stone, with planters and the pool.
        Fill(p, QRectF(53, 5, 38, 48), qRgb(206, 190, 176));
        Fill(p, QRectF(54, 6, 36, 47), qRgb(226, 212, 198));
        p.setBrush(QColor(qRgb(212, 198, 184)));
        for (double x = 57; x < 90; x += 4)
            p.drawRect(QRectF(x, 6, 0.3, 47));
        p.setBrush(QColor(qRgb(240, 244, 246)));
        p.drawRoundedRect(QRectF(60, 14, 24, 21), 4, 4);
        p.setBrush(QColor(qRgb(60, 156, 220)));
        p.drawRoundedRect(QRectF(61, 15, 22, 19), 3.5, 3.5);
        p.setBrush(QColor(qRgb(140, 206, 244)));
        for (auto [x, y, len] : {std::array{64.0, 19.0, 6.0}, {72.0, 24.0, 7.0}, {66.0, 29.0, 5.0}})
            p.drawRect(QRectF(x, y, len, 0.5));
        p.setBrush(QColor(qRgb(250, 252, 255)));
        p.drawEllipse(QPointF(72, 24.5), 1.5, 1.5); // the jet
        // The garage ramp and the delivery gate.
        Fill(p, QRectF(9, 61, 8, 22), qRgb(54, 54, 58));
        for (int i = 0; i < 5; ++i)
            Fill(p, QRectF(15.5, 62 + i * 4, 1.5, 2),
                 i % 2 ? qRgb(30, 30, 30) : qRgb(250, 204, 20));
    });
    for (auto [x, y] : {std::pair{57.0, 9.0}, {87.0, 9.0}, {57.0, 44.0}, {87.0, 44.0}})
        w.tree(QPointF(x, y), 2.6, static_cast<unsigned>(x + y));
    w.roof(QRectF(17, 53, 120, 86), RoofKind::Flat, qRgb(170, 170, 174));
    w.draw([](QPainter& p) {
        // A glass atrium over the entrance hall.
        Fill(p, QRectF(56, 54, 32, 38), qRgb(70, 90, 100));
        Fill(p, QRectF(57, 55, 30, 36), qRgb(146, 196, 206));
        p.setBrush(QColor(qRgb(96, 130, 140)));
        for (double x = 61; x < 86; x += 4)
            p.drawRect(QRectF(x, 55, 0.4, 36));
        p.drawRect(QRectF(57, 73, 30, 0.4));
        Fill(p, QRectF(66, 50, 12, 4), qRgb(90, 90, 96));  // canopy over the doors
        Fill(p, QRectF(112, 53, 16, 3), qRgb(80, 80, 86)); // delivery gate
        // Rooftop plant and a helipad.
        for (auto [x, y] : {std::pair{26.0, 62.0}, {26.0, 78.0}, {36.0, 62.0}, {100.0, 62.0}})
            Fill(p, QRectF(x, y, 6, 5), qRgb(124, 124, 130));
        Fill(p, QRectF(30, 104, 16, 24), qRgb(150, 150, 156));
        p.setBrush(QColor(qRgb(100, 100, 106)));
        p.drawEllipse(QPointF(38, 112), 3, 3);
        p.drawEllipse(QPointF(38, 121), 3, 3);
        p.setBrush(QColor(qRgb(250, 204, 20)));
        p.drawEllipse(QPointF(112, 114), 13, 13);
        p.setBrush(QColor(qRgb(110, 110, 116)));
        p.drawEllipse(QPointF(112, 114), 11.5, 11.5);
        p.setBrush(QColor(qRgb(250, 250, 250)));
        p.drawRect(QRectF(107, 108, 2.2, 12));
        p.drawRect(QRectF(114.8, 108, 2.2, 12));
        p.drawRect(QRectF(107, 113, 10, 2));
    });
    w.tree(QPointF(9, 96), 4.5, 100);
    w.tree(QPointF(9, 130), 4.5, 102);
}

// The works: 120 121 122 123 above, 124 125 126 below; a long brick hall, a boiler
// house with its chimney in 123, a yard with silos off the street below and the small
// road on the right.
void Works(const Window& w) {
    w.draw([](QPainter& p) {
        Fill(p, QRectF(58, 46, 81, 46), qRgb(150, 150, 150));
        Fill(p, QRectF(59, 47, 79, 44), qRgb(116, 116, 118));
        Fill(p, QRectF(63, 88, 18, 5), colour::Asphalt);
        Fill(p, QRectF(136, 67, 4, 10), colour::SmallRoad);
        for (int i = 0; i < 3; ++i) {
            const QRgb c = i == 1 ? qRgb(60, 120, 170) : qRgb(190, 80, 50);
            Fill(p, QRectF(92 + i * 7, 80, 6, 9), qRgb(60, 60, 60));
            Fill(p, QRectF(92.25 + i * 7, 80.25, 5.5, 8.5), c); // containers
        }
    });
    w.roof(QRectF(4, 4, 146, 38), RoofKind::Gable, qRgb(150, 76, 56), true);
    w.roof(QRectF(4, 46, 52, 44), RoofKind::Sawtooth, qRgb(140, 142, 148), false);
    w.roof(QRectF(154, 8, 22, 26), RoofKind::Flat, qRgb(170, 120, 96));
    w.canvas.tint(
        [&](QPainter& p) {
            for (double x : {116.0, 132.0})
                p.drawEllipse(QPointF(x + 2 - w.ox, 60 - w.oy), 7, 7);
        },
        0.62);
    w.draw([](QPainter& p) {
        for (double x : {116.0, 132.0}) {
            p.setBrush(QColor(qRgb(120, 124, 130)));
            p.drawEllipse(QPointF(x, 58), 7, 7);
            p.setBrush(QColor(qRgb(200, 204, 210)));
            p.drawEllipse(QPointF(x, 58), 6, 6);
            p.setBrush(QColor(qRgb(226, 230, 236)));
            p.drawEllipse(QPointF(x - 1.5, 56.5), 2.5, 2.5);
        }
        Lorry(p, QPointF(72, 66), 0, qRgb(40, 90, 190), qRgb(226, 226, 222));
    });
    // The chimney and its smoke, drifting off with the wind.
    w.canvas.tint([&](QPainter& p) { p.drawEllipse(QPointF(171.5 - w.ox, 37.5 - w.oy), 5.5, 5.5); },
                  0.62);
    w.draw([](QPainter& p) {
        p.setBrush(QColor(qRgb(120, 60, 46)));
        p.drawEllipse(QPointF(168, 34), 5.5, 5.5);
        p.setBrush(QColor(qRgb(150, 76, 56)));
        p.drawEllipse(QPointF(167.5, 33.5), 4.5, 4.5);
        p.setBrush(QColor(qRgb(30, 26, 24)));
        p.drawEllipse(QPointF(168, 34), 2.8, 2.8);
        const QRgb smoke[3] = {qRgb(206, 206, 210), qRgb(222, 222, 226), qRgb(236, 236, 240)};
        for (int i = 0; i < 3; ++i) {
            p.setBrush(QColor(smoke[i]));
            p.drawEllipse(QPointF(172 + i * 4.5, 36 + i * 2), 2.5 + i * 0.6, 2.2 + i * 0.5);
        }
    });
    w.tree(QPointF(182, 12), 3.5, 123);
}

} // namespace

void DrawBuildingPart(TileCanvas& canvas, int t) {
    const Place place = PlaceOf(t);
    // Roads first, in the part's own coordinates, so they cross its sides exactly as on
    // any other tile.
    std::vector<Road> roads;
    for (Side s : {zt::Right, zt::Top, zt::Left, zt::Bottom}) {
        const int code = zt::Edge(t, s);
        if (code == 0)
            continue;
        Road r{s, s, code, code};
        r.end = t == 104 ? 7 : 12;
        r.dashTo = -1;
        roads.push_back(r);
    }
    PaintRoads(canvas, roads);
    const Window w{canvas, 48.0 * place.column, 48.0 * place.row};
    const zt::BuildingPlan& plan = zt::BuildingPlans()[place.plan];
    bool has91 = false, has104 = false;
    for (int i = 0; i < plan.width * plan.height; ++i) {
        has91 = has91 || plan.tiles[i] == 91;
        has104 = has104 || plan.tiles[i] == 104;
    }
    if (has91)
        Factory(w);
    else if (has104)
        Office(w);
    else
        Works(w);
}

} // namespace tileart
