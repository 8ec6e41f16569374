#include "backdrop.h"

#include "canvas.h"
#include "lettering.h"
#include "marker.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace art {
namespace {

// Grey granite: a cloudy ground with dark and light grains in small clusters. Pixel
// (px, py) of a picture with `zoom` pixels per unit: clouds and clusters follow the
// units, the grain follows the pixels, so a 2x picture has finer grains, not bigger ones.
QRgb granite(int px, int py, int zoom) {
    const double x = double(px) / zoom, y = double(py) / zoom;
    const double cloud =
        0.6 * valueNoise(x / 23.0, y / 19.0, 11) + 0.4 * valueNoise(x / 7.0, y / 6.0, 12);
    const int v = int(std::lround(116 + 30 * cloud));
    const double cluster = valueNoise(x / 1.7, y / 1.6, 13);
    const uint32_t salt = zoom == 1 ? 0 : 100;
    const double grain = noise01(px, py, 14 + salt);
    if (cluster > 0.8 && grain > 0.25) {
        const int d = int(60 + 28 * grain);
        return qRgb(d, d, d + 3);
    }
    if (cluster < 0.14 && grain > 0.35) {
        const int l = int(164 + 30 * grain);
        return qRgb(l, l - 2, l - 5);
    }
    if (grain > 0.992)
        return qRgb(150, 122, 116); // a rare warm feldspar speck
    const int jitter = int(std::lround((noise01(px, py, 15 + salt) - 0.5) * 10));
    return qRgb(v + jitter, v + jitter, v + jitter + 4);
}

// Lights the top and left edges of `r` and darkens the bottom and right ones;
// `raised` false turns it into a groove. At zoom 2 the bevel is as wide as at 1x and
// fades in twice the steps.
void bevel(QImage& img, QRect r, int width, bool raised, int zoom) {
    r = QRect(r.topLeft() * zoom, r.size() * zoom);
    for (int k = 0; k < width * zoom; ++k) {
        const double strength = 1.0 - 0.25 * k / zoom;
        const double light = 1.0 + 0.45 * strength;
        const double dark = 1.0 - 0.42 * strength;
        const QRect e = r.adjusted(k, k, -k, -k);
        for (int x = e.left(); x <= e.right(); ++x) {
            img.setPixel(x, e.top(), shade(img.pixel(x, e.top()), raised ? light : dark));
            img.setPixel(x, e.bottom(), shade(img.pixel(x, e.bottom()), raised ? dark : light));
        }
        for (int y = e.top() + 1; y < e.bottom(); ++y) {
            img.setPixel(e.left(), y, shade(img.pixel(e.left(), y), raised ? light : dark));
            img.setPixel(e.right(), y, shade(img.pixel(e.right(), y), raised ? dark : light));
        }
    }
}

// A steel bolt set into the stone, lit from the upper left.
void bolt(QImage& img, double cx, double cy, int zoom) {
    Canvas c(13, 13, 8, kVoid, zoom);
    QPainterPath rim;
    rim.addEllipse(QPointF(6.5, 6.5), 5.2, 5.2);
    fill(c.p(), rim, qRgb(58, 58, 64));
    QPainterPath head;
    head.addEllipse(QPointF(6.1, 6.1), 4.1, 4.1);
    fill(c.p(), head, qRgb(150, 152, 160));
    QPainterPath lit;
    lit.addEllipse(QPointF(5.3, 5.3), 2.6, 2.6);
    fill(c.p(), lit, qRgb(196, 198, 206));
    QPainterPath slot;
    slot.moveTo(3.6, 8.6);
    slot.lineTo(8.6, 3.6);
    stroke(c.p(), slot, 1.2, qRgb(70, 70, 78), Qt::FlatCap);
    blit(img, c.averaged(50), int(cx - 6.5) * zoom, int(cy - 6.5) * zoom);
}

} // namespace

QImage DrawGaugeStrip(bool full, int zoom) {
    const int w = kEmptyGauge.width();
    const int h = kEmptyGauge.height();
    const QString word = QStringLiteral("ZORBLY*TARNEL");
    const double pitch = (h - 3) / double(word.size());

    Canvas c(w, h, 6, kVoid, zoom);
    for (int i = 0; i < word.size(); ++i) {
        const double top = 1.5 + i * pitch;
        if (word[i] == '*') {
            // A small diamond keeps the two words apart.
            QPainterPath d;
            const QPointF m(w / 2.0, top + pitch / 2.0);
            d.moveTo(m + QPointF(0, -4));
            d.lineTo(m + QPointF(4, 0));
            d.lineTo(m + QPointF(0, 4));
            d.lineTo(m + QPointF(-4, 0));
            d.closeSubpath();
            fill(c.p(), d, qRgb(255, 255, 255));
            continue;
        }
        const double sx = 1.95, sy = 1.58;
        const double letterW = letterWidth(word[i]) * sx;
        QTransform t;
        t.translate((w - letterW) / 2.0, top + (pitch - 10 * sy) / 2.0);
        t.scale(sx, sy);
        stroke(c.p(), t.map(letterPath(word[i])), 4.4, qRgb(255, 255, 255));
    }
    const QImage cover = c.coverage();

    const QRgb ground = full ? qRgb(14, 20, 46) : qRgb(24, 25, 28);
    const QRgb face = full ? qRgb(52, 118, 255) : qRgb(150, 150, 152);
    const QRgb lit = full ? qRgb(170, 206, 255) : qRgb(214, 214, 216);
    const QRgb deep = full ? qRgb(22, 52, 156) : qRgb(84, 84, 86);
    auto at = [&](int x, int y) { return cover.valid(x, y) ? level(cover, x, y) / 255.0 : 0.0; };
    // The light and the cast shadow are one pixel wide at any zoom: at 2x the letters'
    // edges are finer, not a doubled 1x edge.
    QImage out(w * zoom, h * zoom, QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            const double a = at(x, y);
            // Light falls from the upper left: edges facing it shine, the others sink.
            const double slope = at(x - 1, y - 1) - at(x + 1, y + 1);
            QRgb letter = face;
            if (slope < -0.3)
                letter = mix(face, lit, std::min(1.0, -slope));
            else if (slope > 0.3)
                letter = mix(face, deep, std::min(1.0, slope));
            QRgb bg = ground;
            if (at(x - 1, y - 1) > 0.5 && a < 0.5)
                bg = shade(ground, 0.55); // a thin cast shadow keeps the letters off the ground
            out.setPixel(x, y, mix(bg, letter, a));
        }
    }
    return out;
}

QImage DrawBackdrop(int zoom) {
    QImage img(kBackdropWidth * zoom, kBackdropHeight * zoom, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, granite(x, y, zoom));

    bevel(img, QRect(0, 0, kBackdropWidth, kBackdropHeight), 3, true, zoom);
    bevel(img, kBoardField.adjusted(-3, -3, 3, 3), 3, false, zoom);
    bevel(img, kFullGauge.adjusted(-3, -3, 3, 3), 3, false, zoom);
    for (QPointF at :
         {QPointF(11.5, 10.5), QPointF(508.5, 10.5), QPointF(11.5, 365.5), QPointF(508.5, 365.5)})
        bolt(img, at.x(), at.y(), zoom);

    const QRect field(kBoardField.topLeft() * zoom, kBoardField.size() * zoom);
    for (int y = field.top(); y <= field.bottom(); ++y)
        for (int x = field.left(); x <= field.right(); ++x)
            img.setPixel(x, y, qRgb(0, 0, 0));

    const QImage sprites = DrawMarkerSprites(zoom);
    blit(img, sprites, kSpriteStrip.x() * zoom, kSpriteStrip.y() * zoom);
    blit(img, MarkerMasks(sprites), kMaskStrip.x() * zoom, kMaskStrip.y() * zoom);
    blit(img, DrawGaugeStrip(false, zoom), kEmptyGauge.x() * zoom, kEmptyGauge.y() * zoom);
    blit(img, DrawGaugeStrip(true, zoom), kFullGauge.x() * zoom, kFullGauge.y() * zoom);
    return img;
}

} // namespace art
