// The message dialog's button glyphs and the language dialog's flags.
#include "canvas.h"
#include "glyphs.h"

#include <QPainterPath>

namespace art {
namespace {

constexpr int kScale = 8;

QPainterPath rect(double x, double y, double w, double h) {
    QPainterPath path;
    path.addRect(QRectF(x, y, w, h));
    return path;
}

void bar(QPainter& p, QPointF a, QPointF b, double width, QRgb colour) {
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(b);
    stroke(p, path, width, colour, Qt::FlatCap);
}

// Flags are 25 x 15 with a dark hem, drawn into the box at (x, y).
constexpr double kFlagW = 25;
constexpr double kFlagH = 15;
constexpr QRgb kHem = qRgb(40, 40, 48);

void hem(QPainter& p, double x, double y, double w = kFlagW, double h = kFlagH) {
    QPainterPath border;
    border.addRect(QRectF(x + 0.5, y + 0.5, w - 1, h - 1));
    stroke(p, border, 1.0, kHem, Qt::SquareCap);
}

void flagUnitedStates(QPainter& p, double x, double y) {
    const QRgb red = qRgb(190, 30, 48);
    const QRgb white = qRgb(255, 255, 255);
    const QRgb blue = qRgb(40, 52, 120);
    // 13 stripes of one pixel inside the hem.
    for (int i = 0; i < 13; ++i)
        fill(p, rect(x + 1, y + 1 + i, kFlagW - 2, 1), i % 2 ? white : red);
    fill(p, rect(x + 1, y + 1, 10, 7), blue);
    for (int r = 0; r < 3; ++r)
        for (int s = 0; s < 4; ++s)
            fill(p, rect(x + 2 + 2 * s + (r % 2), y + 2 + 2 * r, 1, 1), white);
    hem(p, x, y);
}

void flagUnitedKingdom(QPainter& p, double x, double y) {
    const QRgb red = qRgb(206, 22, 44);
    const QRgb white = qRgb(255, 255, 255);
    const QRgb blue = qRgb(16, 40, 118);
    p.save();
    p.setClipRect(QRectF(x + 1, y + 1, kFlagW - 2, kFlagH - 2));
    fill(p, rect(x, y, kFlagW, kFlagH), blue);
    const QPointF tl(x, y), tr(x + kFlagW, y), bl(x, y + kFlagH), br(x + kFlagW, y + kFlagH);
    bar(p, tl, br, 2.6, white);
    bar(p, tr, bl, 2.6, white);
    bar(p, tl, br, 1.2, red);
    bar(p, tr, bl, 1.2, red);
    fill(p, rect(x + kFlagW / 2 - 2.5, y, 5, kFlagH), white);
    fill(p, rect(x, y + kFlagH / 2 - 2.5, kFlagW, 5), white);
    fill(p, rect(x + kFlagW / 2 - 1.5, y, 3, kFlagH), red);
    fill(p, rect(x, y + kFlagH / 2 - 1.5, kFlagW, 3), red);
    p.restore();
    hem(p, x, y);
}

void flagStripes(QPainter& p, double x, double y, QRgb a, QRgb b, QRgb c) {
    const double inner = kFlagH - 2;
    fill(p, rect(x + 1, y + 1, kFlagW - 2, inner / 3), a);
    fill(p, rect(x + 1, y + 1 + inner / 3, kFlagW - 2, inner / 3), b);
    fill(p, rect(x + 1, y + 1 + 2 * inner / 3, kFlagW - 2, inner / 3), c);
    hem(p, x, y);
}

void flagSwitzerland(QPainter& p, double x, double y) {
    const double s = kFlagH;
    fill(p, rect(x, y, s, s), qRgb(226, 20, 30));
    const QRgb white = qRgb(255, 255, 255);
    fill(p, rect(x + s / 2 - 1.5, y + 3, 3, s - 6), white);
    fill(p, rect(x + 3, y + s / 2 - 1.5, s - 6, 3), white);
    hem(p, x, y, s, s);
}

} // namespace

QImage DrawSmile() {
    Canvas c(17, 17, kScale);
    QPainter& p = c.p();
    QPainterPath face;
    face.addEllipse(QPointF(8.5, 8.5), 7.7, 7.7);
    stroke(p, face, 1.4, qRgb(150, 92, 0));
    fill(p, face, qRgb(246, 176, 0));
    QPainterPath lit;
    lit.addEllipse(QPointF(7.8, 7.8), 6.6, 6.6);
    fill(p, lit, qRgb(255, 226, 40));
    QPainterPath shine;
    shine.addEllipse(QPointF(5.2, 4.6), 1.5, 1.0);
    fill(p, shine, qRgb(255, 252, 200));
    const QRgb ink = qRgb(60, 36, 0);
    for (double x : {6.0, 11.0}) {
        QPainterPath eye;
        eye.addEllipse(QPointF(x, 6.6), 0.95, 1.5);
        fill(p, eye, ink);
    }
    QPainterPath mouth;
    mouth.moveTo(4.4, 10.0);
    mouth.quadTo(8.5, 14.6, 12.6, 10.0);
    stroke(p, mouth, 1.3, ink);
    return c.majority();
}

QImage DrawCross() {
    Canvas c(18, 18, kScale);
    QPainter& p = c.p();
    QPainterPath x;
    x.moveTo(4.0, 4.0);
    x.lineTo(14.0, 14.0);
    x.moveTo(14.0, 4.0);
    x.lineTo(4.0, 14.0);
    stroke(p, x, 5.2, qRgb(110, 8, 8), Qt::SquareCap);
    stroke(p, x, 3.2, qRgb(222, 30, 30), Qt::SquareCap);
    QPainterPath shine;
    shine.moveTo(4.4, 3.4);
    shine.lineTo(8.2, 7.2);
    shine.moveTo(13.6, 3.4);
    shine.lineTo(10.4, 6.6);
    stroke(p, shine, 0.9, qRgb(255, 120, 110), Qt::FlatCap);
    return c.majority();
}

QImage DrawCancel() {
    Canvas c(18, 18, kScale);
    QPainter& p = c.p();
    const QRgb edge = qRgb(76, 0, 0);
    const QRgb red = qRgb(168, 22, 22);
    QPainterPath ring;
    ring.addEllipse(QPointF(9, 9), 6.4, 6.4);
    QPainterPath slash;
    slash.moveTo(4.5, 4.5);
    slash.lineTo(13.5, 13.5);
    stroke(p, ring, 4.4, edge);
    stroke(p, slash, 4.2, edge, Qt::FlatCap);
    stroke(p, ring, 2.4, red);
    stroke(p, slash, 2.4, red, Qt::FlatCap);
    return c.majority();
}

QImage DrawEnglishFlags() {
    Canvas c(53, 20, kScale);
    flagUnitedStates(c.p(), 0, 2);
    flagUnitedKingdom(c.p(), 28, 2);
    return c.majority();
}

QImage DrawGermanFlags() {
    Canvas c(80, 20, kScale);
    const QRgb red = qRgb(226, 30, 46);
    flagStripes(c.p(), 2, 2, red, qRgb(255, 255, 255), red);
    flagStripes(c.p(), 30, 2, qRgb(20, 20, 20), qRgb(221, 0, 0), qRgb(255, 204, 0));
    flagSwitzerland(c.p(), 58, 2);
    return c.majority();
}

} // namespace art
