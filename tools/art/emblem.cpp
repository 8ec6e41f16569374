#include "emblem.h"

#include "canvas.h"
#include "lettering.h"
#include "marker.h"
#include "palette.h"

#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace art {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr QRgb kIconKey = qRgb(255, 0, 255);

// The icon drawn in a box of `s` pixels. Small sizes leave out the fine detail.
void drawIconMotif(QPainter& p, double s, bool rounded) {
    const double r = rounded ? 0.2 * s : 0;
    const double inset = rounded ? 0.03 * s : 0;
    QPainterPath tile;
    tile.addRoundedRect(QRectF(inset, inset, s - 2 * inset, s - 2 * inset), r, r);
    const QRgb edge = qRgb(28, 64, 26);
    fill(p, tile, edge);
    const double rim = std::max(1.0, 0.045 * s);
    QPainterPath grass;
    grass.addRoundedRect(
        QRectF(inset + rim, inset + rim, s - 2 * (inset + rim), s - 2 * (inset + rim)),
        std::max(0.0, r - rim), std::max(0.0, r - rim));
    fill(p, grass, qRgb(98, 172, 66));
    p.save();
    p.setClipPath(grass);
    // Darker tufts give the grass some life at the larger sizes.
    if (s >= 48) {
        for (int i = 0; i < 40; ++i) {
            const double x = noise01(i, 1, 71) * s;
            const double y = noise01(i, 2, 71) * s;
            QPainterPath tuft;
            tuft.addEllipse(QPointF(x, y), 0.018 * s, 0.012 * s);
            fill(p, tuft, qRgb(78, 148, 52));
        }
    }
    // A street curve from the bottom edge round to the right edge.
    const QPointF corner(s, s);
    auto ring = [&](double radius) {
        QPainterPath c;
        c.addEllipse(corner, radius * s, radius * s);
        return c;
    };
    fill(p, ring(0.70), qRgb(216, 216, 208)); // kerb
    fill(p, ring(0.66), qRgb(112, 112, 120));
    fill(p, ring(0.34), qRgb(216, 216, 208));
    fill(p, ring(0.30), qRgb(98, 172, 66));
    if (s >= 24) {
        const int dashes = 5;
        for (int i = 0; i < dashes; ++i) {
            const double a0 = 180 + 90.0 * (i + 0.25) / dashes;
            QPainterPath dash;
            const QRectF box(s - 0.5 * s, s - 0.5 * s, s, s);
            dash.arcMoveTo(box, -a0);
            dash.arcTo(box, -a0, -90.0 * 0.5 / dashes);
            stroke(p, dash, std::max(1.0, 0.04 * s), qRgb(250, 250, 250), Qt::FlatCap);
        }
    }
    // A house with a red roof in the upper left.
    const double hx = 0.16 * s, hy = 0.15 * s, hs = 0.32 * s;
    QPainterPath wall;
    wall.addRect(QRectF(hx, hy, hs, hs));
    fill(p, wall, qRgb(120, 40, 30));
    // A hipped roof seen from above: four faces meeting at the ridge point.
    const QPointF tl(hx, hy), tr(hx + hs, hy), bl(hx, hy + hs), br(hx + hs, hy + hs);
    const QPointF peak(hx + hs / 2, hy + hs / 2);
    const QRgb faces[4] = {qRgb(236, 106, 70), qRgb(214, 82, 54), qRgb(168, 52, 36),
                           qRgb(190, 64, 44)};
    const QPointF corners[5] = {tl, tr, br, bl, tl};
    const int order[4] = {0, 3, 2, 1}; // top, left, bottom, right faces
    const double eave = std::max(1.0, 0.03 * s);
    p.save();
    p.setClipRect(QRectF(hx + eave, hy + eave, hs - 2 * eave, hs - 2 * eave));
    for (int i = 0; i < 4; ++i) {
        const int k = order[i];
        QPainterPath face;
        face.moveTo(corners[k]);
        face.lineTo(corners[k + 1]);
        face.lineTo(peak);
        face.closeSubpath();
        fill(p, face, faces[i]);
    }
    p.restore();
    p.restore();
    // The car on the curve, heading up and to the right along it.
    p.save();
    p.translate(s - 0.5 * s * std::cos(kPi / 4), s - 0.5 * s * std::sin(kPi / 4));
    p.rotate(45);
    p.scale(0.42 * s / 16, 0.42 * s / 16);
    DrawCar(p);
    p.restore();
    // A light rim on the upper left edge, a darker one lower right.
    stroke(p, tile, std::max(1.0, 0.02 * s), edge);
}

Picture toPicture(const QString& name, const QImage& rgb, int bits) {
    const QList<QRgb> palette = medianCut(rgb, 1 << bits);
    const QImage indexed = toIndexed(rgb, palette, 1 << bits);
    return {name, indexed.convertToFormat(QImage::Format_RGB32), palette, bits};
}

// The driver, grinning under his helmet.
void drawDriverFace(QPainter& p) {
    const QRgb ink = qRgb(40, 24, 16);
    const QRgb skin = qRgb(255, 206, 160);
    const QRgb cheek = qRgb(248, 150, 130);
    QPainterPath head;
    head.addEllipse(QPointF(0, 2), 25, 27);
    stroke(p, head, 3, ink);
    fill(p, head, skin);
    for (double sx : {-1.0, 1.0}) {
        QPainterPath ear;
        ear.addEllipse(QPointF(sx * 25, 6), 5, 7);
        stroke(p, ear, 3, ink);
        fill(p, ear, skin);
    }
    fill(p, head, skin);
    for (double sx : {-1.0, 1.0}) {
        QPainterPath blush;
        blush.addEllipse(QPointF(sx * 14, 12), 5, 3.2);
        fill(p, blush, cheek);
    }
    // Helmet with its blue stripe, and goggles pushed up onto it.
    QPainterPath helmet;
    helmet.moveTo(-27, -2);
    helmet.cubicTo(-28, -34, 28, -34, 27, -2);
    helmet.cubicTo(14, -8, -14, -8, -27, -2);
    stroke(p, helmet, 3, ink);
    fill(p, helmet, qRgb(255, 206, 36));
    QPainterPath stripe;
    stripe.addRect(QRectF(-4, -30, 8, 26));
    p.save();
    p.setClipPath(helmet);
    fill(p, stripe, qRgb(40, 90, 210));
    p.restore();
    for (double sx : {-1.0, 1.0}) {
        QPainterPath lens;
        lens.addEllipse(QPointF(sx * 10, -8), 7.5, 6);
        stroke(p, lens, 3, ink);
        fill(p, lens, qRgb(150, 214, 250));
        QPainterPath glint;
        glint.addEllipse(QPointF(sx * 10 - 2.5, -10), 2, 1.5);
        fill(p, glint, qRgb(255, 255, 255));
    }
    // Eyes and eyebrows.
    for (double sx : {-1.0, 1.0}) {
        QPainterPath eye;
        eye.addEllipse(QPointF(sx * 8, 4), 3.4, 4.4);
        fill(p, eye, qRgb(255, 255, 255));
        stroke(p, eye, 1.6, ink);
        QPainterPath pupil;
        pupil.addEllipse(QPointF(sx * 8 + 1, 5), 1.8, 2.4);
        fill(p, pupil, ink);
    }
    QPainterPath grin;
    grin.moveTo(-14, 13);
    grin.cubicTo(-10, 28, 10, 28, 14, 13);
    grin.cubicTo(5, 17, -5, 17, -14, 13);
    stroke(p, grin, 2.6, ink);
    fill(p, grin, qRgb(150, 30, 30));
    QPainterPath teeth;
    teeth.moveTo(-11, 15);
    teeth.cubicTo(-4, 18, 4, 18, 11, 15);
    teeth.lineTo(9.5, 18.5);
    teeth.cubicTo(3, 20.5, -3, 20.5, -9.5, 18.5);
    teeth.closeSubpath();
    fill(p, teeth, qRgb(255, 255, 255));
    QPainterPath nose;
    nose.addEllipse(QPointF(0, 10), 3.2, 2.6);
    fill(p, nose, qRgb(240, 160, 120));
}

} // namespace

QList<int> IconSizes() {
    return {16, 32, 48, 64, 128, 256};
}

QImage DrawIcon(int size) {
    const int scale = size >= 128 ? 4 : 8;
    Canvas c(size, size, scale);
    drawIconMotif(c.p(), size, true);
    const QImage colour = c.averaged(1);
    const QImage alpha = c.coverage();
    QImage out(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int a = level(alpha, x, y);
            const QRgb rgb = colour.pixel(x, y);
            out.setPixel(x, y,
                         a == 0 ? qRgba(0, 0, 0, 0) : qRgba(qRed(rgb), qGreen(rgb), qBlue(rgb), a));
        }
    }
    return out;
}

Picture DrawIconBmp(int zoom) {
    // Rounded like the desktop icons; the corners take the glyphs' transparent
    // colour so the dialogs can leave them out.
    Canvas c(32, 32, 8, kVoid, zoom);
    drawIconMotif(c.p(), 32, true);
    QImage rgb = keyed(c.averaged(50), kIconKey);
    rgb.setPixel(0, rgb.height() - 1, kIconKey);
    const QList<QRgb> palette = medianCut(rgb, 16, {kIconKey});
    const QImage indexed = toIndexed(rgb, palette, 16, true);
    return {zoom == 1 ? QStringLiteral("icon") : QStringLiteral("icon@%1x").arg(zoom),
            indexed.convertToFormat(QImage::Format_RGB32), palette, 4};
}

Picture DrawSplash(const QImage& sheet, int zoom) {
    const int w = 200, h = 150, z = zoom, cell = 48 * z;
    // A street with a crossing, a pond and a park beside a side street, and a
    // roundabout, cut from the sheet; every touching side fits.
    const int layout[4][5] = {
        {0, 0, 1, 0, 0},
        {2, 2, 3, 2, 2},
        {178, 166, 1, 179, 0},
        {2, 2, 58, 2, 2},
    };
    const int offX = 24 * z, offY = 40 * z;
    QImage img(w * z, h * z, QImage::Format_RGB32);
    for (int r = 0; r < 4; ++r) {
        for (int col = 0; col < 5; ++col) {
            const int t = layout[r][col];
            const QImage tile = sheet.copy(cell * (t % 20), cell * (t / 20), cell, cell);
            for (int y = 0; y < cell; ++y)
                for (int x = 0; x < cell; ++x) {
                    const int dx = col * cell + x - offX, dy = r * cell + y - offY;
                    if (img.valid(dx, dy))
                        img.setPixel(dx, dy, tile.pixel(x, y) | 0xff000000u);
                }
        }
    }
    // Soften the board under the title so the letters stand out.
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const double band = std::clamp(1.0 - std::abs(double(y) / z - 40.0) / 40.0, 0.0, 1.0);
            img.setPixel(x, y, mix(img.pixel(x, y), qRgb(16, 20, 40), 0.4 * band));
        }

    Canvas title(w, h, 4, kVoid, z);
    const QString top = QStringLiteral("Zorbly");
    const QString bottom = QStringLiteral("Tarnel");
    const double unit = 2.3, gap = 2.2;
    const QPainterPath line1 = textPath(top, unit, gap, QPointF(12, 8));
    const QPainterPath line2 = textPath(bottom, unit, gap, QPointF(40, 42));
    for (const QPainterPath* path : {&line1, &line2}) {
        stroke(title.p(), path->translated(2, 2.5), 7.0, qRgb(12, 12, 24));
        stroke(title.p(), *path, 7.0, qRgb(60, 24, 8));
        stroke(title.p(), *path, 4.2, qRgb(255, 204, 32));
        stroke(title.p(), path->translated(-0.6, -0.7), 1.4, qRgb(255, 246, 170));
    }
    blit(img, title.averaged(50), 0, 0);

    Canvas face(w, h, 4, kVoid, z);
    face.p().translate(158, 110);
    face.p().rotate(-8);
    drawDriverFace(face.p());
    blit(img, face.averaged(50), 0, 0);

    // A thin dark frame holds the picture together on the desktop.
    for (int x = 0; x < img.width(); ++x) {
        img.setPixel(x, 0, qRgb(20, 20, 30));
        img.setPixel(x, img.height() - 1, qRgb(20, 20, 30));
    }
    for (int y = 0; y < img.height(); ++y) {
        img.setPixel(0, y, qRgb(20, 20, 30));
        img.setPixel(img.width() - 1, y, qRgb(20, 20, 30));
    }
    return toPicture(z == 1 ? QStringLiteral("splash") : QStringLiteral("splash@%1x").arg(z), img,
                     8);
}

} // namespace art
