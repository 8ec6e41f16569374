// The layers every tile is built from: the canvas, grass, water and railway. Each is a
// function of the position inside the cell (and of the distance across a line), never of
// the tile, so two cells meet without a seam wherever their sides carry the same thing.
#include "tiles.h"

#include "canvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace tileart {

int Zoom() {
    return art::CurrentZoom();
}

int PixelOf(double v) {
    return static_cast<int>(std::floor(v * Zoom()));
}

TileCanvas::TileCanvas()
    : sub_(kSub * Zoom()), hi_(kHiSize * Zoom(), kHiSize * Zoom(), QImage::Format_RGB32) {
    hi_.fill(0xff000000);
}

QImage TileCanvas::shrink() const {
    const int side = hi_.width() / kSub;
    QImage out(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y) {
        QRgb* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < side; ++x) {
            int r = 0, g = 0, b = 0;
            for (int sy = 0; sy < kSub; ++sy) {
                const QRgb* src = reinterpret_cast<const QRgb*>(hi_.constScanLine(y * kSub + sy));
                for (int sx = 0; sx < kSub; ++sx) {
                    const QRgb c = src[x * kSub + sx];
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                }
            }
            const int n = kSub * kSub;
            dst[x] = qRgb((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n);
        }
    }
    return out;
}

void TileCanvas::paint(const std::function<void(QPainter&)>& draw) {
    QPainter p(&hi_);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.scale(sub_, sub_);
    draw(p);
}

void TileCanvas::tint(const std::function<void(QPainter&)>& draw, double factor) {
    QImage mask(hi_.size(), QImage::Format_RGB32);
    mask.fill(0xff000000);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.scale(sub_, sub_);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255));
        draw(p);
    }
    for (int y = 0; y < hi_.height(); ++y) {
        const QRgb* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        QRgb* line = reinterpret_cast<QRgb*>(hi_.scanLine(y));
        for (int x = 0; x < hi_.width(); ++x)
            if (qRed(m[x]) > 128)
                line[x] = Scale(line[x], factor);
    }
}

double Hash01(int x, int y, unsigned salt) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8da6b343u ^
                      static_cast<std::uint32_t>(y) * 0xd8163841u ^ salt * 0xcb1ab31fu;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return (h & 0xffffff) / double(0x1000000);
}

double TiledNoise(double x, double y, int cells, unsigned salt) {
    const double step = double(kTileSize) / cells;
    const double fx = x / step, fy = y / step;
    const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
    const double tx = fx - x0, ty = fy - y0;
    auto at = [&](int cx, int cy) {
        return Hash01(((cx % cells) + cells) % cells, ((cy % cells) + cells) % cells, salt);
    };
    auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    const double sx = smooth(tx), sy = smooth(ty);
    const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * sx;
    const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * sx;
    return top + (bottom - top) * sy;
}

QRgb Mix(QRgb a, QRgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto ch = [t](int u, int v) { return static_cast<int>(std::lround(u + (v - u) * t)); };
    return qRgb(ch(qRed(a), qRed(b)), ch(qGreen(a), qGreen(b)), ch(qBlue(a), qBlue(b)));
}

QRgb Scale(QRgb c, double factor) {
    auto ch = [factor](int v) {
        return std::clamp(static_cast<int>(std::lround(v * factor)), 0, 255);
    };
    return qRgb(ch(qRed(c)), ch(qGreen(c)), ch(qBlue(c)));
}

namespace {

// Pixel (ix, iy) of a tile of side 48 * z: the patches follow the tile, the blades the pixel.
QRgb GrassPixel(int ix, int iy, int z) {
    const double x = (ix + 0.5) / z, y = (iy + 0.5) / z;
    const double patch = TiledNoise(x, y, 6, 3) * 0.7 + TiledNoise(x, y, 12, 4) * 0.3;
    QRgb c = Mix(qRgb(70, 118, 46), qRgb(104, 152, 62), patch);
    const double blade = Hash01(ix, iy, z == 1 ? 7 : 8);
    if (blade < 0.12)
        c = Scale(c, 0.84);
    else if (blade > 0.92)
        c = Scale(c, 1.13);
    return c;
}

} // namespace

QRgb GrassAt(double x, double y) {
    // Per pixel, not per subsample, so the blades stay crisp after shrinking; worked out
    // once for each zoom, since every tile starts from it.
    auto table = [](int z) {
        const int n = kTileSize * z;
        std::vector<QRgb> g(static_cast<size_t>(n * n));
        for (int iy = 0; iy < n; ++iy)
            for (int ix = 0; ix < n; ++ix)
                g[static_cast<size_t>(iy * n + ix)] = GrassPixel(ix, iy, z);
        return g;
    };
    static const std::vector<QRgb> grasses[] = {table(1), table(2), table(3)};
    const std::vector<QRgb>& grass = grasses[Zoom() - 1];
    const int n = kTileSize * Zoom();
    const int ix = ((PixelOf(x) % n) + n) % n;
    const int iy = ((PixelOf(y) % n) + n) % n;
    return grass[static_cast<size_t>(iy * n + ix)];
}

void PaintGrass(TileCanvas& canvas) {
    canvas.shade([](double x, double y, QRgb& c) { c = GrassAt(x, y); });
}

QRgb WaterAt(double x, double y, double depth) {
    const double pi2 = 6.283185307179586;
    const double u = x / kTileSize, v = y / kTileSize;
    const double wave = std::sin(pi2 * (2 * u + 5 * v) + 1.3 * std::sin(pi2 * (3 * u - 2 * v)));
    QRgb c;
    if (depth < 3)
        c = Mix(qRgb(112, 170, 208), qRgb(58, 116, 178), depth / 3);
    else
        c = Mix(qRgb(58, 116, 178), colour::Deep, (depth - 3) / 9);
    // Wavelets, broken up by a coarse noise so the water does not look ruled.
    if (depth > 2.5 && wave > 0.9 && TiledNoise(x, y, 8, 9) > 0.5)
        c = Scale(c, 1.2);
    else if (depth > 4 && wave < -0.95 && TiledNoise(x, y, 6, 10) > 0.6)
        c = Scale(c, 0.92);
    return c;
}

void PaintWater(TileCanvas& canvas, const std::function<double(double, double)>& depth) {
    canvas.shade([&](double x, double y, QRgb& c) {
        const double d = depth(x, y);
        if (d < -2)
            return;
        if (d < -0.75)
            c = colour::Sand;
        else if (d < 0)
            c = qRgb(188, 172, 124); // wet sand at the waterline
        else
            c = WaterAt(x, y, d);
    });
}

namespace {

struct Frame {
    double along; // depth into the tile from the side
    double across;
};

Frame FromSide(zt::Side s, double x, double y) {
    switch (s) {
    case zt::Right:
        return {kTileSize - x, y - 24};
    case zt::Top:
        return {y, x - 24};
    case zt::Left:
        return {x, y - 24};
    default:
        return {kTileSize - y, x - 24};
    }
}

// The middle of side s and the corner two sides share.
void Middle(zt::Side s, double& x, double& y) {
    x = s == zt::Right ? 48 : s == zt::Left ? 0 : 24;
    y = s == zt::Top ? 0 : s == zt::Bottom ? 48 : 24;
}

} // namespace

TrackPoint Locate(const Track& t, double x, double y) {
    if (t.a == t.b || t.b == zt::Opposite(t.a)) {
        const Frame f = FromSide(t.a, x, y);
        return {f.across, f.along, t.a == t.b ? 24.0 : 48.0};
    }
    double ax, ay, bx, by;
    Middle(t.a, ax, ay);
    Middle(t.b, bx, by);
    // A bend: straight for the first and last few pixels, so that where it crosses a
    // side it is exactly the straight road, then a quarter circle round a point near the
    // corner both sides share.
    const double stub = t.stub, radius = 24 - stub;
    const double cx = (ax == 24) ? bx : ax;
    const double cy = (ay == 24) ? by : ay;
    const double uax = (ax - cx) / 24, uay = (ay - cy) / 24; // along side a, off the corner
    const double ubx = (bx - cx) / 24, uby = (by - cy) / 24;
    const double ox = cx + stub * (uax + ubx), oy = cy + stub * (uay + uby);
    const double vx = x - ox, vy = y - oy;
    const double angle = std::atan2(vx * ubx + vy * uby, vx * uax + vy * uay);
    const double length = 2 * stub + radius * 1.5707963267948966;
    if (angle < 0)
        return {(x - ax) * uax + (y - ay) * uay, (x - ax) * ubx + (y - ay) * uby, length};
    if (angle > 1.5707963267948966)
        return {(x - bx) * ubx + (y - by) * uby, length - ((x - bx) * uax + (y - by) * uay),
                length};
    return {std::sqrt(vx * vx + vy * vy) - radius, stub + radius * angle, length};
}

void PaintRailway(TileCanvas& canvas, const Track& track) {
    canvas.shade([&](double x, double y, QRgb& c) {
        const TrackPoint p = Locate(track, x, y);
        const double a = std::fabs(p.across);
        if (a >= 11 || p.along < -0.01 || p.along > p.length + 0.01)
            return;
        const int ix = PixelOf(x), iy = PixelOf(y);
        c = a >= 10 ? qRgb(120, 110, 98) : qRgb(156, 146, 132);
        if (a < 10 && Hash01(ix, iy, 11) < 0.22)
            c = Scale(c, 0.86);
        // Sleepers every 6 pixels, counted from the nearer end so both sides match.
        const double e = std::min(p.along, p.length - p.along);
        if (a < 7.5 && std::fmod(e, 6.0) >= 2 && std::fmod(e, 6.0) < 4)
            c = qRgb(104, 74, 50);
        if (a >= 4 && a < 5)
            c = qRgb(214, 214, 220);
        else if (a >= 5 && a < 6)
            c = qRgb(84, 84, 90);
    });
}

} // namespace tileart
