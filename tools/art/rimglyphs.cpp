// The glyphs of the small buttons on the board's rim: undo, redo, the hint,
// the level browser and the two zoom steps. The rim is a strip of granite 20
// pixels high, so they are 16 x 16 like the loudspeaker, drawn with the same
// dark outlines and upper-left light as the tool bar's, and strong enough in
// outline to stand on grey stone.
#include "canvas.h"
#include "glyphs.h"

#include <QPainterPath>

namespace art {
namespace {

constexpr int kScale = 8;
constexpr double kSide = 16;

// A hooked arrow, its head pointing left at the top, its tail curling back
// underneath: the step just made, taken back. Mirrored, the step made again.
QImage hookArrow(bool forward) {
    Canvas c(16, 16, kScale);
    QPainter& p = c.p();
    // Blue, so the steps are not taken for the green arrows of a new start.
    const QRgb dark = qRgb(14, 40, 116);
    const QRgb blue = qRgb(40, 110, 224);
    const QRgb light = qRgb(150, 196, 255);
    const double top = 5.4, r = 3.9, cx = 9.9;
    QPainterPath hook;
    hook.moveTo(5.0, top);
    hook.lineTo(cx, top);
    hook.arcTo(QRectF(cx - r, top, 2 * r, 2 * r), 90, -180);
    hook.lineTo(cx - 1.8, top + 2 * r);
    QPainterPath head;
    head.moveTo(0.8, top);
    head.lineTo(6.0, top - 4.4);
    head.lineTo(6.0, top + 4.4);
    head.closeSubpath();
    QPainterPath shine;
    shine.moveTo(5.4, top - 0.7);
    shine.lineTo(cx, top - 0.7);
    shine.arcTo(QRectF(cx - r - 0.7, top - 0.7, 2 * r + 1.4, 2 * r + 1.4), 90, -50);
    if (forward) {
        const QTransform mirror(-1, 0, 0, 1, kSide, 0);
        hook = mirror.map(hook);
        head = mirror.map(head);
        shine = mirror.map(shine);
    }
    stroke(p, hook, 4.6, dark, Qt::FlatCap);
    stroke(p, head, 1.8, dark);
    stroke(p, hook, 2.6, blue, Qt::FlatCap);
    fill(p, head, blue);
    stroke(p, shine, 0.9, light, Qt::FlatCap);
    return c.majority();
}

// A magnifying glass, a minus or a plus on its lens.
QImage magnifier(bool in) {
    Canvas c(16, 16, kScale);
    QPainter& p = c.p();
    const QRgb edge = qRgb(20, 20, 28);
    const double cx = 6.5, cy = 6.5;
    QPainterPath handle;
    handle.moveTo(10.0, 10.0);
    handle.lineTo(14.4, 14.4);
    stroke(p, handle, 4.2, edge);
    stroke(p, handle, 2.4, qRgb(150, 86, 36));
    QPainterPath grip;
    grip.moveTo(11.6, 11.0);
    grip.lineTo(14.0, 13.4);
    stroke(p, grip, 0.8, qRgb(214, 146, 84), Qt::FlatCap);
    outlined(p, circle(cx, cy, 5.2), qRgb(128, 132, 148), edge, 0.8);
    fill(p, circle(cx, cy, 4.2), qRgb(200, 228, 252));
    // The glass's light, kept clear of the sign.
    QPainterPath glint;
    glint.arcMoveTo(QRectF(cx - 3.1, cy - 3.1, 6.2, 6.2), 100);
    glint.arcTo(QRectF(cx - 3.1, cy - 3.1, 6.2, 6.2), 100, 70);
    stroke(p, glint, 0.8, qRgb(255, 255, 255), Qt::FlatCap);
    // One pixel thick at 1x, centred on a pixel, so the sign is crisp and even.
    const QRgb ink = qRgb(16, 24, 60);
    QPainterPath bar;
    bar.addRect(QRectF(cx - 2.5, cy - 0.5, 5, 1));
    fill(p, bar, ink);
    if (in)
        fill(p, QTransform().translate(cx, cy).rotate(90).translate(-cx, -cy).map(bar), ink);
    return c.majority();
}

} // namespace

QImage DrawUndoArrow() {
    return hookArrow(false);
}

QImage DrawRedoArrow() {
    return hookArrow(true);
}

QImage DrawBulb() {
    Canvas c(16, 16, kScale);
    QPainter& p = c.p();
    const QRgb edge = qRgb(150, 92, 0);
    QPainterPath neck;
    neck.moveTo(4.4, 8.2);
    neck.lineTo(11.6, 8.2);
    neck.lineTo(10.2, 11.2);
    neck.lineTo(5.8, 11.2);
    neck.closeSubpath();
    const QPainterPath glass = circle(8, 5.9, 5.0).united(neck);
    outlined(p, glass, qRgb(246, 190, 0), edge, 0.8);
    fill(p, circle(7.4, 5.4, 3.9), qRgb(255, 228, 48));
    QPainterPath shine;
    shine.addEllipse(QPointF(5.9, 3.9), 1.3, 1.1);
    fill(p, shine, qRgb(255, 252, 214));
    // The screw base: grey metal with two threads, a dark contact below.
    const QRgb metalEdge = qRgb(56, 56, 66);
    QPainterPath base;
    base.addRect(QRectF(5.6, 11.4, 4.8, 2.8));
    outlined(p, base, qRgb(176, 176, 188), metalEdge, 0.6);
    QPainterPath thread;
    thread.moveTo(5.6, 12.8);
    thread.lineTo(10.4, 12.8);
    stroke(p, thread, 0.8, qRgb(110, 110, 122), Qt::FlatCap);
    QPainterPath contact;
    contact.addRect(QRectF(7.0, 14.2, 2.0, 1.2));
    fill(p, contact, metalEdge);
    return c.majority();
}

QImage DrawLevelGrid() {
    Canvas c(16, 16, kScale);
    QPainter& p = c.p();
    // Nine small levels in a frame, like the browser's pictures; the one at
    // the centre is lit as the level being played.
    const QRgb frame = qRgb(40, 40, 48);
    QPainterPath all;
    all.addRoundedRect(QRectF(0, 0, kSide, kSide), 2.2, 2.2);
    fill(p, all, frame);
    const QRgb cells[9] = {
        qRgb(84, 160, 64),  qRgb(150, 150, 158), qRgb(196, 72, 52),
        qRgb(70, 128, 210), qRgb(255, 212, 40),  qRgb(84, 160, 64),
        qRgb(196, 72, 52),  qRgb(84, 160, 64),   qRgb(150, 150, 158),
    };
    for (int i = 0; i < 9; ++i) {
        const double x = 1 + 5 * (i % 3), y = 1 + 5 * (i / 3);
        QPainterPath cell;
        cell.addRect(QRectF(x, y, 4, 4));
        fill(p, cell, cells[i]);
        QPainterPath lit;
        lit.moveTo(x + 0.5, y + 4);
        lit.lineTo(x + 0.5, y + 0.5);
        lit.lineTo(x + 4, y + 0.5);
        stroke(p, lit, 1.0, mix(cells[i], qRgb(255, 255, 255), 0.45), Qt::FlatCap);
    }
    return c.majority();
}

QImage DrawZoomOut() {
    return magnifier(false);
}

QImage DrawZoomIn() {
    return magnifier(true);
}

} // namespace art
