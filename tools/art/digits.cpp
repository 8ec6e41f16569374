#include "digits.h"

#include "canvas.h"

#include <QPainterPath>

#include <utility>

namespace art {
namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kOlive = qRgb(64, 64, 0);
constexpr QRgb kYellow = qRgb(255, 255, 0);
constexpr QRgb kRed = qRgb(255, 0, 0);

// 5 x 10 dot patterns; each dot is one pixel on a pitch of two, so the unlit
// dots show as a fine olive grid between the lit ones.
const char* const kDigitDots[10][10] = {
    {".###.", "#...#", "#...#", "#..##", "#.#.#", "#.#.#", "##..#", "#...#", "#...#", ".###."},
    {"..#..", ".##..", "#.#..", "..#..", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"},
    {".###.", "#...#", "....#", "....#", "...#.", "..#..", ".#...", "#....", "#....", "#####"},
    {".###.", "#...#", "....#", "....#", "..##.", "....#", "....#", "....#", "#...#", ".###."},
    {"...#.", "..##.", ".#.#.", "#..#.", "#..#.", "#####", "...#.", "...#.", "...#.", "...#."},
    {"#####", "#....", "#....", "####.", "....#", "....#", "....#", "....#", "#...#", ".###."},
    {"..##.", ".#...", "#....", "#....", "####.", "#...#", "#...#", "#...#", "#...#", ".###."},
    {"#####", "....#", "....#", "...#.", "...#.", "..#..", "..#..", ".#...", ".#...", ".#..."},
    {".###.", "#...#", "#...#", "#...#", ".###.", "#...#", "#...#", "#...#", "#...#", ".###."},
    {".###.", "#...#", "#...#", "#...#", "#...#", ".####", "....#", "....#", "...#.", ".##.."},
};

// At zoom 2 a dot is a little round lamp of five pixels, a plus; at zoom 3 one of
// twelve, a square of four with its corners left dark. Both keep the pitch: the lamps
// read as lamps, not as enlarged squares.
void drawDigitCell(QImage& img, int left, int digit, int zoom) {
    for (int r = 0; r < 10; ++r) {
        for (int c = 0; c < 5; ++c) {
            const bool lit = digit >= 0 && kDigitDots[digit][r][c] == '#';
            const QRgb colour = lit ? kYellow : kOlive;
            const int x = (left + 1 + 2 * c) * zoom, y = (1 + 2 * r) * zoom;
            if (zoom == 1) {
                img.setPixel(x, y, colour);
                continue;
            }
            // The lamp's square, from one pixel above and left of the dot's corner.
            const int side = zoom == 2 ? 3 : 4;
            for (int dy = 0; dy < side; ++dy) {
                for (int dx = 0; dx < side; ++dx) {
                    const bool corner = (dx == 0 || dx == side - 1) && (dy == 0 || dy == side - 1);
                    if (!corner)
                        img.setPixel(x - 1 + dx, y - 1 + dy, colour);
                }
            }
        }
    }
}

// A face drawn as crisp pixels: `smile` bends the mouth up, otherwise down.
void drawFace(QImage& img, int left, QRgb colour, bool smile, int zoom) {
    Canvas c(13, 20, 8, kBlack, zoom);
    QPainterPath head;
    head.addEllipse(QRectF(0.2, 3.7, 12.6, 12.6));
    fill(c.p(), head, colour);
    for (double x : {4.3, 8.7}) {
        QPainterPath eye;
        eye.addEllipse(QRectF(x - 0.9, 6.9, 1.8, 2.4));
        fill(c.p(), eye, kBlack);
    }
    QPainterPath mouth;
    if (smile) {
        mouth.moveTo(3.3, 11.0);
        mouth.quadTo(6.5, 14.6, 9.7, 11.0);
    } else {
        mouth.moveTo(3.6, 13.8);
        mouth.quadTo(6.5, 10.6, 9.4, 13.8);
    }
    stroke(c.p(), mouth, 1.3, kBlack);
    blit(img, c.majority(), left * zoom, 0);
}

} // namespace

QList<QRgb> DigitStripColours() {
    return {kBlack, kOlive, kYellow, kRed};
}

QImage DrawDigitStrip(int zoom) {
    QImage img(kDigitStripWidth * zoom, kDigitStripHeight * zoom, QImage::Format_RGB32);
    img.fill(kBlack);
    for (int d = 0; d < 10; ++d)
        drawDigitCell(img, 11 * d, d, zoom);
    drawDigitCell(img, 110, -1, zoom);
    drawFace(img, 122, kYellow, true, zoom);
    drawFace(img, 135, kRed, false, zoom);
    return img;
}

} // namespace art
