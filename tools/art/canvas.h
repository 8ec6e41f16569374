// Drawing helpers shared by every picture of the art program.
//
// Pictures are drawn large (S times the final size) with aliased, opaque QPainter
// primitives only, and shrunk by our own integer code. That keeps the output the
// same on every machine: no anti-aliasing or blending inside Qt, whose SIMD paths
// may round differently from one CPU to the next.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdint>

namespace art {

// Colour that marks "nothing drawn here" on a supersampled canvas. Pictures never
// use it as a real colour.
inline constexpr QRgb kVoid = 0xff010203;

// Pixels per unit of the pictures being drawn: 1, or 2 while a PictureZoom(2)
// lives. Canvases take it unless told otherwise, so a glyph's drawing code gives
// its 2x picture unchanged.
int CurrentZoom();
class PictureZoom {
public:
    explicit PictureZoom(int zoom);
    ~PictureZoom();
    PictureZoom(const PictureZoom&) = delete;
    PictureZoom& operator=(const PictureZoom&) = delete;

private:
    int before_;
};

// A canvas S times the final size, ready for drawing in final-pixel coordinates.
// With zoom 2 the final picture has twice the pixels per unit: the same drawing
// code in the same units gives the picture for high-density screens. Zoom 0 is
// CurrentZoom().
class Canvas {
public:
    Canvas(int width, int height, int scale, QRgb ground = kVoid, int zoom = 0);
    QPainter& p() { return painter_; }
    int scale() const { return scale_; }
    // Ends painting; the canvas can then only be shrunk.
    const QImage& image();
    // Each final pixel takes the colour most of its subsamples have (crisp pixel art).
    QImage majority();
    // Each final pixel averages its drawn subsamples; a pixel with fewer than
    // `threshold` percent drawn subsamples stays kVoid. Smooth inside, crisp edges.
    QImage averaged(int threshold = 50);
    // Share of drawn subsamples per final pixel, 0..255 (Grayscale8).
    QImage coverage();

private:
    QImage big_;
    QPainter painter_;
    int scale_;
};

// Value of a Grayscale8 pixel.
inline int level(const QImage& grey, int x, int y) {
    return grey.constScanLine(y)[x];
}

// Plain brush/pen shortcuts for opaque, aliased drawing.
void fill(QPainter& p, const QPainterPath& path, QRgb colour);
void stroke(QPainter& p, const QPainterPath& path, qreal width, QRgb colour,
            Qt::PenCapStyle cap = Qt::RoundCap);
// Fills `path` and rings it with a dark line `width` pixels wide outside.
void outlined(QPainter& p, const QPainterPath& path, QRgb colour, QRgb edge, double width = 1.0);
QPainterPath circle(double cx, double cy, double r);

// Deterministic hash noise in 0..1 and smooth value noise built on it.
uint32_t hash3(int x, int y, uint32_t seed);
double noise01(int x, int y, uint32_t seed);
double valueNoise(double x, double y, uint32_t seed);

QRgb mix(QRgb a, QRgb b, double t);
QRgb shade(QRgb c, double factor);

// Copies `src` onto `dst` at (x, y), leaving out kVoid pixels.
void blit(QImage& dst, const QImage& src, int x, int y);

} // namespace art
