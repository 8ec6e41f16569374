#include "render.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace zt::render {

QRect TileRect(int tile) {
    return {CellSize * (tile % 20), CellSize * (tile / 20), CellSize, CellSize};
}
QRect MarkerSpriteRect(int frame) {
    return {30 + 20 * frame, 30, MarkerSize, MarkerSize};
}
QRect MarkerMaskRect(int frame) {
    return {30 + 20 * frame, 50, MarkerSize, MarkerSize};
}
QRect DigitRect(int digit) {
    return {11 * digit, 0, 11, 20};
}
QRect FaceRect(bool solved) {
    return {solved ? 122 : 135, 0, 13, 20};
}
QPoint CellOrigin(int c, int r) {
    return {BoardLeft + CellSize * c, BoardTop + CellSize * r};
}

std::optional<Cell> CellAt(QPoint point) {
    if (point.x() < BoardLeft || point.y() < BoardTop) {
        return std::nullopt;
    }
    const Cell cell{(point.x() - BoardLeft) / CellSize, (point.y() - BoardTop) / CellSize};
    if (cell.c >= Columns || cell.r >= Rows) {
        return std::nullopt;
    }
    return cell;
}

QRect Pictures::Tile(int tile) const {
    return {cell * (tile % 20), cell * (tile / 20), cell, cell};
}

int Device(int logical, qreal ratio) {
    return static_cast<int>(std::lround(logical * ratio));
}

QRect Device(const QRect& logical, qreal ratio) {
    return {Device(logical.x(), ratio), Device(logical.y(), ratio), Device(logical.width(), ratio),
            Device(logical.height(), ratio)};
}

QPoint CellOrigin(int c, int r, const Pictures& pictures) {
    return {Device(BoardLeft, pictures.ratio) + c * pictures.cell,
            Device(BoardTop, pictures.ratio) + r * pictures.cell};
}

QRect LevelDigitRect(int i, const Pictures& pictures) {
    return {QPoint(Device(13 * i, pictures.ratio), 0), pictures.glyphs[0].size()};
}

QRect LevelFaceRect(const Pictures& pictures) {
    return {QPoint(Device(42, pictures.ratio), 0), pictures.glyphs[11].size()};
}

Pictures ExactPictures(const QImage& tileSheet, const QImage& backdrop, const QImage& digitStrip,
                       int zoom) {
    Pictures p;
    p.ratio = zoom;
    p.tileSheet = tileSheet;
    p.backdrop = backdrop;
    p.sprites = backdrop;
    p.masks = backdrop;
    p.gauge = backdrop;
    p.digitStrip = digitStrip;
    p.cell = CellSize * zoom;
    p.marker = MarkerSize * zoom;
    p.spriteAt = MarkerSpriteRect(0).topLeft() * zoom;
    p.maskAt = MarkerMaskRect(0).topLeft() * zoom;
    const QRect full(GaugeLeft, GaugeTop, GaugeWidth, GaugeHeight);
    p.emptyGauge = Device(full.translated(EmptyGaugeLeft - GaugeLeft, 0), zoom);
    p.fullGauge = Device(full, zoom);
    for (int d = 0; d <= 10; ++d) {
        p.glyphs[d] = Device(DigitRect(d), zoom);
    }
    p.glyphs[11] = Device(FaceRect(true), zoom);
    p.glyphs[12] = Device(FaceRect(false), zoom);
    return p;
}

namespace {

// Smooth scaling proper wants 32-bit pixels: from the pictures' 24-bit ones
// Qt takes a coarser way.
QImage Smooth(const QImage& from, QSize size) {
    return from.convertToFormat(QImage::Format_RGB32)
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage Smooth(const QImage& from, const QRect& piece, QSize size) {
    return Smooth(from.copy(piece), size);
}

void Put(QImage& into, QPoint at, const QImage& piece) {
    QPainter p(&into);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(at, piece);
}

} // namespace

Pictures ScaledPictures(const Pictures& source, qreal ratio) {
    Pictures p;
    if (source.IsNull() || ratio <= 0) {
        return p;
    }
    p.ratio = ratio;
    p.cell = Device(CellSize, ratio);
    p.marker = Device(MarkerSize, ratio);

    p.tileSheet = QImage(20 * p.cell, 10 * p.cell, QImage::Format_RGB32);
    for (int t = 0; t < 200; ++t) {
        Put(p.tileSheet, p.Tile(t).topLeft(),
            Smooth(source.tileSheet, source.Tile(t), {p.cell, p.cell}));
    }
    p.backdrop = Smooth(source.backdrop, {Device(BoxWidth, ratio), Device(BoxHeight, ratio)});

    // The car fades into black at its edges once scaled; the faintest of that
    // fringe goes back to black, and the mask follows the sprite pixel for pixel.
    p.sprites = QImage(MarkerFrames * p.marker, p.marker, QImage::Format_RGB32);
    p.masks = QImage(p.sprites.size(), QImage::Format_RGB32);
    for (int f = 0; f < MarkerFrames; ++f) {
        const QRect from(source.spriteAt + QPoint(f * source.marker, 0),
                         QSize(source.marker, source.marker));
        Put(p.sprites, {f * p.marker, 0}, Smooth(source.sprites, from, {p.marker, p.marker}));
    }
    for (int y = 0; y < p.sprites.height(); ++y) {
        auto* sprite = reinterpret_cast<QRgb*>(p.sprites.scanLine(y));
        auto* mask = reinterpret_cast<QRgb*>(p.masks.scanLine(y));
        for (int x = 0; x < p.sprites.width(); ++x) {
            const QRgb c = sprite[x];
            const bool car = qRed(c) + qGreen(c) + qBlue(c) >= 48;
            sprite[x] = car ? c : qRgb(0, 0, 0);
            mask[x] = car ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
        }
    }
    p.spriteAt = p.maskAt = QPoint(0, 0);

    const QSize strip(Device(GaugeWidth, ratio), Device(GaugeHeight, ratio));
    p.gauge = QImage(2 * strip.width(), strip.height(), QImage::Format_RGB32);
    p.emptyGauge = QRect(QPoint(0, 0), strip);
    p.fullGauge = QRect(QPoint(strip.width(), 0), strip);
    Put(p.gauge, p.emptyGauge.topLeft(), Smooth(source.gauge, source.emptyGauge, strip));
    Put(p.gauge, p.fullGauge.topLeft(), Smooth(source.gauge, source.fullGauge, strip));

    const QSize digit(Device(11, ratio), Device(20, ratio));
    const QSize face(Device(13, ratio), digit.height());
    p.digitStrip =
        QImage(11 * digit.width() + 2 * face.width(), digit.height(), QImage::Format_RGB32);
    for (int g = 0; g < 13; ++g) {
        const QSize size = g < 11 ? digit : face;
        p.glyphs[g] = QRect(
            QPoint(g < 11 ? g * digit.width() : 11 * digit.width() + (g - 11) * face.width(), 0),
            size);
        Put(p.digitStrip, p.glyphs[g].topLeft(), Smooth(source.digitStrip, source.glyphs[g], size));
    }
    return p;
}

QRect Blit(QImage& dst, QPoint at, const QImage& src, const QRect& from,
           QPainter::CompositionMode mode) {
    if (from.isEmpty() || src.isNull() || dst.isNull()) {
        return {};
    }
    QPainter p(&dst);
    p.setCompositionMode(mode);
    p.drawImage(at, src, from);
    return QRect(at, from.size()).intersected(dst.rect());
}

void ComposeSelectedCell(QImage& cell, const Pictures& pictures, int tile, QPoint anchor, int frame,
                         bool solved) {
    Blit(cell, {0, 0}, pictures.tileSheet, pictures.Tile(tile));
    if (solved) {
        return;
    }
    const QPoint at(Device(anchor.x(), pictures.ratio), Device(anchor.y(), pictures.ratio));
    const QSize size(pictures.marker, pictures.marker);
    const QPoint step(frame * pictures.marker, 0);
    Blit(cell, at, pictures.masks, QRect(pictures.maskAt + step, size),
         QPainter::RasterOp_SourceAndDestination);
    Blit(cell, at, pictures.sprites, QRect(pictures.spriteAt + step, size),
         QPainter::RasterOp_SourceOrDestination);
}

void DrawFocusFrame(QImage& dst, QPoint at, const Pictures& pictures) {
    const int inset = Device(FocusFrameInset, pictures.ratio);
    const int w = std::max(1, Device(FocusFrameWidth, pictures.ratio));
    const int dash = std::max(1, Device(FocusFrameDash, pictures.ratio));
    const int outer = pictures.cell - 2 * inset; // side of the square
    QPainter p(&dst);
    p.translate(at + QPoint(inset, inset));
    // Black all round, then white dashes over it: one of the two colours
    // stands out from whatever the tile has there.
    p.fillRect(0, 0, outer, w, Qt::black);
    p.fillRect(0, outer - w, outer, w, Qt::black);
    p.fillRect(0, 0, w, outer, Qt::black);
    p.fillRect(outer - w, 0, w, outer, Qt::black);
    for (int i = 0; i < outer; i += 2 * dash) {
        const int len = std::min(dash, outer - i);
        p.fillRect(i, 0, len, w, Qt::white);
        p.fillRect(i, outer - w, len, w, Qt::white);
        p.fillRect(0, i, w, len, Qt::white);
        p.fillRect(outer - w, i, w, len, Qt::white);
    }
}

int GaugeFilledRows(int solved, int count) {
    if (solved <= 0 || count <= 0) {
        return 0;
    }
    if (solved >= count) {
        return GaugeHeight;
    }
    return static_cast<int>(static_cast<long long>(solved) * GaugeHeight / count);
}

QRect DrawGauge(QImage& box, const Pictures& pictures, int solved, int count) {
    const QRect whole(QPoint(Device(GaugeLeft, pictures.ratio), Device(GaugeTop, pictures.ratio)),
                      pictures.fullGauge.size());
    if (solved <= 0 || count <= 0) {
        Blit(box, whole.topLeft(), pictures.gauge, pictures.emptyGauge);
        return whole;
    }
    if (solved >= count) {
        Blit(box, whole.topLeft(), pictures.gauge, pictures.fullGauge);
        return whole;
    }
    // Whole logical rows of the gauge, each as many device rows as the ratio makes.
    const int h = std::min(whole.height(), Device(GaugeFilledRows(solved, count), pictures.ratio));
    const QRect empty = pictures.emptyGauge;
    const QRect full = pictures.fullGauge;
    Blit(box, whole.topLeft(), pictures.gauge,
         QRect(empty.x(), empty.y(), empty.width(), empty.height() - h));
    const int bottom = whole.y() + whole.height(); // one below the strip
    Blit(box, {whole.x(), bottom - h}, pictures.gauge,
         QRect(full.x(), full.y() + full.height() - h, full.width(), h));
    return whole;
}

void DrawLevelDisplay(QImage& levelBox, const Pictures& pictures, int level, bool solved) {
    const int digits[3] = {(level / 100) % 10, (level / 10) % 10, level % 10};
    bool leading = true;
    for (int i = 0; i < 3; ++i) {
        // Negative numbers never reach here; keep the picture sane if one did.
        int d = digits[i] < 0 ? -digits[i] : digits[i];
        if (d != 0) {
            leading = false;
        }
        bool blank = d == 0 && leading && i < 2;
        Blit(levelBox, LevelDigitRect(i, pictures).topLeft(), pictures.digitStrip,
             pictures.glyphs[blank ? 10 : d]);
    }
    Blit(levelBox, LevelFaceRect(pictures).topLeft(), pictures.digitStrip,
         pictures.glyphs[solved ? 11 : 12]);
}

QString LevelHint(int level, bool solved) {
    return solved ? QCoreApplication::translate("zt::render", "Level %1: solved").arg(level)
                  : QCoreApplication::translate("zt::render", "Level %1: unsolved").arg(level);
}

} // namespace zt::render
