// The green tiles: the meadow and the park.
#include "tiles.h"

#include <array>
#include <cmath>

namespace tileart {

void DrawGarden(TileCanvas& canvas, int t) {
    if (t == 0)
        return;
    if (t == 179) {
        // A meadow: wild flowers, one old tree and a bush.
        canvas.paint([](QPainter& p) {
            p.setPen(Qt::NoPen);
            const QRgb petals[4] = {qRgb(250, 250, 250), qRgb(250, 220, 60), qRgb(210, 90, 200),
                                    qRgb(240, 90, 80)};
            for (int i = 0; i < 46; ++i) {
                const double x = 3 + Hash01(i, 0, 71) * 42, y = 3 + Hash01(i, 1, 71) * 42;
                p.setBrush(QColor(petals[i % 4]));
                p.drawEllipse(QPointF(x, y), 0.45, 0.45);
            }
            DrawBush(p, QPointF(36, 36), 3, qRgb(76, 124, 50));
        });
        DrawTree(canvas, QPointF(17, 17), 7, 179);
        return;
    }
    // The park: a round gravel path with a flower bed, trees, benches.
    canvas.shade([](double x, double y, QRgb& c) {
        const double r = std::hypot(x - 24, y - 24);
        if (r >= 11 && r < 14.5)
            c = Hash01(PixelOf(x), PixelOf(y), 81) < 0.3 ? qRgb(196, 180, 140) : qRgb(212, 198, 160);
        const double d = std::fabs(x - y) / 1.414, e = std::fabs(x + y - 48) / 1.414;
        if ((d < 1.6 || e < 1.6) && r >= 14.5 && r < 18)
            c = qRgb(212, 198, 160);
    });
    canvas.paint([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(qRgb(120, 84, 56)));
        p.drawEllipse(QPointF(24, 24), 7, 7);
        const QRgb petals[3] = {qRgb(240, 80, 90), qRgb(250, 220, 60), qRgb(250, 140, 200)};
        for (int ring = 0; ring < 3; ++ring)
            for (int i = 0; i < 8 + ring * 4; ++i) {
                const double a = i * 6.2832 / (8 + ring * 4) + ring;
                p.setBrush(QColor(petals[ring]));
                p.drawEllipse(
                    QPointF(24 + std::cos(a) * (2 + ring * 2), 24 + std::sin(a) * (2 + ring * 2)),
                    0.6, 0.6);
            }
        p.setBrush(QColor(qRgb(130, 92, 56)));
        for (auto [x, y, w, h] : {std::array{23.0, 7.5, 3.0, 1.2},
                                  {23.0, 39.3, 3.0, 1.2},
                                  {7.5, 23.0, 1.2, 3.0},
                                  {39.3, 23.0, 1.2, 3.0}})
            p.drawRect(QRectF(x - 0.5, y, w, h)); // benches by the path
    });
    DrawTree(canvas, QPointF(9, 9), 5.5, 166);
    DrawTree(canvas, QPointF(39, 10), 4.5, 167);
    DrawTree(canvas, QPointF(9.5, 39), 4.5, 168);
    DrawTree(canvas, QPointF(38.5, 38.5), 5.5, 169);
}

} // namespace tileart
