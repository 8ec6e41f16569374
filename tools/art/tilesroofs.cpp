// Roofs seen from above. The light comes from the upper left, as for every shadow of the
// town, so the facets facing up and left are the bright ones.
#include "tiles.h"

#include <algorithm>

namespace tileart {

namespace {

void Polygon(QPainter& p, std::initializer_list<QPointF> pts, QRgb c) {
    p.setBrush(QColor(c));
    p.drawPolygon(QPolygonF(QList<QPointF>(pts)));
}

} // namespace

void DrawRoof(TileCanvas& canvas, QRectF r, RoofKind kind, QRgb c, bool ridgeAlongX) {
    canvas.tint([&](QPainter& p) { p.drawRect(r.translated(1.8, 1.8)); }, 0.62);
    canvas.paint([&](QPainter& p) {
        p.setPen(Qt::NoPen);
        const double l = r.left(), t = r.top(), w = r.width(), h = r.height();
        const double rr = l + w, b = t + h;
        switch (kind) {
        case RoofKind::Gable:
            if (ridgeAlongX) {
                Polygon(p, {{l, t}, {rr, t}, {rr, t + h / 2}, {l, t + h / 2}}, Scale(c, 1.12));
                Polygon(p, {{l, t + h / 2}, {rr, t + h / 2}, {rr, b}, {l, b}}, Scale(c, 0.82));
                p.setBrush(QColor(Scale(c, 0.7)));
                for (double y = t + 1.25; y < b - 0.5; y += 1.5)
                    p.drawRect(QRectF(l, y, w, 0.25));
                p.setBrush(QColor(Scale(c, 1.3)));
                p.drawRect(QRectF(l, t + h / 2 - 0.35, w, 0.7));
            } else {
                Polygon(p, {{l, t}, {l + w / 2, t}, {l + w / 2, b}, {l, b}}, Scale(c, 1.1));
                Polygon(p, {{l + w / 2, t}, {rr, t}, {rr, b}, {l + w / 2, b}}, Scale(c, 0.84));
                p.setBrush(QColor(Scale(c, 0.7)));
                for (double x = l + 1.25; x < rr - 0.5; x += 1.5)
                    p.drawRect(QRectF(x, t, 0.25, h));
                p.setBrush(QColor(Scale(c, 1.3)));
                p.drawRect(QRectF(l + w / 2 - 0.35, t, 0.7, h));
            }
            break;
        case RoofKind::Hip: {
            const double inset = std::min(w, h) / 2;
            if (w >= h) {
                const double cy = t + h / 2;
                Polygon(p, {{l, t}, {rr, t}, {rr - inset, cy}, {l + inset, cy}}, Scale(c, 1.15));
                Polygon(p, {{l, b}, {rr, b}, {rr - inset, cy}, {l + inset, cy}}, Scale(c, 0.8));
                Polygon(p, {{l, t}, {l + inset, cy}, {l, b}}, Scale(c, 1.02));
                Polygon(p, {{rr, t}, {rr - inset, cy}, {rr, b}}, Scale(c, 0.9));
            } else {
                const double cx = l + w / 2;
                Polygon(p, {{l, t}, {l, b}, {cx, b - inset}, {cx, t + inset}}, Scale(c, 1.08));
                Polygon(p, {{rr, t}, {rr, b}, {cx, b - inset}, {cx, t + inset}}, Scale(c, 0.84));
                Polygon(p, {{l, t}, {cx, t + inset}, {rr, t}}, Scale(c, 1.18));
                Polygon(p, {{l, b}, {cx, b - inset}, {rr, b}}, Scale(c, 0.78));
            }
            break;
        }
        case RoofKind::Flat:
            p.setBrush(QColor(Scale(c, 1.12)));
            p.drawRect(r);
            p.setBrush(QColor(c));
            p.drawRect(r.adjusted(0.75, 0.75, -0.75, -0.75));
            p.setBrush(QColor(Scale(c, 0.92)));
            for (double y = t + 3; y < b - 2; y += 3)
                p.drawRect(QRectF(l + 0.75, y, w - 1.5, 0.25));
            break;
        case RoofKind::Sawtooth:
            p.setBrush(QColor(Scale(c, 0.8)));
            p.drawRect(r);
            if (ridgeAlongX) {
                for (double y = t; y < b - 1; y += 4) {
                    p.setBrush(QColor(c));
                    p.drawRect(QRectF(l, y, w, 2.5));
                    p.setBrush(QColor(qRgb(150, 196, 222)));
                    p.drawRect(QRectF(l, y + 2.5, w, 1.25));
                }
            } else {
                for (double x = l; x < rr - 1; x += 4) {
                    p.setBrush(QColor(c));
                    p.drawRect(QRectF(x, t, 2.5, h));
                    p.setBrush(QColor(qRgb(150, 196, 222)));
                    p.drawRect(QRectF(x + 2.5, t, 1.25, h));
                }
            }
            break;
        }
    });
}

} // namespace tileart
