#include "marker.h"

#include "canvas.h"

#include <QPainterPath>

namespace art {

void DrawCar(QPainter& p) {
    const QRgb tyre = qRgb(42, 42, 48);
    const QRgb outline = qRgb(86, 14, 18);
    const QRgb body = qRgb(214, 38, 40);
    const QRgb bodyLight = qRgb(246, 104, 92);
    const QRgb cockpit = qRgb(92, 46, 34);
    const QRgb glass = qRgb(176, 226, 255);
    const QRgb helmet = qRgb(255, 206, 36);
    const QRgb helmetStripe = qRgb(40, 90, 210);
    const QRgb lamp = qRgb(255, 244, 160);

    p.setPen(Qt::NoPen);
    // Tyres stick out a little at the four corners.
    for (double sx : {-1.0, 1.0}) {
        for (double y : {-6.6, 2.6}) {
            QPainterPath wheel;
            wheel.addRoundedRect(QRectF(sx * 4.7 - 1.3, y, 2.6, 4.0), 0.8, 0.8);
            fill(p, wheel, tyre);
        }
    }
    QPainterPath shell;
    shell.addRoundedRect(QRectF(-4.3, -7.8, 8.6, 15.6), 3.2, 3.2);
    fill(p, shell, outline);
    QPainterPath paint;
    paint.addRoundedRect(QRectF(-3.5, -7.0, 7.0, 14.0), 2.6, 2.6);
    fill(p, paint, body);
    // A shine along the bonnet's left side gives the body some roundness.
    QPainterPath shine;
    shine.addRoundedRect(QRectF(-2.6, -6.2, 1.4, 3.6), 0.7, 0.7);
    fill(p, shine, bodyLight);
    QPainterPath screen;
    screen.moveTo(-3.2, -1.6);
    screen.quadTo(0, -3.0, 3.2, -1.6);
    screen.lineTo(3.2, -0.7);
    screen.quadTo(0, -2.0, -3.2, -0.7);
    screen.closeSubpath();
    fill(p, screen, glass);
    QPainterPath seat;
    seat.addRoundedRect(QRectF(-2.6, -0.4, 5.2, 5.2), 1.4, 1.4);
    fill(p, seat, cockpit);
    QPainterPath head;
    head.addEllipse(QPointF(0, 1.9), 1.9, 1.9);
    fill(p, head, helmet);
    QPainterPath stripe;
    stripe.addRect(QRectF(-0.45, 0.0, 0.9, 3.8));
    p.save();
    p.setClipPath(head);
    fill(p, stripe, helmetStripe);
    p.restore();
    for (double sx : {-1.0, 1.0}) {
        QPainterPath light;
        light.addEllipse(QPointF(sx * 2.2, -6.7), 0.9, 0.7);
        fill(p, light, lamp);
    }
}

QImage DrawMarkerSprites(int zoom) {
    QImage strip(kMarkerSize * kMarkerFrames * zoom, kMarkerSize * zoom, QImage::Format_RGB32);
    strip.fill(qRgb(0, 0, 0));
    for (int f = 0; f < kMarkerFrames; ++f) {
        Canvas c(kMarkerSize, kMarkerSize, 8, kVoid, zoom);
        c.p().translate(kMarkerSize / 2.0, kMarkerSize / 2.0);
        c.p().rotate(45.0 * f);
        DrawCar(c.p());
        QImage frame = c.averaged(50);
        blit(strip, frame, f * kMarkerSize * zoom, 0);
    }
    return strip;
}

QImage MarkerMasks(const QImage& sprites) {
    QImage mask(sprites.size(), QImage::Format_RGB32);
    for (int y = 0; y < sprites.height(); ++y)
        for (int x = 0; x < sprites.width(); ++x)
            mask.setPixel(x, y,
                          (sprites.pixel(x, y) & 0xffffff) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return mask;
}

} // namespace art
