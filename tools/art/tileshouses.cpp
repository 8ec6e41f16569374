// The one-cell houses with their driveways. A house is laid out looking in from its driveway's
// side, so every house faces its own road; roofs are then lit in the town's one light, from the
// upper left.
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

QTransform SideFrame(Side s) {
    QTransform f;
    switch (s) {
    case Top:
        f.translate(24, 0);
        break;
    case Right:
        f.translate(48, 24);
        f.rotate(90);
        break;
    case Left:
        f.translate(0, 24);
        f.rotate(-90);
        break;
    case Bottom:
        f.translate(24, 48);
        f.rotate(180);
        break;
    }
    return f;
}

enum Variant {
    Cottage,
    Villa,
    Shop,
    Farmhouse,
    Bungalow,
    School,
    Workshop,
    Terrace,
    Chapel,
    FarmYard,
    FillingStation,
    Flats,
    PoolVilla,
};

struct HouseLook {
    Variant variant;
    RoofKind roof;
    QRgb colour;
};

HouseLook LookOf(int t) {
    const QRgb terracotta = qRgb(184, 86, 58), slate = qRgb(92, 98, 114), brown = qRgb(128, 88, 62),
               red = qRgb(158, 58, 48), moss = qRgb(104, 116, 92), flat = qRgb(168, 166, 160);
    switch (t) {
    case 140:
        return {Cottage, RoofKind::Gable, terracotta};
    case 141:
        return {Cottage, RoofKind::Hip, slate};
    case 142:
        return {Cottage, RoofKind::Gable, brown};
    case 143:
        return {Cottage, RoofKind::Hip, red};
    case 144:
        return {Cottage, RoofKind::Gable, red};
    case 145:
        return {Cottage, RoofKind::Hip, terracotta};
    case 146:
        return {Villa, RoofKind::Hip, slate};
    case 147:
        return {Shop, RoofKind::Flat, flat};
    case 148:
        return {Farmhouse, RoofKind::Gable, brown};
    case 149:
        return {Bungalow, RoofKind::Hip, moss};
    case 160:
        return {School, RoofKind::Flat, qRgb(176, 150, 130)};
    case 161:
        return {Cottage, RoofKind::Gable, moss};
    case 162:
        return {PoolVilla, RoofKind::Hip, terracotta};
    case 163:
        return {Workshop, RoofKind::Sawtooth, qRgb(140, 144, 150)};
    case 164:
        return {Terrace, RoofKind::Gable, terracotta};
    case 165:
        return {Chapel, RoofKind::Gable, slate};
    case 172:
    case 173:
    case 174:
    case 175:
        return {FarmYard, RoofKind::Gable, red};
    case 180:
        return {Cottage, RoofKind::Hip, brown};
    case 181:
        return {Farmhouse, RoofKind::Gable, red};
    case 182:
        return {FillingStation, RoofKind::Flat, qRgb(240, 240, 236)};
    case 183:
        return {Cottage, RoofKind::Gable, slate};
    case 184:
        return {Flats, RoofKind::Flat, qRgb(150, 150, 154)};
    default:
        return {Cottage, RoofKind::Gable, terracotta};
    }
}

// No red among them: a red car is the marker.
const QRgb kCarColours[5] = {qRgb(40, 140, 150), qRgb(40, 90, 190), qRgb(230, 200, 60),
                             qRgb(60, 150, 80), qRgb(236, 236, 232)};

// Parts of a house plan in the driveway's frame (x across, y into the tile).
struct Frame {
    TileCanvas& canvas;
    QTransform f;
    int t;
    QRectF world(QRectF local) const { return f.mapRect(local).normalized(); }
    bool alongX(bool localAcross) const {
        const QPointF d = f.map(QPointF(1, 0)) - f.map(QPointF(0, 0));
        return (std::fabs(d.x()) > 0.5) == localAcross;
    }
    void roof(QRectF local, RoofKind k, QRgb c, bool ridgeAcross = true) const {
        DrawRoof(canvas, world(local), k, c, alongX(ridgeAcross));
    }
    void tree(QPointF local, double r, unsigned seed) const {
        DrawTree(canvas, f.map(local), r, seed);
    }
    void draw(const std::function<void(QPainter&)>& d) const {
        canvas.paint([&](QPainter& p) {
            p.setTransform(f, true);
            p.setPen(Qt::NoPen);
            d(p);
        });
    }
};

void Hedge(const Frame& fr, QRectF local) {
    fr.draw([&](QPainter& p) {
        p.setBrush(QColor(qRgb(44, 86, 40)));
        p.drawRect(local);
        p.setBrush(QColor(qRgb(64, 112, 50)));
        p.drawRect(local.adjusted(0.3, 0.3, -0.5, -0.5));
    });
}

void Flowers(const Frame& fr, QRectF local, unsigned seed) {
    fr.draw([&](QPainter& p) {
        p.setBrush(QColor(qRgb(120, 84, 56)));
        p.drawRect(local);
        const QRgb petals[3] = {qRgb(240, 80, 90), qRgb(250, 220, 60), qRgb(250, 250, 250)};
        for (int i = 0; i < 10; ++i) {
            const double x = local.left() + 0.5 + Hash01(seed, i, 61) * (local.width() - 1);
            const double y = local.top() + 0.5 + Hash01(seed, i, 62) * (local.height() - 1);
            p.setBrush(QColor(petals[i % 3]));
            p.drawEllipse(QPointF(x, y), 0.5, 0.5);
        }
    });
}

// A house at the end of a driveway that comes in from the frame's side.
void DrivewayHouse(const Frame& fr, const HouseLook& look) {
    const int t = fr.t;
    const double m = (t % 2) ? -1 : 1; // mirror every other house
    auto mx = [m](double a, double b) {
        return QRectF(std::min(a * m, b * m), 0, std::fabs(b - a), 0);
    };
    auto rect = [&](double x0, double x1, double y0, double y1) {
        QRectF r = mx(x0, x1);
        r.setTop(y0);
        r.setBottom(y1);
        return r;
    };
    switch (look.variant) {
    case Shop:
        fr.draw([&](QPainter& p) {
            p.setBrush(QColor(colour::SmallRoad));
            p.drawRect(rect(-20, 20, 13, 24));
            p.setBrush(QColor(colour::Dash));
            for (double x : {-14.0, -8.0, 8.0, 14.0})
                p.drawRect(QRectF(x - 0.2, 13.5, 0.4, 5));
            DrawCar(p, QPointF(-11 * m, 17), 0, kCarColours[t % 5]);
        });
        fr.roof(rect(-20, 20, 25, 43), RoofKind::Flat, look.colour);
        fr.draw([&](QPainter& p) {
            p.setBrush(QColor(qRgb(210, 60, 50)));
            p.drawRect(rect(-18, 18, 25, 27)); // awning
            p.setBrush(QColor(qRgb(130, 130, 134)));
            p.drawRect(rect(6, 11, 31, 35));
            p.drawRect(rect(-12, -6, 36, 39));
        });
        break;
    case Flats:
        fr.draw([&](QPainter& p) {
            p.setBrush(QColor(colour::SmallRoad));
            p.drawRect(rect(-20, 20, 12, 21));
            for (int i = 0; i < 3; ++i)
                DrawCar(p, QPointF((-15 + i * 7.5) * m, 16.5), 0, kCarColours[(t + i) % 5]);
        });
        fr.roof(rect(-20, 20, 23, 43.5), RoofKind::Flat, look.colour);
        fr.draw([&](QPainter& p) {
            p.setBrush(QColor(qRgb(120, 120, 126)));
            for (double x : {-15.0, -3.0, 9.0})
                p.drawRect(rect(x, x + 5, 27, 30));
            p.setBrush(QColor(qRgb(200, 200, 204)));
            p.drawRect(rect(-16, -9, 36, 41));
        });
        break;
    case School:
        fr.roof(rect(-21, 6, 14, 44), RoofKind::Flat, look.colour);
        fr.draw([&](QPainter& p) {
            p.setBrush(QColor(qRgb(190, 96, 70)));
            p.drawRect(rect(9, 21, 22, 44)); // playing court
            p.setBrush(QColor(colour::Dash));
            p.drawRect(rect(9.5, 20.5, 32.8, 33.2));
            p.drawEllipse(QPointF(15 * m, 33), 1.8, 1.8);
            p.setBrush(QColor(qRgb(190, 96, 70)));
            p.drawEllipse(QPointF(15 * m, 33), 1.3, 1.3);
            p.setBrush(QColor(qRgb(120, 120, 126)));
            p.drawRect(rect(-17, -12, 20, 24));
            p.drawRect(rect(-5, 0, 34, 38));
        });
        fr.tree(QPointF(14 * m, 11), 4, t);
        break;
    case Workshop:
        fr.draw([&](QPainter& p) {
            p.setBrush(QColor(colour::SmallRoad));
            p.drawRect(rect(-8, 14, 13, 22));
            DrawCar(p, QPointF(8 * m, 17.5), 90, kCarColours[(t + 2) % 5]);
        });
        fr.roof(rect(-19, 19, 22, 43), RoofKind::Sawtooth, look.colour, false);
        fr.tree(QPointF(-16 * m, 11), 4, t);
        break;
    case Chapel:
        // A nave behind a square tower, headstones in the grass either side.
        fr.draw([&](QPainter& p) {
            p.setBrush(QColor(qRgb(200, 186, 150)));
            p.drawRect(rect(-5, 5, 14, 20)); // gravel forecourt
            p.setBrush(QColor(qRgb(176, 176, 170)));
            for (int row = 0; row < 3; ++row)
                for (int k = 0; k < 3; ++k)
                    for (double side : {-1.0, 1.0})
                        p.drawRect(QRectF(side * (12 + k * 3) - 0.6, 29 + row * 4.5, 1.2, 1.8));
        });
        fr.roof(rect(-7.5, 7.5, 24, 43), RoofKind::Gable, look.colour, false);
        fr.roof(rect(-4.5, 4.5, 17, 26), RoofKind::Hip, qRgb(150, 140, 128));
        fr.draw([&](QPainter& p) {
            p.setBrush(QColor(qRgb(232, 196, 70)));
            p.drawRect(QRectF(-0.3, 19.8, 0.6, 3.4));
            p.drawRect(QRectF(-1.3, 20.8, 2.6, 0.6));
        });
        fr.tree(QPointF(-15, 12), 4, t);
        fr.tree(QPointF(15, 11), 3.5, t + 1);
        break;
    case Villa:
        fr.roof(rect(-19, 6, 22, 42), RoofKind::Hip, look.colour);
        fr.roof(rect(6, 16, 22, 32), RoofKind::Hip, look.colour, false);
        fr.draw([&](QPainter& p) {
            p.setBrush(QColor(qRgb(200, 186, 150)));
            p.drawEllipse(QPointF(0, 16), 7, 3.5);
            DrawCar(p, QPointF(4 * m, 16), 90, kCarColours[(t + 1) % 5]);
        });
        fr.tree(QPointF(15 * m, 39), 4, t);
        fr.tree(QPointF(-16 * m, 11), 3.5, t + 3);
        break;
    case Farmhouse:
        fr.roof(rect(-19, 3, 20, 31), RoofKind::Gable, look.colour);
        fr.roof(rect(-19, 17, 34, 44), RoofKind::Gable, qRgb(110, 100, 90));
        fr.draw([&](QPainter& p) {
            p.setBrush(QColor(qRgb(214, 180, 80)));
            p.drawEllipse(QPointF(14 * m, 16), 2.6, 2.6); // hay bales
            p.drawEllipse(QPointF(18 * m, 20), 2.6, 2.6);
            p.setBrush(QColor(qRgb(184, 150, 60)));
            p.drawEllipse(QPointF(14 * m, 16), 1.2, 1.2);
            p.drawEllipse(QPointF(18 * m, 20), 1.2, 1.2);
        });
        break;
    default: { // cottage and bungalow
        const bool low = look.variant == Bungalow;
        fr.draw([&](QPainter& p) {
            p.setBrush(QColor(qRgb(132, 132, 136)));
            p.drawRect(rect(-6, 6, 14, 22)); // garage
            p.setBrush(QColor(qRgb(112, 112, 116)));
            p.drawRect(rect(-6, 6, 14, 15));
        });
        if (low)
            fr.roof(rect(-20, 14, 23, 40), RoofKind::Hip, look.colour);
        else
            fr.roof(rect(-19, 8, 21, 41), look.roof, look.colour);
        fr.draw([&](QPainter& p) {
            DrawCar(p, QPointF(0, 8), 0, kCarColours[t % 5]);
            if (t % 3 == 0) { // solar panels on the lit side
                p.setBrush(QColor(qRgb(40, 60, 110)));
                p.drawRect(rect(-15, -7, 23.5, 27.5));
            }
            p.setBrush(QColor(qRgb(120, 60, 50)));
            p.drawRect(rect(-13, -11, 33, 35)); // chimney
        });
        Flowers(fr, rect(10, 19, 38, 42), t);
        fr.tree(QPointF(16 * m, 28), 4.2, t);
        Hedge(fr, rect(-21, 21, 44.5, 46));
        fr.draw([&](QPainter& p) { DrawBush(p, QPointF(-14 * m, 8), 2.5, qRgb(70, 120, 50)); });
        break;
    }
    }
}

// Houses beside a small road that runs straight through: buildings on the far side of
// the road from the frame's side, a garden on the near side.
void RoadsideHouse(const Frame& fr, const HouseLook& look) {
    const int t = fr.t;
    switch (look.variant) {
    case Terrace: {
        const QRgb roofs[3] = {qRgb(184, 86, 58), qRgb(150, 70, 52), qRgb(170, 100, 70)};
        for (int i = 0; i < 3; ++i)
            fr.roof(QRectF(-19.5 + i * 13, 32.5, 13, 11), RoofKind::Gable, roofs[i], false);
        fr.draw([&](QPainter& p) {
            for (int i = 0; i < 3; ++i) {
                p.setBrush(QColor(qRgb(120, 60, 50)));
                p.drawRect(QRectF(-16 + i * 13, 33, 1.6, 1.6));
            }
        });
        for (int i = 0; i < 3; ++i)
            Flowers(fr, QRectF(-18 + i * 13, 4, 9, 3), t + i);
        fr.tree(QPointF(0, 8), 3.5, t);
        break;
    }
    case FillingStation:
        fr.draw([&](QPainter& p) {
            p.setBrush(QColor(colour::SmallRoad));
            p.drawRect(QRectF(-20, 29, 40, 16));
            p.setBrush(QColor(qRgb(90, 90, 96)));
            for (double x : {-9.0, 3.0})
                p.drawRect(QRectF(x, 35, 3, 4)); // pumps
            DrawCar(p, QPointF(-3, 37), 90, kCarColours[1]);
        });
        fr.roof(QRectF(-14, 31, 22, 12), RoofKind::Flat, look.colour);
        fr.draw([&](QPainter& p) {
            p.setBrush(QColor(qRgb(216, 40, 36)));
            p.drawRect(QRectF(-14, 31, 22, 1.5));
            p.drawRect(QRectF(-14, 41.5, 22, 1.5));
        });
        fr.roof(QRectF(11, 33, 9, 11), RoofKind::Flat, qRgb(190, 190, 184));
        fr.tree(QPointF(-12, 9), 4, t);
        fr.tree(QPointF(13, 8), 3.5, t + 1);
        break;
    case Farmhouse:
        fr.roof(QRectF(-20, 29, 22, 15), RoofKind::Gable, look.colour);
        fr.roof(QRectF(5, 27, 14, 16), RoofKind::Gable, qRgb(112, 102, 92), false);
        fr.draw([&](QPainter& p) {
            for (int i = 0; i < 4; ++i) {
                p.setBrush(QColor(qRgb(226, 220, 200)));
                p.drawEllipse(QPointF(-14 + i * 8.5, 7 + (i % 2) * 4), 1.3, 0.9); // sheep
                p.setBrush(QColor(qRgb(40, 40, 40)));
                p.drawEllipse(QPointF(-12.9 + i * 8.5, 7 + (i % 2) * 4), 0.5, 0.5);
            }
        });
        break;
    default:
        fr.roof(QRectF(-16, 29, 24, 15), look.roof, look.colour);
        fr.draw([&](QPainter& p) {
            p.setBrush(QColor(qRgb(132, 132, 136)));
            p.drawRect(QRectF(10, 30, 10, 8));
            DrawCar(p, QPointF(15, 34), 0, kCarColours[t % 5]);
            p.setBrush(QColor(qRgb(120, 60, 50)));
            p.drawRect(QRectF(-10, 32, 2, 2));
        });
        Flowers(fr, QRectF(-18, 4, 12, 3), t);
        fr.tree(QPointF(12, 9), 4.2, t);
        fr.draw([&](QPainter& p) { DrawBush(p, QPointF(-3, 8), 2.5, qRgb(70, 120, 50)); });
        break;
    }
}

// A farmyard on the outside of a small road's bend.
void FarmYardOf(const Frame& fr, const HouseLook& look) {
    // Frame: looking in from the corner diagonally across from the bend.
    fr.roof(QRectF(-19.5, 4, 15.5, 12), RoofKind::Gable, look.colour);
    fr.roof(QRectF(-19.5, 19, 10.5, 20), RoofKind::Gable, qRgb(112, 102, 92), false);
    fr.draw([&](QPainter& p) {
        p.setBrush(QColor(qRgb(200, 186, 150)));
        p.drawRect(QRectF(-9, 17, 8, 9));
        p.setBrush(QColor(qRgb(214, 180, 80)));
        p.drawEllipse(QPointF(-4, 35), 2.4, 2.4);
        p.setBrush(QColor(qRgb(184, 150, 60)));
        p.drawEllipse(QPointF(-4, 35), 1.1, 1.1);
        p.setBrush(QColor(qRgb(60, 120, 60)));
        p.drawRect(QRectF(-6, 20, 3.5, 2.5)); // tractor
        p.setBrush(QColor(qRgb(30, 30, 30)));
        p.drawRect(QRectF(-6.3, 19.6, 1, 1));
        p.drawRect(QRectF(-6.3, 22, 1, 1));
    });
}

} // namespace

void DrawHouse(TileCanvas& canvas, int t) {
    std::vector<Side> drives;
    for (Side s : kSides)
        if (zt::Edge(t, s) == zt::Small)
            drives.push_back(s);
    const HouseLook look = LookOf(t);
    if (drives.size() == 2 && drives[1] == zt::Opposite(drives[0])) {
        PaintRoads(canvas, {Road{drives[0], drives[1], zt::Small, zt::Small}});
        const bool across = drives[0] == Right || drives[0] == Left;
        // Seen from the side the garden lies on: below an across road, right of an up and
        // down one.
        RoadsideHouse(Frame{canvas, SideFrame(across ? Bottom : Right), t}, look);
        return;
    }
    if (drives.size() == 2) {
        PaintRoads(canvas, {Road{drives[0], drives[1], zt::Small, zt::Small}});
        // Look in from the corner across from the bend; the side frame of the side
        // opposite the first drive, shifted to that corner, does it.
        const Side far = zt::Opposite(drives[0]);
        const Side other = zt::Opposite(drives[1]);
        QTransform f = SideFrame(far);
        const QPointF toward = SideFrame(other).map(QPointF(0, 0)) - f.map(QPointF(0, 0));
        const QPointF across = f.map(QPointF(1, 0)) - f.map(QPointF(0, 0));
        if (across.x() * toward.x() + across.y() * toward.y() > 0) {
            QTransform mirror;
            mirror.scale(-1, 1);
            f = mirror * f;
        }
        FarmYardOf(Frame{canvas, f, t}, look);
        return;
    }
    if (drives.empty()) {
        // A villa with a pool in a walled garden.
        Frame fr{canvas, SideFrame(Top), t};
        fr.draw([](QPainter& p) {
            p.setBrush(QColor(qRgb(226, 214, 196)));
            p.drawRect(QRectF(-4, 26, 20, 15));
            p.setBrush(QColor(qRgb(240, 244, 246)));
            p.drawRoundedRect(QRectF(-2.5, 28, 17, 11), 2, 2);
            p.setBrush(QColor(qRgb(70, 170, 226)));
            p.drawRoundedRect(QRectF(-1.75, 28.75, 15.5, 9.5), 1.5, 1.5);
            p.setBrush(QColor(qRgb(150, 214, 244)));
            p.drawRect(QRectF(1, 31, 5, 0.5));
            p.drawRect(QRectF(6, 35, 6, 0.5));
        });
        fr.roof(QRectF(-20, 6, 26, 16), RoofKind::Hip, look.colour);
        fr.roof(QRectF(-20, 20, 12, 16), RoofKind::Hip, look.colour);
        fr.tree(QPointF(15, 12), 5, t);
        fr.tree(QPointF(-15, 41), 3.5, t + 1);
        Hedge(fr, QRectF(-20, 43, 40, 1.5));
        return;
    }
    const Side drive = drives.front();
    Road r{drive, drive, zt::Small, zt::Small};
    r.end = 15;
    PaintRoads(canvas, {r});
    DrivewayHouse(Frame{canvas, SideFrame(drive), t}, look);
}

} // namespace tileart
