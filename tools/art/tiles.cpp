// The tile sheet and its contact sheet.
#include "tiles.h"

#include "canvas.h"
#include "catalogue.h"

namespace {

constexpr int kColumns = 20;
constexpr int kRows = 10;

// Digits 3 x 5, one row of three bits per line, top line first. Our own little face, so
// the contact sheet looks the same on every machine, fonts or not.
constexpr unsigned char kDigits[10][5] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 7, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 2, 2, 2}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7},
};

void DrawDigit(QImage& img, int x, int y, int digit, int scale, QRgb ink) {
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 3; ++col)
            if (kDigits[digit][row] & (4 >> col))
                for (int dy = 0; dy < scale; ++dy)
                    for (int dx = 0; dx < scale; ++dx)
                        img.setPixel(x + col * scale + dx, y + row * scale + dy, ink);
}

void DrawNumber(QImage& img, int x, int y, int n, int scale, QRgb ink) {
    const QByteArray text = QByteArray::number(n);
    for (int i = 0; i < text.size(); ++i)
        DrawDigit(img, x + i * 4 * scale, y, text[i] - '0', scale, ink);
}

} // namespace

QImage DrawTileSheet(int zoom) {
    using namespace tileart;
    const art::PictureZoom scope(zoom);
    const int side = kTileSize * zoom;
    QImage sheet(kColumns * side, kRows * side, QImage::Format_RGB32);
    sheet.fill(0xff000000);
    for (int t = 0; t < zt::TileCount; ++t) {
        TileCanvas canvas;
        if (zt::IsMovable(t))
            DrawRoadTile(canvas, t);
        else
            DrawSceneryTile(canvas, t);
        const QImage tile = canvas.shrink();
        const int ox = side * (t % kColumns), oy = side * (t / kColumns);
        for (int y = 0; y < side; ++y) {
            const QRgb* src = reinterpret_cast<const QRgb*>(tile.constScanLine(y));
            QRgb* dst = reinterpret_cast<QRgb*>(sheet.scanLine(oy + y)) + ox;
            std::copy(src, src + side, dst);
        }
    }
    return sheet;
}

QImage DrawTileContactSheet(const QImage& sheet) {
    // A 2x sheet is shown at its own pixels, a 1x sheet enlarged to the same size, so the
    // two contact sheets lie side by side cell for cell.
    const int kTileSize = sheet.width() >= 2 * kColumns * tileart::kTileSize
                              ? 2 * tileart::kTileSize
                              : tileart::kTileSize;
    const int zoom = 2 * tileart::kTileSize / kTileSize, margin = 16, label = 16;
    const int big = kTileSize * zoom;
    const int cellW = big + 2 * margin, cellH = big + 2 * margin + label;
    QImage out(kColumns * cellW, kRows * cellH, QImage::Format_RGB32);
    out.fill(qRgb(36, 38, 42));
    // Code digits in the look of their road: grey none, white street, stone raised road,
    // brown small road.
    const QRgb ink[4] = {qRgb(120, 120, 124), qRgb(250, 250, 250), qRgb(232, 214, 160),
                         qRgb(214, 150, 96)};
    // A sheet of the wrong size shows black where it has no pixels, never reads past it.
    QImage src(kColumns * kTileSize, kRows * kTileSize, QImage::Format_RGB32);
    src.fill(qRgb(0, 0, 0));
    if (!sheet.isNull()) {
        QPainter p(&src);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, sheet.convertToFormat(QImage::Format_RGB32));
    }
    for (int t = 0; t < zt::TileCount; ++t) {
        const int cx = cellW * (t % kColumns), cy = cellH * (t / kColumns);
        const int tx = cx + margin, ty = cy + margin;
        for (int y = 0; y < big; ++y)
            for (int x = 0; x < big; ++x)
                out.setPixel(tx + x, ty + y,
                             src.pixel(kTileSize * (t % kColumns) + x / zoom,
                                       kTileSize * (t / kColumns) + y / zoom));
        const int mid = big / 2;
        auto code = [t](zt::Side s) { return int(zt::Edge(t, s)); };
        DrawDigit(out, tx + big + 4, ty + mid - 5, code(zt::Right), 2, ink[code(zt::Right)]);
        DrawDigit(out, tx + mid - 3, cy + 3, code(zt::Top), 2, ink[code(zt::Top)]);
        DrawDigit(out, cx + 5, ty + mid - 5, code(zt::Left), 2, ink[code(zt::Left)]);
        DrawDigit(out, tx + mid - 3, ty + big + 3, code(zt::Bottom), 2, ink[code(zt::Bottom)]);
        const int digits = t >= 100 ? 3 : t >= 10 ? 2 : 1;
        DrawNumber(out, cx + (cellW - (digits * 8 - 2)) / 2, ty + big + margin + 2, t, 2,
                   qRgb(250, 210, 60));
    }
    return out;
}
