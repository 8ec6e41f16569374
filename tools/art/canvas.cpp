#include "canvas.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <map>

namespace art {

namespace {
int zoomNow = 1;
} // namespace

int CurrentZoom() {
    return zoomNow;
}

PictureZoom::PictureZoom(int zoom) : before_(zoomNow) {
    zoomNow = zoom;
}

PictureZoom::~PictureZoom() {
    zoomNow = before_;
}

Canvas::Canvas(int width, int height, int scale, QRgb ground, int zoom)
    : big_(width * (zoom ? zoom : zoomNow) * scale, height * (zoom ? zoom : zoomNow) * scale,
           QImage::Format_RGB32),
      scale_(scale) {
    if (!zoom)
        zoom = zoomNow;
    big_.fill(ground);
    painter_.begin(&big_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.scale(scale * zoom, scale * zoom);
}

const QImage& Canvas::image() {
    if (painter_.isActive())
        painter_.end();
    return big_;
}

QImage Canvas::majority() {
    image();
    const int s = scale_;
    QImage out(big_.width() / s, big_.height() / s, QImage::Format_RGB32);
    std::map<QRgb, int> votes;
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            votes.clear();
            for (int j = 0; j < s; ++j) {
                const QRgb* row = reinterpret_cast<const QRgb*>(big_.constScanLine(y * s + j));
                for (int i = 0; i < s; ++i)
                    ++votes[row[x * s + i]];
            }
            QRgb best = kVoid;
            int bestCount = -1;
            for (const auto& [colour, count] : votes) {
                if (count > bestCount) {
                    best = colour;
                    bestCount = count;
                }
            }
            out.setPixel(x, y, best);
        }
    }
    return out;
}

QImage Canvas::averaged(int threshold) {
    image();
    const int s = scale_;
    QImage out(big_.width() / s, big_.height() / s, QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            int r = 0, g = 0, b = 0, n = 0;
            for (int j = 0; j < s; ++j) {
                const QRgb* row = reinterpret_cast<const QRgb*>(big_.constScanLine(y * s + j));
                for (int i = 0; i < s; ++i) {
                    const QRgb c = row[x * s + i];
                    if (c == kVoid)
                        continue;
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                    ++n;
                }
            }
            if (n == 0 || n * 100 < threshold * s * s) {
                out.setPixel(x, y, kVoid);
            } else {
                out.setPixel(x, y, qRgb((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n));
            }
        }
    }
    return out;
}

QImage Canvas::coverage() {
    image();
    const int s = scale_;
    QImage out(big_.width() / s, big_.height() / s, QImage::Format_Grayscale8);
    for (int y = 0; y < out.height(); ++y) {
        uchar* line = out.scanLine(y);
        for (int x = 0; x < out.width(); ++x) {
            int n = 0;
            for (int j = 0; j < s; ++j) {
                const QRgb* row = reinterpret_cast<const QRgb*>(big_.constScanLine(y * s + j));
                for (int i = 0; i < s; ++i)
                    n += row[x * s + i] != kVoid;
            }
            line[x] = uchar((n * 255 + s * s / 2) / (s * s));
        }
    }
    return out;
}

void fill(QPainter& p, const QPainterPath& path, QRgb colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(colour));
    p.drawPath(path);
}

void stroke(QPainter& p, const QPainterPath& path, qreal width, QRgb colour, Qt::PenCapStyle cap) {
    QPen pen{QColor(colour)};
    pen.setWidthF(width);
    pen.setCapStyle(cap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void outlined(QPainter& p, const QPainterPath& path, QRgb colour, QRgb edge, double width) {
    stroke(p, path, 2 * width, edge);
    fill(p, path, colour);
}

QPainterPath circle(double cx, double cy, double r) {
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), r, r);
    return path;
}

uint32_t hash3(int x, int y, uint32_t seed) {
    uint32_t h = seed * 0x9e3779b9u;
    h ^= static_cast<uint32_t>(x) * 0x85ebca6bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<uint32_t>(y) * 0xc2b2ae35u;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h;
}

double noise01(int x, int y, uint32_t seed) {
    return (hash3(x, y, seed) >> 8) / double(1u << 24);
}

double valueNoise(double x, double y, uint32_t seed) {
    const int x0 = int(std::floor(x));
    const int y0 = int(std::floor(y));
    double fx = x - x0;
    double fy = y - y0;
    fx = fx * fx * (3 - 2 * fx);
    fy = fy * fy * (3 - 2 * fy);
    const double a = noise01(x0, y0, seed);
    const double b = noise01(x0 + 1, y0, seed);
    const double c = noise01(x0, y0 + 1, seed);
    const double d = noise01(x0 + 1, y0 + 1, seed);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

QRgb mix(QRgb a, QRgb b, double t) {
    auto ch = [t](int u, int v) { return std::clamp(int(std::lround(u + (v - u) * t)), 0, 255); };
    return qRgb(ch(qRed(a), qRed(b)), ch(qGreen(a), qGreen(b)), ch(qBlue(a), qBlue(b)));
}

QRgb shade(QRgb c, double factor) {
    auto ch = [factor](int u) { return std::clamp(int(std::lround(u * factor)), 0, 255); };
    return qRgb(ch(qRed(c)), ch(qGreen(c)), ch(qBlue(c)));
}

void blit(QImage& dst, const QImage& src, int x, int y) {
    for (int j = 0; j < src.height(); ++j) {
        for (int i = 0; i < src.width(); ++i) {
            const QRgb c = src.pixel(i, j);
            if (c != kVoid && dst.valid(x + i, y + j))
                dst.setPixel(x + i, y + j, c);
        }
    }
}

} // namespace art
