// Small things the town is dressed with: cars, trees, bushes and road signs.
#include "tiles.h"

#include <cmath>

namespace tileart {

void FaceSide(QPainter& p, zt::Side s) {
    switch (s) {
    case zt::Top:
        p.translate(24, 0);
        break;
    case zt::Right:
        p.translate(48, 24);
        p.rotate(90);
        break;
    case zt::Left:
        p.translate(0, 24);
        p.rotate(-90);
        break;
    case zt::Bottom:
        p.translate(24, 48);
        p.rotate(180);
        break;
    }
}

void DrawCar(QPainter& p, QPointF centre, double degrees, QRgb body) {
    p.save();
    p.translate(centre);
    p.rotate(degrees);
    // Pointing up before the turn: 5 wide, 9 long.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(Scale(body, 0.55)));
    p.drawRoundedRect(QRectF(-2.75, -4.75, 5.5, 9.5), 1.5, 1.5);
    p.setBrush(QColor(body));
    p.drawRoundedRect(QRectF(-2.5, -4.5, 5, 9), 1.4, 1.4);
    p.setBrush(QColor(qRgb(40, 52, 64)));
    p.drawRect(QRectF(-2, -2.5, 4, 1.5)); // windscreen
    p.drawRect(QRectF(-2, 2.25, 4, 1));   // rear window
    p.setBrush(QColor(Scale(body, 1.18)));
    p.drawRect(QRectF(-1.75, -1, 3.5, 3.25)); // roof
    p.setBrush(QColor(qRgb(250, 240, 170)));
    p.drawRect(QRectF(-2.25, -4.5, 1, 0.75));
    p.drawRect(QRectF(1.25, -4.5, 1, 0.75));
    p.restore();
}

void DrawTree(TileCanvas& canvas, QPointF centre, double radius, unsigned seed) {
    // The shadow falls to the lower right, like every other shadow of the town.
    canvas.tint(
        [&](QPainter& p) {
            p.drawEllipse(centre + QPointF(radius * 0.35, radius * 0.35), radius, radius);
        },
        0.66);
    const double tone = Hash01(static_cast<int>(seed), 1, 21);
    const QRgb leaves = Mix(qRgb(40, 96, 36), qRgb(62, 110, 30), tone);
    canvas.paint([&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(Scale(leaves, 0.8)));
        p.drawEllipse(centre, radius, radius);
        // A few clumps of leaves make the crown look round.
        for (int i = 0; i < 5; ++i) {
            const double ang = 6.2832 * (i / 5.0 + Hash01(static_cast<int>(seed), i, 22) * 0.15);
            const QPointF c = centre + QPointF(std::cos(ang), std::sin(ang)) * radius * 0.45;
            p.setBrush(QColor(leaves));
            p.drawEllipse(c, radius * 0.5, radius * 0.5);
        }
        p.setBrush(QColor(Scale(leaves, 1.35)));
        p.drawEllipse(centre - QPointF(radius * 0.3, radius * 0.3), radius * 0.38, radius * 0.38);
    });
}

void DrawBush(QPainter& p, QPointF centre, double radius, QRgb leaves) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(Scale(leaves, 0.75)));
    p.drawEllipse(centre + QPointF(0.4, 0.4), radius, radius);
    p.setBrush(QColor(leaves));
    p.drawEllipse(centre, radius * 0.85, radius * 0.85);
    p.setBrush(QColor(Scale(leaves, 1.3)));
    p.drawEllipse(centre - QPointF(radius * 0.3, radius * 0.3), radius * 0.35, radius * 0.35);
}

void DrawGiveWay(QPainter& p, zt::Side s, double along, double halfWidth) {
    // Two red triangles on the small road, pointing at the street it gives way to.
    p.save();
    FaceSide(p, s);
    p.setPen(Qt::NoPen);
    const double w = halfWidth - 1.5;
    for (double x : {-w / 2, w / 2}) {
        QPolygonF tri;
        tri << QPointF(x - w / 2, along - 1.75) << QPointF(x + w / 2, along - 1.75)
            << QPointF(x, along + 1.75);
        p.setBrush(QColor(qRgb(206, 34, 30)));
        p.drawPolygon(tri);
    }
    p.restore();
}

void DrawPrioritySign(QPainter& p, QPointF centre) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(qRgb(40, 40, 40)));
    p.drawRect(QRectF(centre.x() - 0.5, centre.y(), 1, 3.5)); // post, seen slanting
    QPolygonF outer, inner;
    outer << centre + QPointF(0, -3.25) << centre + QPointF(3.25, 0) << centre + QPointF(0, 3.25)
          << centre + QPointF(-3.25, 0);
    inner << centre + QPointF(0, -2) << centre + QPointF(2, 0) << centre + QPointF(0, 2)
          << centre + QPointF(-2, 0);
    p.setBrush(QColor(qRgb(250, 250, 246)));
    p.drawPolygon(outer);
    p.setBrush(QColor(qRgb(250, 204, 20)));
    p.drawPolygon(inner);
}

} // namespace tileart
