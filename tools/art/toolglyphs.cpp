// The tool-bar glyphs. Drawn at eight times their size on kVoid and shrunk:
// 16-colour glyphs take each pixel's majority colour (crisp pixel art),
// 256-colour glyphs average the drawn subsamples (smooth inside, crisp edges).
#include "canvas.h"
#include "glyphs.h"
#include "lettering.h"

#include <QPainterPath>
#include <cmath>

namespace art {
namespace {

constexpr int kScale = 8;

// A glossy ball: darker rim, lighter body towards the upper left, a highlight.
void ball(QPainter& p, double cx, double cy, double r, QRgb base, QRgb edge) {
    outlined(p, circle(cx, cy, r), shade(base, 0.8), edge);
    fill(p, circle(cx - r * 0.12, cy - r * 0.12, r * 0.78), base);
    fill(p, circle(cx - r * 0.25, cy - r * 0.27, r * 0.45), mix(base, qRgb(255, 255, 255), 0.3));
    fill(p, circle(cx - r * 0.42, cy - r * 0.45, r * 0.17), mix(base, qRgb(255, 255, 255), 0.75));
}

} // namespace

QImage DrawBomb() {
    Canvas c(18, 18, kScale);
    QPainter& p = c.p();
    const QRgb edge = qRgb(8, 8, 12);
    // Fuse first, so the cap covers its root.
    QPainterPath fuse;
    fuse.moveTo(12.8, 5.0);
    fuse.cubicTo(13.6, 2.6, 15.0, 2.8, 15.6, 2.6);
    stroke(p, fuse, 1.3, qRgb(204, 160, 92));
    QPainterPath cap;
    cap.addRect(QRectF(-1.8, -1.4, 3.6, 2.8));
    QTransform t;
    t.translate(12.0, 6.4);
    t.rotate(45);
    outlined(p, t.map(cap), qRgb(110, 110, 122), edge, 0.7);
    outlined(p, circle(8, 10.6, 6.6), qRgb(36, 36, 46), edge, 0.7);
    fill(p, circle(5.8, 8.2, 2.0), qRgb(78, 78, 96));
    fill(p, circle(5.4, 7.6, 0.9), qRgb(220, 220, 234));
    // The spark: a small star of yellow on orange.
    QPainterPath rays;
    rays.moveTo(15.6, 0.2);
    rays.lineTo(15.6, 4.0);
    rays.moveTo(13.7, 2.1);
    rays.lineTo(17.5, 2.1);
    stroke(p, rays, 1.0, qRgb(255, 128, 0), Qt::FlatCap);
    fill(p, circle(15.6, 2.1, 1.0), qRgb(255, 236, 60));
    return c.majority();
}

QImage DrawUTurn() {
    Canvas c(18, 18, kScale);
    QPainter& p = c.p();
    const QRgb dark = qRgb(16, 92, 30);
    const QRgb green = qRgb(52, 178, 64);
    const QRgb light = qRgb(156, 232, 130);
    QPainterPath bend;
    bend.moveTo(13.2, 16.8);
    bend.lineTo(13.2, 8.0);
    bend.arcTo(QRectF(4.8, 3.8, 8.4, 8.4), 0, 180);
    bend.lineTo(4.8, 10.0);
    QPainterPath head;
    head.moveTo(0.8, 9.6);
    head.lineTo(8.8, 9.6);
    head.lineTo(4.8, 15.6);
    head.closeSubpath();
    stroke(p, bend, 5.0, dark, Qt::FlatCap);
    stroke(p, head, 2.0, dark);
    stroke(p, bend, 3.0, green, Qt::FlatCap);
    fill(p, head, green);
    QPainterPath shine;
    shine.moveTo(12.4, 15.8);
    shine.lineTo(12.4, 8.0);
    shine.arcTo(QRectF(4.0, 3.0, 8.4, 8.4), 0, 130);
    stroke(p, shine, 1.0, light, Qt::FlatCap);
    return c.majority();
}

QImage DrawDiskette(bool saving) {
    Canvas c(18, 18, kScale);
    QPainter& p = c.p();
    const QRgb edge = qRgb(22, 30, 72);
    QPainterPath shell;
    shell.moveTo(0.8, 0.8);
    shell.lineTo(11.6, 0.8);
    shell.lineTo(13.4, 2.6);
    shell.lineTo(13.4, 13.4);
    shell.lineTo(0.8, 13.4);
    shell.closeSubpath();
    outlined(p, shell, qRgb(52, 82, 168), edge, 0.7);
    QPainterPath sheen;
    sheen.addRect(QRectF(1.4, 1.4, 3.2, 11.4));
    fill(p, sheen, qRgb(76, 110, 200));
    QPainterPath shutter;
    shutter.addRect(QRectF(3.8, 0.8, 6.8, 4.4));
    outlined(p, shutter, qRgb(206, 212, 222), qRgb(96, 100, 112), 0.5);
    QPainterPath slot;
    slot.addRect(QRectF(7.8, 1.6, 1.6, 2.8));
    fill(p, slot, qRgb(60, 64, 76));
    QPainterPath label;
    label.addRect(QRectF(2.6, 7.4, 9.0, 5.4));
    fill(p, label, qRgb(248, 248, 240));
    QPainterPath lines;
    for (double y : {8.9, 10.7}) {
        lines.moveTo(3.6, y);
        lines.lineTo(10.6, y);
    }
    stroke(p, lines, 0.7, qRgb(150, 170, 220), Qt::FlatCap);

    // The red arrow: leaving towards the lower right, or coming in from there.
    const QPointF from = saving ? QPointF(17.2, 17.2) : QPointF(9.4, 9.4);
    const QPointF to = saving ? QPointF(10.0, 10.0) : QPointF(17.2, 17.2);
    const QPointF dir = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF side(-dir.y(), dir.x());
    const QPointF base = to - dir * 4.2;
    QPainterPath shaft;
    shaft.moveTo(from);
    shaft.lineTo(base);
    QPainterPath head;
    head.moveTo(to);
    head.lineTo(base + side * 3.0);
    head.lineTo(base - side * 3.0);
    head.closeSubpath();
    const QRgb red = qRgb(224, 32, 28);
    const QRgb redEdge = qRgb(112, 8, 8);
    stroke(p, shaft, 3.8, redEdge, Qt::FlatCap);
    stroke(p, head, 1.6, redEdge);
    stroke(p, shaft, 2.0, red, Qt::FlatCap);
    fill(p, head, red);
    return c.averaged(50);
}

QImage DrawLoudspeaker() {
    Canvas c(16, 16, kScale);
    QPainter& p = c.p();
    const QRgb edge = qRgb(24, 24, 30);
    QPainterPath magnet;
    magnet.addRect(QRectF(0.8, 5.2, 3.6, 5.6));
    outlined(p, magnet, qRgb(84, 84, 96), edge, 0.7);
    QPainterPath cone;
    cone.moveTo(4.4, 5.2);
    cone.lineTo(8.6, 1.0);
    cone.lineTo(8.6, 15.0);
    cone.lineTo(4.4, 10.8);
    cone.closeSubpath();
    outlined(p, cone, qRgb(176, 176, 188), edge, 0.7);
    QPainterPath rim;
    rim.addRect(QRectF(5.2, 6.2, 1.2, 3.6));
    fill(p, rim, qRgb(236, 236, 244));
    // Two sound waves spreading from the cone's mouth.
    QPainterPath waves;
    for (double r : {5.6, 9.0}) {
        const QRectF box(5.5 - r, 8 - r, 2 * r, 2 * r);
        waves.arcMoveTo(box, -48);
        waves.arcTo(box, -48, 96);
    }
    stroke(p, waves, 1.6, qRgb(24, 92, 200), Qt::FlatCap);
    return c.majority();
}

QImage DrawDoor() {
    Canvas c(18, 18, kScale);
    QPainter& p = c.p();
    const QRgb frame = qRgb(84, 48, 22);
    QPainterPath opening;
    opening.addRect(QRectF(3.6, 0.8, 11.2, 16.2));
    outlined(p, opening, qRgb(64, 40, 24), frame, 0.8);
    QPainterPath leaf;
    leaf.addRect(QRectF(4.6, 1.8, 9.2, 15.2));
    fill(p, leaf, qRgb(186, 116, 56));
    for (double y : {3.2, 10.0}) {
        QPainterPath panel;
        panel.addRect(QRectF(6.0, y, 6.4, 5.4));
        stroke(p, panel, 0.9, qRgb(132, 78, 34));
        fill(p, panel, qRgb(204, 138, 72));
    }
    fill(p, circle(11.8, 9.4, 1.0), qRgb(255, 214, 64));
    QPainterPath step;
    step.addRect(QRectF(2.0, 16.6, 14.4, 1.2));
    fill(p, step, qRgb(128, 128, 136));
    return c.majority();
}

QImage DrawTriangle(bool right) {
    Canvas c(15, 15, kScale);
    QPainter& p = c.p();
    QPainterPath tri;
    tri.moveTo(2.0, 7.5);
    tri.lineTo(12.6, 1.6);
    tri.lineTo(12.6, 13.4);
    tri.closeSubpath();
    QPainterPath shine;
    shine.moveTo(3.8, 7.2);
    shine.lineTo(11.6, 2.9);
    if (right) {
        QTransform mirror(-1, 0, 0, 1, 15, 0);
        tri = mirror.map(tri);
        shine = mirror.map(shine);
    }
    outlined(p, tri, qRgb(52, 178, 64), qRgb(16, 92, 30), 0.8);
    stroke(p, shine, 1.0, qRgb(156, 232, 130));
    return c.majority();
}

QImage DrawLips() {
    Canvas c(15, 15, kScale);
    QPainter& p = c.p();
    const QRgb edge = qRgb(120, 10, 28);
    QPainterPath upper;
    upper.moveTo(0.6, 7.6);
    upper.cubicTo(2.4, 6.0, 3.8, 3.0, 5.4, 3.2);
    upper.cubicTo(6.4, 3.3, 7.0, 4.2, 7.5, 4.4);
    upper.cubicTo(8.0, 4.2, 8.6, 3.3, 9.6, 3.2);
    upper.cubicTo(11.2, 3.0, 12.6, 6.0, 14.4, 7.6);
    upper.cubicTo(11.0, 7.2, 9.0, 6.9, 7.5, 7.4);
    upper.cubicTo(6.0, 6.9, 4.0, 7.2, 0.6, 7.6);
    QPainterPath lower;
    lower.moveTo(0.6, 7.6);
    lower.cubicTo(4.0, 8.2, 11.0, 8.2, 14.4, 7.6);
    lower.cubicTo(12.6, 10.4, 10.4, 12.2, 7.5, 12.2);
    lower.cubicTo(4.6, 12.2, 2.4, 10.4, 0.6, 7.6);
    outlined(p, upper, qRgb(214, 36, 58), edge, 0.6);
    outlined(p, lower, qRgb(232, 52, 72), edge, 0.6);
    QPainterPath gloss;
    gloss.addEllipse(QRectF(5.0, 9.2, 4.4, 1.4));
    fill(p, gloss, qRgb(255, 150, 160));
    QPainterPath gloss2;
    gloss2.addEllipse(QRectF(3.6, 4.8, 1.8, 1.0));
    fill(p, gloss2, qRgb(250, 120, 134));
    return c.averaged(45);
}

QImage DrawParagraphBall() {
    Canvas c(18, 18, kScale);
    QPainter& p = c.p();
    ball(p, 9, 9, 8.2, qRgb(210, 34, 34), qRgb(108, 10, 10));
    QPainterPath sign;
    sign.moveTo(11.3, 4.9);
    sign.cubicTo(10.6, 3.0, 6.6, 3.1, 6.8, 5.4);
    sign.cubicTo(7.0, 7.2, 11.5, 7.2, 11.4, 9.7);
    sign.cubicTo(11.3, 11.2, 9.2, 11.6, 8.2, 11.4);
    sign.moveTo(6.7, 13.1);
    sign.cubicTo(7.4, 15.0, 11.4, 14.9, 11.2, 12.6);
    sign.cubicTo(11.0, 10.8, 6.5, 10.8, 6.6, 8.3);
    sign.cubicTo(6.7, 6.8, 8.8, 6.4, 9.8, 6.6);
    stroke(p, sign, 1.5, qRgb(255, 255, 255));
    return c.majority();
}

QImage DrawInfoBall() {
    Canvas c(18, 18, kScale);
    QPainter& p = c.p();
    ball(p, 9, 9, 8.2, qRgb(36, 96, 216), qRgb(14, 36, 110));
    const QRgb white = qRgb(255, 255, 255);
    QPainterPath dot;
    dot.addRect(QRectF(8.0, 3.0, 2.0, 2.0));
    fill(p, dot, white);
    QPainterPath stem;
    stem.addRect(QRectF(8.0, 7.0, 2.0, 6.0));
    stem.addRect(QRectF(7.0, 7.0, 1.0, 1.0));
    stem.addRect(QRectF(7.0, 13.0, 4.0, 1.0));
    fill(p, stem.simplified(), white);
    return c.majority();
}

QImage DrawMakerLogo() {
    Canvas c(26, 20, kScale);
    QPainter& p = c.p();
    QPainterPath badge;
    badge.addRoundedRect(QRectF(0.8, 0.8, 24.4, 18.4), 5.5, 5.5);
    outlined(p, badge, qRgb(104, 44, 164), qRgb(48, 16, 82), 0.8);
    QPainterPath upper;
    upper.addRoundedRect(QRectF(1.6, 1.6, 22.8, 8.0), 4.6, 4.6);
    fill(p, upper, qRgb(138, 78, 204));
    // The Z with two round eyes on its top bar: Zorbly, looking at the player.
    QTransform t;
    t.translate(5.4, 7.4);
    t.scale(1.9, 0.98);
    const QPainterPath z = t.map(letterPath('Z'));
    stroke(p, z, 4.2, qRgb(70, 30, 20));
    stroke(p, z, 2.6, qRgb(255, 212, 40));
    for (double x : {9.6, 16.4}) {
        fill(p, circle(x, 5.2, 2.9), qRgb(70, 30, 20));
        fill(p, circle(x, 5.2, 2.2), qRgb(255, 255, 255));
        fill(p, circle(x + 0.6, 5.6, 1.0), qRgb(20, 20, 30));
    }
    return c.averaged(50);
}

} // namespace art
